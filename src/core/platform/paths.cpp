#include "platform/paths.hpp"

#include "error.hpp"

#include <algorithm>
#include <system_error>

#ifdef _WIN32
#include "platform/windows_api.hpp"
#else
#include <cstdlib>
#include <pwd.h>
#include <unistd.h>
#endif

namespace tt::platform {

namespace fs = std::filesystem;

namespace {

// A variable of the environment as a path; nullopt when unset or empty, since
// an empty value would quietly make the current folder the working one.
std::optional<fs::path> RutaDelEntorno(const char* nombre) {
#ifdef _WIN32
    // Read wide so that folder names outside the ANSI code page survive.
    const std::wstring nombreAncho(nombre, nombre + std::char_traits<char>::length(nombre));
    const DWORD necesario = GetEnvironmentVariableW(nombreAncho.c_str(), nullptr, 0);
    if (necesario <= 1) return std::nullopt; // unset, or only the terminator
    std::wstring valor(necesario, L'\0');
    const DWORD leido = GetEnvironmentVariableW(nombreAncho.c_str(), valor.data(), necesario);
    if (leido == 0 || leido >= necesario) return std::nullopt;
    valor.resize(leido);
    return fs::path(valor);
#else
    const char* valor = std::getenv(nombre);
    if (valor == nullptr || *valor == '\0') return std::nullopt;
    return fs::path(valor);
#endif
}

#ifndef _WIN32
fs::path CarpetaPersonal() {
    if (auto home = RutaDelEntorno("HOME")) return *home;
    if (const passwd* usuario = getpwuid(getuid()); usuario && usuario->pw_dir && *usuario->pw_dir)
        return usuario->pw_dir;
    throw Error("No se encuentra la carpeta personal del usuario");
}
#endif

fs::path::value_type MinusculaAscii(fs::path::value_type c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<fs::path::value_type>(c - 'A' + 'a') : c;
}

bool IgualesSinMayusculasAscii(const fs::path::string_type& a, const fs::path::string_type& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](auto x, auto y) { return MinusculaAscii(x) == MinusculaAscii(y); });
}

} // namespace

fs::path DefaultWorkDir() {
    if (auto elegida = RutaDelEntorno("TRANSTAVORA_WORKDIR")) return *elegida;
#ifdef _WIN32
    return fs::path(L"C:\\HTEMP");
#else
    auto prefijo = RutaDelEntorno("WINEPREFIX");
    if (!prefijo) prefijo = CarpetaPersonal() / ".wine";
    return *prefijo / "drive_c" / "HTEMP";
#endif
}

fs::path ExecutableDir() {
    constexpr const char* sinCarpeta = "No se puede determinar la carpeta del programa";
#ifdef _WIN32
    std::wstring ruta(MAX_PATH, L'\0');
    for (;;) {
        const DWORD largo = GetModuleFileNameW(nullptr, ruta.data(), static_cast<DWORD>(ruta.size()));
        if (largo == 0) throw Error(sinCarpeta);
        if (largo < ruta.size()) {
            ruta.resize(largo);
            return fs::path(ruta).parent_path();
        }
        ruta.resize(ruta.size() * 2); // truncated: try a longer buffer
    }
#else
    std::error_code error;
    const fs::path ruta = fs::read_symlink("/proc/self/exe", error);
    if (error) throw Error(sinCarpeta);
    return ruta.parent_path();
#endif
}

std::optional<fs::path> FindNoCase(const fs::path& dir, const std::string& name) {
    // Compared in the native form so that no other entry's name has to be
    // converted (on Windows a name outside the ANSI code page would throw).
    const fs::path::string_type buscado = fs::path(name).native();
    std::optional<fs::path> parecido;
    std::error_code error;
    for (fs::directory_iterator it(dir, error), fin; !error && it != fin; it.increment(error)) {
        const fs::path nombre = it->path().filename();
        if (nombre.native() == buscado) return it->path();
        if (!parecido && IgualesSinMayusculasAscii(nombre.native(), buscado)) parecido = it->path();
    }
    return parecido;
}

fs::path ResolveNoCase(const fs::path& dir, const std::string& name) {
    return FindNoCase(dir, name).value_or(dir / name);
}

} // namespace tt::platform
