#include "platform/file_lock.hpp"

#include "error.hpp"
#include "platform/display_path.hpp"

#include <algorithm>

#ifdef _WIN32
#include "platform/windows_api.hpp"
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tt::platform {

namespace fs = std::filesystem;

namespace {

#ifdef _WIN32

std::string Reason(DWORD code) {
    switch (code) {
    case ERROR_FILE_NOT_FOUND: return "no existe el archivo";
    case ERROR_PATH_NOT_FOUND: return "la carpeta no existe";
    case ERROR_ACCESS_DENIED: return "acceso denegado";
    case ERROR_SHARING_VIOLATION: return "otro programa lo está usando";
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return "no queda espacio en el disco";
    case ERROR_WRITE_PROTECT: return "el disco está protegido contra escritura";
    default: return "error del sistema " + std::to_string(code);
    }
}

[[noreturn]] void Fail(const std::string& what, const fs::path& file) {
    throw Error("No se puede " + what + " el archivo " + DisplayPath(file) + ": " +
                Reason(GetLastError()));
}

HANDLE Native(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

#else

std::string Reason(int code) {
    switch (code) {
    case ENOENT: return "no existe el archivo o su carpeta";
    case ENOTDIR: return "la carpeta no existe";
    case EACCES:
    case EPERM: return "acceso denegado";
    case EROFS: return "el disco es de solo lectura";
    case ENOSPC: return "no queda espacio en el disco";
    case EDQUOT: return "se ha superado la cuota de disco";
    case EISDIR: return "es una carpeta";
    case EIO: return "error de entrada/salida";
    default: return "error del sistema " + std::to_string(code);
    }
}

[[noreturn]] void Fail(const std::string& what, const fs::path& file) {
    throw Error("No se puede " + what + " el archivo " + DisplayPath(file) + ": " +
                Reason(errno));
}

#endif

} // namespace

#ifdef _WIN32

std::unique_ptr<FileLock> FileLock::tryLock(const fs::path& file, Kind kind, bool create) {
    const bool exclusive = kind == Kind::Exclusive;
    // No FILE_SHARE_DELETE: an open table cannot be deleted from under us.
    HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ | (exclusive ? GENERIC_WRITE : 0),
                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                create ? OPEN_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                nullptr);
    if (handle == INVALID_HANDLE_VALUE) Fail("abrir", file);
    OVERLAPPED whole{};
    const DWORD flags = LOCKFILE_FAIL_IMMEDIATELY | (exclusive ? LOCKFILE_EXCLUSIVE_LOCK : 0);
    if (!LockFileEx(handle, flags, 0, MAXDWORD, MAXDWORD, &whole)) {
        const DWORD code = GetLastError();
        CloseHandle(handle);
        if (code == ERROR_LOCK_VIOLATION || code == ERROR_IO_PENDING) return nullptr;
        SetLastError(code);
        Fail("bloquear", file);
    }
    std::unique_ptr<FileLock> lock(new FileLock());
    lock->handle_ = reinterpret_cast<std::intptr_t>(handle);
    lock->file_ = file;
    return lock;
}

FileLock::~FileLock() {
    OVERLAPPED whole{};
    UnlockFileEx(Native(handle_), 0, MAXDWORD, MAXDWORD, &whole);
    CloseHandle(Native(handle_));
}

std::string FileLock::readAll() const {
    LARGE_INTEGER size{};
    LARGE_INTEGER start{};
    if (!GetFileSizeEx(Native(handle_), &size) ||
        !SetFilePointerEx(Native(handle_), start, nullptr, FILE_BEGIN))
        Fail("leer", file_);
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        DWORD got = 0;
        if (!ReadFile(Native(handle_), bytes.data() + done, chunk, &got, nullptr)) Fail("leer", file_);
        if (got == 0) break; // the file shrank meanwhile
        done += got;
    }
    bytes.resize(done);
    return bytes;
}

void FileLock::overwrite(std::string_view bytes) {
    LARGE_INTEGER start{};
    if (!SetFilePointerEx(Native(handle_), start, nullptr, FILE_BEGIN)) Fail("escribir", file_);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        DWORD put = 0;
        if (!WriteFile(Native(handle_), bytes.data() + done, chunk, &put, nullptr))
            Fail("escribir", file_);
        done += put;
    }
    if (!SetEndOfFile(Native(handle_))) Fail("escribir", file_);
}

#else

std::unique_ptr<FileLock> FileLock::tryLock(const fs::path& file, Kind kind, bool create) {
    const bool exclusive = kind == Kind::Exclusive;
    int flags = (exclusive ? O_RDWR : O_RDONLY) | O_CLOEXEC;
    if (create) flags |= O_CREAT;
    int fd;
    do {
        fd = ::open(file.c_str(), flags, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) Fail("abrir", file);
    // flock, not fcntl: fcntl locks belong to the process, so a second open in
    // this same process would not see the first one.
    const int operation = (exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB;
    while (::flock(fd, operation) != 0) {
        if (errno == EINTR) continue;
        const int code = errno;
        ::close(fd);
        if (code == EWOULDBLOCK) return nullptr;
        errno = code;
        Fail("bloquear", file);
    }
    std::unique_ptr<FileLock> lock(new FileLock());
    lock->handle_ = fd;
    lock->file_ = file;
    return lock;
}

FileLock::~FileLock() {
    ::close(static_cast<int>(handle_)); // releases the lock
}

std::string FileLock::readAll() const {
    const int fd = static_cast<int>(handle_);
    struct stat info {};
    if (::fstat(fd, &info) != 0) Fail("leer", file_);
    std::string bytes(static_cast<std::size_t>(info.st_size), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::pread(fd, bytes.data() + done, bytes.size() - done,
                                    static_cast<off_t>(done));
        if (got < 0) {
            if (errno == EINTR) continue;
            Fail("leer", file_);
        }
        if (got == 0) break; // the file shrank meanwhile
        done += static_cast<std::size_t>(got);
    }
    bytes.resize(done);
    return bytes;
}

void FileLock::overwrite(std::string_view bytes) {
    const int fd = static_cast<int>(handle_);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t put = ::pwrite(fd, bytes.data() + done, bytes.size() - done,
                                     static_cast<off_t>(done));
        if (put < 0) {
            if (errno == EINTR) continue;
            Fail("escribir", file_);
        }
        done += static_cast<std::size_t>(put);
    }
    if (::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0) Fail("escribir", file_);
}

#endif


} // namespace tt::platform
