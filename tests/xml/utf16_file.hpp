#pragma once

#include <string>
#include <string_view>

namespace tt::testing {

// The bytes of a UTF-16 file: byte order mark, then the text in that order.
inline std::string Utf16File(std::u16string_view text, bool littleEndian) {
    std::string bytes = littleEndian ? "\xFF\xFE" : "\xFE\xFF";
    for (char16_t unit : text) {
        const char low = static_cast<char>(unit & 0xFF);
        const char high = static_cast<char>(unit >> 8);
        bytes += littleEndian ? std::string{low, high} : std::string{high, low};
    }
    return bytes;
}

} // namespace tt::testing
