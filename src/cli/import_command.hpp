#pragma once

#include <iosfwd>

#include "arguments.hpp"

namespace tt::cli {

// Runs the import. A finished run prints "Proceso finalizado" and its summary
// on `salida` and returns 0; a stop that the user can mend prints its message
// on `errores` and returns 1. Every other failure throws.
int ComandoImportar(const OrdenImportar& orden, std::ostream& salida, std::ostream& errores);

} // namespace tt::cli
