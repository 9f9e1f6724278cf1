#pragma once

// Reading and seeding dBase tables in the converter tests, with texts in
// UTF-8 so that expectations read as plain literals.

#include <filesystem>
#include <string>
#include <vector>

#include "platform/dbf/dbf_table.hpp"

namespace tt::testing {

using FilaTexto = std::vector<std::string>;

// Every row in physical order, each as the texts of `campos` (UTF-8).
std::vector<FilaTexto> Filas(const std::filesystem::path& tabla, const std::vector<std::string>& campos);

// Creates the table and appends one row per FilaTexto, its texts (UTF-8)
// going to the fields in their order.
void CrearTablaConFilas(const std::filesystem::path& tabla, const std::vector<dbf::FieldDef>& campos,
                        const std::vector<FilaTexto>& filas);

} // namespace tt::testing
