#pragma once

// Which teachers' department teaches a subject, judged by the words the
// subject's name shares with the department's name (Windows-1252 texts).

#include <cstddef>
#include <string>
#include <vector>

#include "working_folder.hpp"

namespace tt::standin {

// Indices of the teachers whose department fits the subject best: most words
// shared with the subject's name, then the larger share of the department's
// own words. Empty when no department shares a word with it.
std::vector<std::size_t> ProfesoresAfines(const std::string& nombreAsignatura,
                                          const std::vector<Profesor>& profesores);

} // namespace tt::standin
