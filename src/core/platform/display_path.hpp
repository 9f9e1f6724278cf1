#pragma once

#include <filesystem>
#include <string>

namespace tt::platform {

// A path as it goes into a user's message: UTF-8, whatever the platform's
// native path encoding.
inline std::string DisplayPath(const std::filesystem::path& file) {
    const std::u8string text = file.u8string();
    return std::string(text.begin(), text.end());
}

} // namespace tt::platform
