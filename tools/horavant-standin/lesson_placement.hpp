#pragma once

// Places lessons in the periods of the week so that no teacher and no class
// unit has two lessons at once.

#include <cstddef>
#include <vector>

#include "working_folder.hpp"

namespace tt::standin {

inline constexpr int kSinPeriodo = -1;

struct Sesion {
    std::size_t profesor = 0;   // any number naming the teacher
    std::size_t grupo = 0;      // any number naming the class unit
    std::size_t asignacion = 0; // lessons of one assignment prefer different days
};

// The index into `periodos` of every lesson, or kSinPeriodo. Periods are
// tried hour by hour, Monday to Friday within each hour, so that the lessons
// of an assignment spread over the week. A lesson is left out only when its
// teacher's or its unit's week is already full: whenever no teacher and no
// unit has more lessons than there are periods, every lesson is placed
// (lessons already placed are moved along an alternating chain when needed).
std::vector<int> ColocarSesiones(const std::vector<Sesion>& sesiones,
                                 const std::vector<Periodo>& periodos);

} // namespace tt::standin
