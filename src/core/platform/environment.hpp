#pragma once

#include <optional>
#include <string>

namespace tt::platform {

// A variable of the environment as the C runtime holds it (in the ANSI code
// page on Windows); nullopt when it is not set.
std::optional<std::string> VariableDeEntorno(const char* nombre);

} // namespace tt::platform
