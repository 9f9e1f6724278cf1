#pragma once

// Seeding and reading dBase tables in the tests, with texts in UTF-8 so that
// expectations read as plain literals; and the lookup table a run needs.

#include <filesystem>
#include <string>
#include <vector>

#include "platform/dbf/dbf_table.hpp"

namespace tt::testing {

using FilaTexto = std::vector<std::string>;

// Every row in physical order, each as the named fields' text widened to
// UTF-8 (trailing blanks gone, as the engine reads them).
std::vector<FilaTexto> FilasDe(const std::filesystem::path& tabla, const std::vector<std::string>& campos);

// Creates the table and appends one row per FilaTexto, its texts (UTF-8)
// going to the fields in their order.
void CrearTablaConFilas(const std::filesystem::path& tabla, const std::vector<dbf::FieldDef>& campos,
                        const std::vector<FilaTexto>& filas);

struct FilaNivelex {
    int oferta = 0;      // X_OFERTAMATRIG
    std::string nivel;   // NIVEL_ABREV (UTF-8)
    std::string estudio; // ESTUDIO (UTF-8)
};

// NIVELEX.DBF in `carpeta`, a level 7 table as installed.
void CrearNivelex(const std::filesystem::path& carpeta, const std::vector<FilaNivelex>& filas);

} // namespace tt::testing
