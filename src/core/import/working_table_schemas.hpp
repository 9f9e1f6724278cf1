#pragma once

// The field lists of Horavant's working tables, in their order. The import
// creates the tables from them; the test fixtures that stand in for an
// earlier import use the same lists, so both always agree.

#include <vector>

#include "platform/dbf/dbf_table.hpp"

namespace tt::importer {

const std::vector<dbf::FieldDef>& CamposASIGNOMT();
const std::vector<dbf::FieldDef>& CamposPROFT();
const std::vector<dbf::FieldDef>& CamposAULAT();
const std::vector<dbf::FieldDef>& CamposCURSOST();
const std::vector<dbf::FieldDef>& CamposGRUPOST();
const std::vector<dbf::FieldDef>& CamposASIGT();
const std::vector<dbf::FieldDef>& CamposDIASHORAST();
// DIASHORAST's fields followed by ORDEN, the start minute it is sorted by.
const std::vector<dbf::FieldDef>& CamposDIASHORAST2();
const std::vector<dbf::FieldDef>& CamposPERIODOS();

} // namespace tt::importer
