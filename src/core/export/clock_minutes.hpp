#pragma once

// Clock texts of DIASHORAST ("08:30", or "8:30" from older tables) back into
// minutes after midnight.

#include <cstdint>
#include <string>

namespace tt::exporter {

// A text of fewer than 5 characters gets one "0" in front; then its first two
// characters are the hours and its last two the minutes, each a whole number.
// "" gives 0. A part that is not a whole number ("8:3" gives ":3") throws
// tt::Error "'%s' no es un valor entero válido". The text is Windows-1252.
std::int64_t MinutosDelReloj(const std::string& hora);

} // namespace tt::exporter
