#pragma once

// A generated school: the Velmora export, the working tables an import of it
// leaves, and a timetable Horavant could have computed on them.

#include "support/working_tables.hpp"

#include <cstddef>
#include <filesystem>

namespace tt::bench {

struct TamanoEscuela {
    std::size_t profesores = 400;
    std::size_t unidades = 150; // five per course
    std::size_t materias = 600; // MATERIAS records, twenty per course
    std::size_t tramos = 60;    // time slots of the one school-day template
    std::size_t sesiones = 12000;
    std::size_t dependencias = 100;

    TamanoEscuela veces(std::size_t factor) const;
    std::size_t cursos() const { return unidades / 5; }
};

// Every record group the import reads, in UTF-8.
void EscribirExportacionVelmora(const std::filesystem::path& archivo, const TamanoEscuela& tamano);

// The tables an import of that export leaves, for the export alone: codes
// made simply ("P12", "G3", "M40") instead of from the names.
testing::TablasDeTrabajo TablasDeLaImportacion(const TamanoEscuela& tamano);

// SOLUC with `tamano.sesiones` placed lessons (and one unplaced in fifty) on
// the teachers, subject assignments and activities found in the working
// folder, spread over days 1 to 5 and every slot. The same every time.
void EscribirSolucion(const std::filesystem::path& carpetaTrabajo, const TamanoEscuela& tamano);

} // namespace tt::bench
