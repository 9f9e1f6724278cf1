#pragma once

// Reading working tables back in the tests, and the lookup table a run needs.

#include <filesystem>
#include <string>
#include <vector>

namespace tt::testing {

// Every row of the table, each as the named fields' text widened to UTF-8
// (trailing blanks gone, as the engine reads them).
std::vector<std::vector<std::string>> FilasDe(const std::filesystem::path& tabla,
                                              const std::vector<std::string>& campos);

struct FilaNivelex {
    int oferta = 0;      // X_OFERTAMATRIG
    std::string nivel;   // NIVEL_ABREV (UTF-8)
    std::string estudio; // ESTUDIO (UTF-8)
};

// NIVELEX.DBF in `carpeta`, a level 7 table as installed.
void CrearNivelex(const std::filesystem::path& carpeta, const std::vector<FilaNivelex>& filas);

} // namespace tt::testing
