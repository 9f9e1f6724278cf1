#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tt::cli {

// The whole tool behind main(): reads the arguments (UTF-8, without the
// program's name), runs the command and returns the exit code: 0 finished,
// 1 stopped (the reason on `errores`), 2 usage error (usage on `errores`).
int Ejecutar(const std::vector<std::string>& argumentos, std::ostream& salida,
             std::ostream& errores);

} // namespace tt::cli
