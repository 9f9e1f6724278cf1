#pragma once

// The systems we talk to keep their text in the ANSI code page Windows-1252.
// The XML layer hands out UTF-8; these convert between the two.

#include <string>
#include <string_view>

namespace tt::text {

// UTF-8 to Windows-1252. A character the code page cannot hold, and any
// malformed UTF-8 sequence, becomes '?' (the platform's substitute character).
std::string Narrow(std::string_view utf8);

// Windows-1252 to UTF-8. The five bytes that Windows-1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the same value, as
// the platform's conversion does, so a round trip never loses a byte.
std::string Widen(std::string_view ansi);

// The code point of one Windows-1252 byte, and the byte of a code point
// (-1 when the code page cannot hold it). Shared with the XML layer's
// Windows-1252 encoder so both use one table.
char32_t CodigoDe(unsigned char byte);
int ByteWindows1252(char32_t codigo);

} // namespace tt::text
