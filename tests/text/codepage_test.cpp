#include "text/codepage.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tt::text {
namespace {

// Characters the code page holds: Narrow and Widen are each other's inverse.
TEST(TextCodepage, CaracteresDelCodigo) {
    struct Caso {
        const char* caso;
        std::string utf8;
        std::string ansi;
    };
    const std::vector<Caso> casos = {
        {"ASCII", "Lengua 1\xC2\xBA", "Lengua 1\xBA"},
        {"NUL", std::string("a\0b", 3), std::string("a\0b", 3)},
        {"acentos", "Educaci\xC3\xB3n F\xC3\xADsica", "Educaci\xF3n F\xEDsica"},
        {"eñe", "\xC3\x91\xC3\xB1", "\xD1\xF1"},
        {"euro", "\xE2\x82\xAC", "\x80"},
        {"comillas", "\xE2\x80\x98" "a" "\xE2\x80\x9D", "\x91" "a" "\x94"},
        {"marca", "\xE2\x84\xA2", "\x99"},
        {"S caron", "\xC5\xA0\xC5\xA1", "\x8A\x9A"},
        {"Y diéresis", "\xC5\xB8\xC3\xBF", "\x9F\xFF"},
        {"espacio duro", "\xC2\xA0", "\xA0"},
        {"sin definir", "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D", "\x81\x8D\x8F\x90\x9D"},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.caso);
        EXPECT_EQ(Narrow(caso.utf8), caso.ansi);
        EXPECT_EQ(Widen(caso.ansi), caso.utf8);
    }
}

// What the code page cannot hold, and broken UTF-8, becomes '?': one per
// character or per broken sequence, and the characters around it survive.
TEST(TextCodepage, NarrowSustituye) {
    struct Caso {
        const char* caso;
        std::string utf8;
        std::string ansi;
    };
    const std::vector<Caso> casos = {
        {"l con trazo", "\xC5\x82" "odz", "?odz"},
        {"ideograma", "a\xE4\xB8\xAD" "b", "a?b"},
        {"emoji", "a\xF0\x9F\x98\x80" "b", "a?b"},
        {"U+0080 (0x80 es el euro)", "\xC2\x80", "?"},
        {"U+009F (0x9F es Y diéresis)", "\xC2\x9F", "?"},
        {"U+0100", "\xC4\x80", "?"},
        {"sustituto de Unicode", "\xEF\xBF\xBD", "?"},
        {"continuación suelta", "a\x80" "b", "a?b"},
        {"cortado al final", "a\xC3", "a?"},
        {"cortado antes de ASCII", "\xC3(", "?("},
        {"tres bytes cortados", "\xE2\x82(", "?("},
        {"sobrelargo de dos", "A\xC0\xAF" "B", "A??B"},
        {"sobrelargo de tres", "\xE0\x80\xAF", "???"},
        {"sobrelargo de cuatro", "\xF0\x80\x80\xAF", "????"},
        {"sustituto UTF-16", "\xED\xA0\x80", "???"},
        {"par sustituto", "\xED\xA0\xBD\xED\xB8\x80", "??????"},
        {"mayor que U+10FFFF", "\xF4\x90\x80\x80", "????"},
        {"byte de cabeza imposible", "\xF5\x80" "a\xFF", "??a?"},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.caso);
        EXPECT_EQ(Narrow(caso.utf8), caso.ansi);
    }
}

TEST(TextCodepage, IdaYVueltaDeLos256Bytes) {
    std::string todos;
    for (int b = 0; b < 256; ++b) {
        const std::string uno(1, static_cast<char>(b));
        EXPECT_EQ(Narrow(Widen(uno)), uno) << "byte " << b;
        todos += uno;
    }
    EXPECT_EQ(Narrow(Widen(todos)), todos);
}

} // namespace
} // namespace tt::text
