#pragma once

// One field of one record: how each stored type reads as text, number or
// truth value, and how a value is written into it.

#include "platform/dbf/dbf_layout.hpp"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tt::dbf::detail {

// Spaces; zero bytes (no value) for the level 7 binary types.
void BlankCell(const Column& column, char* cell);

// Readers. A blank cell reads as "", 0 or false. Text that is not a number
// throws "'%s' no es un valor entero válido" (or "... numérico válido").
std::string CellText(const Column& column, std::string_view cell);
std::int64_t CellInteger(const Column& column, std::string_view cell);
double CellFloat(const Column& column, std::string_view cell);
bool CellBool(const Column& column, std::string_view cell);

// The whole number the cell holds; empty when it is blank or holds no whole
// number (locate skips such rows instead of failing).
std::optional<std::int64_t> CellWholeNumber(const Column& column, std::string_view cell);

// Writers: `cell` has the column's width. Text is cut to a character field's
// width; a number that does not fit is an error, as is text that a numeric,
// logical or date field cannot hold. Errors name the field and the table.
void PutText(const Column& column, char* cell, std::string_view value, const std::string& shownName);
void PutInteger(const Column& column, char* cell, std::int64_t value, const std::string& shownName);
void PutFloat(const Column& column, char* cell, double value, const std::string& shownName);
void PutBool(const Column& column, char* cell, bool value, const std::string& shownName);

} // namespace tt::dbf::detail
