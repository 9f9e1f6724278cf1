#pragma once

#include <filesystem>
#include <string>

namespace tt::cli {

// A path given on the command line (UTF-8), whatever the platform's native
// path encoding.
inline std::filesystem::path RutaDeArgumento(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

} // namespace tt::cli
