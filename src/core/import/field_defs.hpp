#pragma once

// Field definitions of the working tables, written the way their schemas read.

#include <string>

#include "platform/dbf/dbf_table.hpp"

namespace tt::importer {

inline dbf::FieldDef Caracter(std::string nombre, int ancho) {
    return {std::move(nombre), dbf::FieldType::Character, ancho};
}

} // namespace tt::importer
