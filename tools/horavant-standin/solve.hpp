#pragma once

// Horavant's part of the work: a timetable for the working folder, written
// to SOLUC.

#include <cstddef>
#include <filesystem>
#include <vector>

#include "working_folder.hpp"

namespace tt::standin {

struct ResumenSolucion {
    std::size_t asignaciones = 0; // ASIGT rows
    std::size_t colocadas = 0;    // lessons with a period
    std::size_t sinColocar = 0;   // lessons written with DIA 0
    std::size_t sinProfesor = 0;  // lessons with a blank PROF (PROFT has no teacher)
    std::filesystem::path soluc;  // the table written
};

// Every ASIGT row gets a teacher, each of its lessons a period and the home
// room of its class unit (the i-th room of AULAT for the i-th unit of
// GRUPOST; none when rooms run out). Rows come out assignment by
// assignment, each one's lessons by day and hour, unplaced ones last.
std::vector<FilaSoluc> CalcularHorario(const CarpetaTrabajo& datos);

// Reads the working folder, computes the timetable and writes SOLUC.DBF.
ResumenSolucion Resolver(const std::filesystem::path& carpeta);

} // namespace tt::standin
