#pragma once

// The output's `fecha`: short date, one blank, long time.

#include "export/export_run.hpp"

#include <string>

namespace tt::exporter {

// On Windows the user's short date and long time formats; elsewhere the
// Spanish "dd/mm/yyyy HH:MM:SS". UTF-8. Throws tt::Error for an instant the
// calendar functions cannot express.
std::string TextoFecha(const Instante& instante);

} // namespace tt::exporter
