#pragma once

// Gives every subject assignment a teacher, keeping the weekly loads even.

#include <string>
#include <vector>

#include "working_folder.hpp"

namespace tt::standin {

// The teacher code for each assignment, in order. An assignment goes to the
// least loaded teacher of the subject's department who still has room for
// its lessons within `capacidad` lessons a week; failing that, to the least
// loaded teacher with room; failing that, to the least loaded of the
// department (its lessons may then find no period). Teachers with a blank
// code are never chosen; "" when no teacher is left.
std::vector<std::string> RepartirProfesores(const std::vector<Asignacion>& asignaciones,
                                            const std::vector<Profesor>& profesores,
                                            int capacidad);

} // namespace tt::standin
