#pragma once

// A generated school: the Velmora export to import, and a timetable Horavant
// could have computed on the tables that import leaves.

#include <cstddef>
#include <filesystem>

namespace tt::bench {

struct TamanoEscuela {
    std::size_t profesores = 400;
    std::size_t unidades = 150; // five per course
    std::size_t materias = 600; // MATERIAS records, twenty per course
    std::size_t tramos = 60;    // time slots of the template the import takes
    std::size_t sesiones = 12000;
    std::size_t dependencias = 100;

    TamanoEscuela veces(std::size_t factor) const;
    std::size_t cursos() const { return unidades / 5; }
};

// The school-day template the import is told to take; the export offers a
// second one, as schools with a shorter June timetable do.
inline constexpr const char* kPlantillaElegida = "J1";

// The rows an import of the export must write in ASIGT (one per subject
// record and unit of its course) and in DIASHORAST (one per slot of the
// chosen template and day of the week).
std::size_t FilasAsignaciones(const TamanoEscuela& tamano);
std::size_t FilasDiasHoras(const TamanoEscuela& tamano);

// Every record group the import reads, in UTF-8. Subject names recur from
// course to course, as they do in a real export, so ASIGNOMT is smaller than
// MATERIAS; teachers' initials and unit names repeat enough to need suffixes.
void EscribirExportacionVelmora(const std::filesystem::path& archivo, const TamanoEscuela& tamano);

// SOLUC with `tamano.sesiones` placed lessons (and one unplaced in fifty) on
// the teachers, subject assignments, activities, rooms and hours found in the
// working folder, spread over days 1 to 5. The same every time.
void EscribirSolucion(const std::filesystem::path& carpetaTrabajo, const TamanoEscuela& tamano);

} // namespace tt::bench
