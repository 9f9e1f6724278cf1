#pragma once

// Whole numbers written as text in the document and the tables (course keys,
// slot minutes, clock times), read by one rule everywhere.

#include <cstdint>
#include <string_view>

namespace tt::text {

// A 32-bit whole number in decimal: an optional '+' or '-', then digits and
// nothing else (no blanks, no other base). Anything else, the empty text
// included, throws tt::Error("'<text>' no es un valor entero válido"), the
// text shown in UTF-8. `ansi` is Windows-1252.
std::int32_t ConvertirEntero(std::string_view ansi);

} // namespace tt::text
