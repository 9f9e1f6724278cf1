#pragma once

// Horavant.ini beside the program: where a command-line run reports its
// outcome to Horavant, which reads it after the program ends.

#include <filesystem>
#include <string>
#include <string_view>

namespace tt::app {

inline constexpr const char* kArchivoIni = "Horavant.ini";
inline constexpr const char* kSeccionResultado = "Transformadores";
inline constexpr const char* kClaveResultado = "Transformado";

// `contenido` with `clave` of `seccion` set to `valor`, the way the Windows
// profile functions do it: names match ignoring letter case, the first match
// wins, a missing key goes at the end of its section and a missing section at
// the end of the file. Every other line is kept byte for byte.
std::string FijarValorPerfil(const std::string& contenido, std::string_view seccion,
                             std::string_view clave, std::string_view valor);

// Writes `resultado` under Transformadores/Transformado of the Horavant.ini
// in `carpeta` (found ignoring letter case, created when missing). Throws
// tt::Error when the file cannot be read or written.
void EscribirResultadoProceso(const std::filesystem::path& carpeta, int resultado);

} // namespace tt::app
