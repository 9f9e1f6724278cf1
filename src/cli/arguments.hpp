#pragma once

// The command line of transtavora, a contract for scripts:
//   transtavora import FILE.xml [--workdir DIR] [--app-dir DIR] [--template CODE]
//   transtavora export FILE.xml [--workdir DIR]
//   transtavora --help | --version

#include <optional>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

namespace tt::cli {

struct OrdenAyuda {
    bool operator==(const OrdenAyuda&) const = default;
};
struct OrdenVersion {
    bool operator==(const OrdenVersion&) const = default;
};

struct OrdenImportar {
    std::string archivo; // texts in UTF-8
    std::optional<std::string> carpetaTrabajo;
    std::optional<std::string> carpetaAplicacion;
    std::optional<std::string> plantilla;
    bool operator==(const OrdenImportar&) const = default;
};

struct OrdenExportar {
    std::string archivo;
    std::optional<std::string> carpetaTrabajo;
    bool operator==(const OrdenExportar&) const = default;
};

using Orden = std::variant<OrdenAyuda, OrdenVersion, OrdenImportar, OrdenExportar>;

// Arguments that make no command; what() says why, in Spanish.
class ErrorDeUso : public std::runtime_error {
public:
    explicit ErrorDeUso(const std::string& motivo) : std::runtime_error(motivo) {}
};

// The arguments after the program's name, in UTF-8. Options take their value
// as the next argument or after "="; "--" ends the options.
Orden LeerArgumentos(const std::vector<std::string>& argumentos);

// The synopsis, and the whole help text.
std::string TextoUso();
std::string TextoAyuda();

} // namespace tt::cli
