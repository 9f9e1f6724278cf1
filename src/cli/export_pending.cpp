// Built instead of export_command.cpp while the core library has no export run.

#include "export_command.hpp"

#include <ostream>

namespace tt::cli {

int ComandoExportar(const OrdenExportar&, std::ostream&, std::ostream& errores) {
    errores << "La exportación del horario aún no está disponible en esta versión.\n";
    return 1;
}

} // namespace tt::cli
