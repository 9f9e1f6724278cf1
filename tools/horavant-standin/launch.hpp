#pragma once

// Horavant's launcher role: starts TransTavoraVelmora inside a window of ours
// and reads the outcome it leaves in Horavant.ini.

#include <filesystem>
#include <string>

namespace tt::standin {

struct ResultadoLanzamiento {
    std::string transformado; // [Transformadores] Transformado of Horavant.ini
    std::string aviso;        // how the program ended when not with code 0, else ""
};

// Opens a window, runs `programa` with `accion` and the window's id in
// hexadecimal digits, waits for it to end and reads the value of
// [Transformadores] Transformado in the Horavant.ini beside `programa`. The
// key is removed before the start, so a value left by an earlier run is
// never taken for this run's. Throws tt::Error when the program cannot be
// started or leaves no value. Linux/X11 only.
ResultadoLanzamiento Lanzar(const std::string& accion, const std::filesystem::path& programa);

} // namespace tt::standin
