#include "import/import_summary.hpp"

namespace tt::importer {

void ResumenImportacion::filas(const std::string& tabla, std::size_t numero) {
    for (auto& [nombre, cuenta] : filasPorTabla)
        if (nombre == tabla) {
            cuenta = numero;
            return;
        }
    filasPorTabla.emplace_back(tabla, numero);
}

void ResumenImportacion::omitido(const std::string& motivo) {
    for (auto& [texto, cuenta] : omitidos)
        if (texto == motivo) {
            ++cuenta;
            return;
        }
    omitidos.emplace_back(motivo, 1);
}

std::size_t ResumenImportacion::filasDe(const std::string& tabla) const {
    for (const auto& [nombre, cuenta] : filasPorTabla)
        if (nombre == tabla) return cuenta;
    return 0;
}

} // namespace tt::importer
