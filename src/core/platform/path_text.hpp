#pragma once

#include <filesystem>
#include <string>

namespace tt::platform {

// A path as UTF-8 text, for messages (path::string() would use the ANSI code
// page on Windows).
inline std::string TextoRuta(const std::filesystem::path& ruta) {
    const auto u8 = ruta.u8string();
    return std::string(u8.begin(), u8.end());
}

} // namespace tt::platform
