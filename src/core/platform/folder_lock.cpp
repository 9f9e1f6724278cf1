#include "platform/folder_lock.hpp"

#include "error.hpp"
#include "platform/display_path.hpp"

#ifdef _WIN32
#include "platform/windows_api.hpp"
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace tt::platform {

namespace {

Error Ocupada(const std::filesystem::path& folder) {
    return Error("La carpeta de trabajo " + DisplayPath(folder) +
                 " est\xC3\xA1 siendo usada por otra ejecuci\xC3\xB3n de TransTavoraVelmora. "
                 "Espere a que termine y vuelva a intentarlo.");
}

Error NoSeAbre(const std::filesystem::path& folder) {
    return Error("No se puede abrir la carpeta de trabajo " + DisplayPath(folder) + ".");
}

} // namespace

#ifdef _WIN32

FolderLock::FolderLock(const std::filesystem::path& folder) {
    const auto file = folder / L"TRANSTAVORA.LCK";
    HANDLE h = CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        const DWORD err = GetLastError();
        if (err == ERROR_SHARING_VIOLATION || err == ERROR_ACCESS_DENIED) throw Ocupada(folder);
        throw NoSeAbre(folder);
    }
    handle_ = reinterpret_cast<std::intptr_t>(h);
}

FolderLock::~FolderLock() { CloseHandle(reinterpret_cast<HANDLE>(handle_)); }

#else

FolderLock::FolderLock(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) throw NoSeAbre(folder);
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int err = errno;
        ::close(fd);
        if (err == EWOULDBLOCK) throw Ocupada(folder);
        throw NoSeAbre(folder);
    }
    handle_ = fd;
}

FolderLock::~FolderLock() { ::close(static_cast<int>(handle_)); }

#endif

} // namespace tt::platform
