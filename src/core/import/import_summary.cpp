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

namespace {

void Contar(std::vector<std::pair<std::string, std::size_t>>& cuentas, const std::string& motivo) {
    for (auto& [texto, cuenta] : cuentas)
        if (texto == motivo) {
            ++cuenta;
            return;
        }
    cuentas.emplace_back(motivo, 1);
}

} // namespace

void ResumenImportacion::omitido(const std::string& motivo) { Contar(omitidos, motivo); }

void ResumenImportacion::aviso(const std::string& motivo) { Contar(avisos, motivo); }

std::size_t ResumenImportacion::filasDe(const std::string& tabla) const {
    for (const auto& [nombre, cuenta] : filasPorTabla)
        if (nombre == tabla) return cuenta;
    return 0;
}

} // namespace tt::importer
