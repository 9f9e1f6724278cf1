#pragma once

#include <iosfwd>

#include "arguments.hpp"

namespace tt::cli {

// Runs the timetable export; results and failures as ComandoImportar.
int ComandoExportar(const OrdenExportar& orden, std::ostream& salida, std::ostream& errores);

} // namespace tt::cli
