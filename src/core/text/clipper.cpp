#include "text/clipper.hpp"

#include <algorithm>
#include <utility>

namespace tt::text {

namespace {

constexpr char kBlanco = ' ';

// The lower-case partner of a Windows-1252 letter; any other byte as it is.
// 0xD7 and 0xF7 are the multiplication and division signs; 0xDF has no capital.
unsigned char Minuscula(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
    switch (c) {
    case 0x8A: return 0x9A; // S caron
    case 0x8C: return 0x9C; // OE
    case 0x8E: return 0x9E; // Z caron
    case 0x9F: return 0xFF; // Y diaeresis
    default: break;
    }
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
    return c;
}

} // namespace

std::string LTrim(std::string s) {
    s.erase(0, s.find_first_not_of(kBlanco));
    return s;
}

std::string RTrim(std::string s) {
    // npos + 1 wraps to 0, which empties a text made only of blanks.
    s.erase(s.find_last_not_of(kBlanco) + 1);
    return s;
}

std::string AllTrim(std::string s) {
    return LTrim(RTrim(std::move(s)));
}

std::string Left(const std::string& s, int n) {
    if (n <= 0) return {};
    if (static_cast<std::size_t>(n) >= s.size()) return s;
    return s.substr(0, static_cast<std::size_t>(n));
}

std::string Right(const std::string& s, int n) {
    if (n <= 0) return {};
    if (static_cast<std::size_t>(n) >= s.size()) return s;
    return s.substr(s.size() - static_cast<std::size_t>(n));
}

std::string Mayusculas(const std::string& s) {
    std::string resultado;
    for (char c : s)
        if (c >= 'A' && c <= 'Z') resultado += c;
    return resultado;
}

std::string Iniciales(const std::string& s) {
    std::string resultado;
    for (std::size_t i = 0; i + 1 < s.size(); ++i)
        if (s[i] == kBlanco) resultado += s[i + 1];
    return resultado;
}

std::string MayusculasAZ(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    return s;
}

std::string PlegarMayusculas(std::string s) {
    for (char& c : s) c = static_cast<char>(Minuscula(static_cast<unsigned char>(c)));
    return s;
}

bool IgualesSinMayusculas(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Minuscula(static_cast<unsigned char>(a[i])) != Minuscula(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

bool IgualesSinMayusculasAscii(std::string_view a, std::string_view b) {
    const auto minuscula = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char x, char y) { return minuscula(x) == minuscula(y); });
}

} // namespace tt::text
