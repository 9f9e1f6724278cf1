#pragma once

// Advisory OS file locks (flock on POSIX, LockFileEx on Windows). A lock is
// held by an open file handle, so a second lock on the same file is refused
// whether it comes from this process or another one.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace tt::platform {

class FileLock {
public:
    enum class Kind { Shared, Exclusive };

    // Opens `file` (creating it when create is true) and tries to lock it
    // without waiting. Returns an empty pointer when someone else holds a
    // conflicting lock. Throws tt::Error when the file cannot be opened.
    // A shared lock opens the file for reading only.
    static std::unique_ptr<FileLock> tryLock(const std::filesystem::path& file, Kind kind,
                                             bool create = false);
    ~FileLock();

    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // The whole file, read through the locked handle.
    std::string readAll() const;

    // Replaces the whole content of the file through the locked handle (needs
    // an exclusive lock). Throws tt::Error naming the file on failure.
    void overwrite(std::string_view bytes);

private:
    FileLock() = default;
    std::intptr_t handle_ = -1;
    std::filesystem::path file_;
};

} // namespace tt::platform
