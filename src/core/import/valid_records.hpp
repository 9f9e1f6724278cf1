#pragma once

#include <string>
#include <vector>

#include "import/import_context.hpp"
#include "import/record_group.hpp"

namespace tt::importer {

// The records of group `seq` that a converter turns into rows: those with at
// least two `dato`. The others are counted in the run's summary.
std::vector<Registro> LeerRegistrosValidos(ContextoImportacion& contexto, const std::string& seq);

} // namespace tt::importer
