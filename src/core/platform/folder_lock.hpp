#pragma once

// Keeps a second bridge out of a working folder while a run changes it. The
// lock leaves no file behind: on POSIX it is a flock on the folder itself; on
// Windows a lock file opened without sharing and deleted when closed.

#include <filesystem>
#include <cstdint>

namespace tt::platform {

class FolderLock {
public:
    // Throws tt::Error when another run holds the folder or it cannot be opened.
    explicit FolderLock(const std::filesystem::path& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

private:
    std::intptr_t handle_ = -1;
};

} // namespace tt::platform
