#pragma once

// Test helpers: small working tables written with the engine, and the
// solution read back and checked for clashes.

#include <filesystem>
#include <string>
#include <vector>

namespace tt::testing {

// A table of character fields 40 wide, one row per entry of filas.
void EscribirTabla(const std::filesystem::path& archivo, const std::vector<std::string>& campos,
                   const std::vector<std::vector<std::string>>& filas);

struct LeccionSoluc {
    std::string prof;
    int dia = 0;
    int hora = 0;
    std::string asig;
    std::string grupo;
    std::string tarea;
    std::string aula;
};

std::vector<LeccionSoluc> LeerSoluc(const std::filesystem::path& archivo);

// One line per teacher, unit or room that has two lessons in one period.
std::vector<std::string> Choques(const std::vector<LeccionSoluc>& lecciones);

} // namespace tt::testing
