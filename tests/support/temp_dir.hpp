#pragma once

#include <filesystem>
#include <map>
#include <string>

namespace tt::testing {

// A fresh folder under the system's temp folder, removed with its content.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

void WriteFile(const std::filesystem::path& file, const std::string& bytes);
std::string ReadFile(const std::filesystem::path& file);

// Every regular file below dir (relative path) with its full content, so two
// snapshots compare equal exactly when the folder is byte-for-byte the same.
std::map<std::string, std::string> Snapshot(const std::filesystem::path& dir);

} // namespace tt::testing
