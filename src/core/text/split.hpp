#pragma once

#include <string>
#include <vector>

namespace tt::text {

// The pieces of `texto` between its separators, empty ones included: one
// piece more than there are separators (an empty text is one empty piece).
std::vector<std::string> Partir(const std::string& texto, char separador);

} // namespace tt::text
