#include "tool.hpp"

#include <exception>
#include <variant>
#include <ostream>

#include "arguments.hpp"
#include "error.hpp"
#include "export_command.hpp"
#include "import_command.hpp"

namespace tt::cli {

namespace {

template <class... F>
struct Casos : F... {
    using F::operator()...;
};

} // namespace

int Ejecutar(const std::vector<std::string>& argumentos, std::ostream& salida,
             std::ostream& errores) {
    Orden orden;
    try {
        orden = LeerArgumentos(argumentos);
    } catch (const ErrorDeUso& error) {
        errores << "transtavora: " << error.what() << "\n\n" << TextoUso();
        return 2;
    }
    try {
        return std::visit(
            Casos{[&](const OrdenAyuda&) {
                      salida << TextoAyuda();
                      return 0;
                  },
                  [&](const OrdenVersion&) {
                      salida << "transtavora " << TT_VERSION << "\n";
                      return 0;
                  },
                  [&](const OrdenImportar& o) { return ComandoImportar(o, salida, errores); },
                  [&](const OrdenExportar& o) { return ComandoExportar(o, salida, errores); }},
            orden);
    } catch (const Error& error) {
        errores << error.what() << "\n";
    } catch (const std::exception& error) {
        errores << "Error inesperado: " << error.what() << "\n";
    }
    return 1;
}

} // namespace tt::cli
