#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace tt::importer {

// What a finished import did, for the command-line tool's report and the tests.
struct ResumenImportacion {
    // Rows written, per table, in the order the tables were built.
    std::vector<std::pair<std::string, std::size_t>> filasPorTabla;
    // Records left out, by reason (Spanish, as the report prints it).
    std::vector<std::pair<std::string, std::size_t>> omitidos;
    // Rows written, but with something the user should check, by reason.
    std::vector<std::pair<std::string, std::size_t>> avisos;

    void filas(const std::string& tabla, std::size_t numero);
    void omitido(const std::string& motivo);
    void aviso(const std::string& motivo);
    std::size_t filasDe(const std::string& tabla) const;
};

} // namespace tt::importer
