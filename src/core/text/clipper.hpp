#pragma once

// xBase-style helpers on 8-bit (Windows-1252) text. Positions count from 1,
// the blank is the space character (32) alone; arguments are never changed.

#include <string>
#include <string_view>

namespace tt::text {

std::string LTrim(std::string s);
std::string RTrim(std::string s);
std::string AllTrim(std::string s);

// First / last n characters; the whole text when n is not less than its length,
// the empty text when n <= 0.
std::string Left(const std::string& s, int n);
std::string Right(const std::string& s, int n);

// The capitals A to Z of s, in order (accented capitals are dropped).
std::string Mayusculas(const std::string& s);

// The character that follows each blank of s, in order.
std::string Iniciales(const std::string& s);

// Upper-cases the letters a to z only; accented letters stay as they are.
std::string MayusculasAZ(std::string s);

// Folds every Windows-1252 letter to one case, so that two texts are equal
// ignoring case exactly when their folded forms are equal.
std::string PlegarMayusculas(std::string s);

// Equality ignoring letter case for every letter of Windows-1252
// ("Á" equals "á", "A" does not equal "Á").
bool IgualesSinMayusculas(std::string_view a, std::string_view b);

// Equality ignoring the case of the letters A to Z alone: file, table,
// field and ini names, which the platform compares that way.
bool IgualesSinMayusculasAscii(std::string_view a, std::string_view b);

} // namespace tt::text
