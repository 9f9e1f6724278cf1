#pragma once

// What the stand-in reads from the working folder the import wrote, and the
// solution table it writes back. Texts stay Windows-1252, as in the tables.

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace tt::standin {

struct Profesor {
    std::string codigo;       // PROFT ABREV
    std::string departamento; // PROFT DEPART
};

struct Asignacion {
    std::string asignatura;       // ASIGT CASIG
    std::string grupo;            // ASIGT CGRUP
    std::string nombreAsignatura; // ASIGNOMT NOMBRE of the row whose COD is CASIG
    int sesiones = 0;             // lessons a week, from SESIONES
};

struct Periodo {
    int dia = 0;
    int hora = 0;
};

struct CarpetaTrabajo {
    std::vector<Profesor> profesores;   // PROFT, table order
    std::vector<Asignacion> asignaciones; // ASIGT, table order
    std::vector<std::string> aulas;     // AULAT ABREV, table order
    std::vector<std::string> grupos;    // GRUPOST ABREV, table order
    std::vector<Periodo> periodos;      // DIASHORAST days 1 to 5, by day then hour, once each
};

// One lesson of the solution; dia 0 and hora 0 when it found no period.
struct FilaSoluc {
    std::string profesor;
    int dia = 0;
    int hora = 0;
    std::string asignatura;
    std::string grupo;
    std::string aula;
};

// Lessons a week that a SESIONES pattern asks for: one per "1"; a pattern
// longer than thirteen characters carries the lessons beyond thirteen as a
// decimal prefix ("21111111111111" is fifteen).
int NumeroSesiones(const std::string& sesiones);

// Reads PROFT, ASIGT, ASIGNOMT, AULAT, GRUPOST and DIASHORAST, whatever the
// letter case of their file names. Throws tt::Error when one is missing.
CarpetaTrabajo LeerCarpeta(const std::filesystem::path& carpeta);

// Replaces SOLUC.DBF (or the existing file of that name in any letter case).
// Returns the path written.
std::filesystem::path EscribirSoluc(const std::filesystem::path& carpeta,
                                    const std::vector<FilaSoluc>& filas);

} // namespace tt::standin
