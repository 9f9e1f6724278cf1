#include "text/codepage.hpp"

#include <iterator>
#include <optional>

namespace tt::text {

namespace {

constexpr char kSustituto = '?';

// Code points of the bytes 0x80 to 0x9F. The five bytes the code page leaves
// undefined stand for the C1 control of the same value. Every other byte
// equals its code point.
constexpr char32_t kTramo80[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 0x98
};

// Reads the UTF-8 character at `pos` and moves past it. A malformed sequence
// gives nullopt and moves past its longest well-formed start only, so the
// character after a broken one survives. Overlong forms, surrogates and code
// points above U+10FFFF are malformed: their second byte falls outside the
// range allowed for their first.
std::optional<char32_t> LeerUtf8(std::string_view s, std::size_t& pos) {
    const auto primero = static_cast<unsigned char>(s[pos++]);
    if (primero < 0x80) return primero;

    int faltan = 0;
    char32_t codigo = 0;
    unsigned char minimo = 0x80, maximo = 0xBF;
    if (primero >= 0xC2 && primero <= 0xDF) {
        faltan = 1;
        codigo = primero & 0x1F;
    } else if (primero >= 0xE0 && primero <= 0xEF) {
        faltan = 2;
        codigo = primero & 0x0F;
        if (primero == 0xE0) minimo = 0xA0;      // overlong
        else if (primero == 0xED) maximo = 0x9F; // surrogates
    } else if (primero >= 0xF0 && primero <= 0xF4) {
        faltan = 3;
        codigo = primero & 0x07;
        if (primero == 0xF0) minimo = 0x90;      // overlong
        else if (primero == 0xF4) maximo = 0x8F; // above U+10FFFF
    } else {
        return std::nullopt;
    }

    for (; faltan > 0; --faltan) {
        if (pos >= s.size()) return std::nullopt;
        const auto siguiente = static_cast<unsigned char>(s[pos]);
        if (siguiente < minimo || siguiente > maximo) return std::nullopt;
        codigo = (codigo << 6) | (siguiente & 0x3F);
        ++pos;
        minimo = 0x80;
        maximo = 0xBF;
    }
    return codigo;
}

// Every code point of the code page lies below U+10000: three bytes at most.
void EscribirUtf8(std::string& destino, char32_t codigo) {
    if (codigo < 0x80) {
        destino += static_cast<char>(codigo);
    } else if (codigo < 0x800) {
        destino += static_cast<char>(0xC0 | (codigo >> 6));
        destino += static_cast<char>(0x80 | (codigo & 0x3F));
    } else {
        destino += static_cast<char>(0xE0 | (codigo >> 12));
        destino += static_cast<char>(0x80 | ((codigo >> 6) & 0x3F));
        destino += static_cast<char>(0x80 | (codigo & 0x3F));
    }
}

} // namespace

char32_t CodigoDe(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) return kTramo80[byte - 0x80];
    return byte;
}

int ByteWindows1252(char32_t codigo) {
    if (codigo < 0x80 || (codigo >= 0xA0 && codigo <= 0xFF)) return static_cast<int>(codigo);
    for (std::size_t i = 0; i < std::size(kTramo80); ++i)
        if (kTramo80[i] == codigo) return static_cast<int>(0x80 + i);
    return -1;
}

namespace {

char ByteDe(char32_t codigo) {
    const int byte = ByteWindows1252(codigo);
    return byte < 0 ? kSustituto : static_cast<char>(byte);
}

} // namespace

std::string Narrow(std::string_view utf8) {
    std::string ansi;
    ansi.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto codigo = LeerUtf8(utf8, pos);
        ansi += codigo ? ByteDe(*codigo) : kSustituto;
    }
    return ansi;
}

std::string Widen(std::string_view ansi) {
    std::string utf8;
    utf8.reserve(ansi.size());
    for (char c : ansi) EscribirUtf8(utf8, CodigoDe(static_cast<unsigned char>(c)));
    return utf8;
}

} // namespace tt::text
