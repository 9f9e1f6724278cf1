#include "text/clipper.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace tt::text {
namespace {

// Texts are Windows-1252 bytes: "\xF3" is ó, "\xD3" is Ó, "\xA0" the non-breaking space.
struct CasoTexto {
    std::string funcion;
    std::string entrada;
    int n; // only for Left and Right
    std::string esperado;
};

std::string Aplicar(const std::string& funcion, const std::string& s, int n) {
    using Funcion = std::function<std::string(const std::string&, int)>;
    static const std::map<std::string, Funcion> funciones = {
        {"AllTrim", [](const std::string& t, int) { return AllTrim(t); }},
        {"LTrim", [](const std::string& t, int) { return LTrim(t); }},
        {"RTrim", [](const std::string& t, int) { return RTrim(t); }},
        {"Left", [](const std::string& t, int k) { return Left(t, k); }},
        {"Right", [](const std::string& t, int k) { return Right(t, k); }},
        {"Mayusculas", [](const std::string& t, int) { return Mayusculas(t); }},
        {"Iniciales", [](const std::string& t, int) { return Iniciales(t); }},
        {"MayusculasAZ", [](const std::string& t, int) { return MayusculasAZ(t); }},
    };
    return funciones.at(funcion)(s, n);
}

TEST(TextClipper, CasosDeBorde) {
    const std::vector<CasoTexto> casos = {
        {"AllTrim", "  Lengua  ", 0, "Lengua"},
        {"AllTrim", "   ", 0, ""},
        {"AllTrim", "", 0, ""},
        {"AllTrim", " Lengua  Castellana ", 0, "Lengua  Castellana"},
        {"AllTrim", "\tLengua ", 0, "\tLengua"},
        {"AllTrim", " Lengua\n", 0, "Lengua\n"},
        {"AllTrim", "\xA0Lengua\xA0", 0, "\xA0Lengua\xA0"},
        {"LTrim", "  Lengua  ", 0, "Lengua  "},
        {"LTrim", "   ", 0, ""},
        {"LTrim", "", 0, ""},
        {"RTrim", "  Lengua  ", 0, "  Lengua"},
        {"RTrim", "   ", 0, ""},
        {"RTrim", "", 0, ""},
        {"Left", "ABCDEF", 2, "AB"},
        {"Left", "ABCDEF", 6, "ABCDEF"},
        {"Left", "ABCDEF", 9, "ABCDEF"},
        {"Left", "ABCDEF", 0, ""},
        {"Left", "ABCDEF", -1, ""},
        {"Left", "", 3, ""},
        {"Right", "ABCDEF", 2, "EF"},
        {"Right", "ABCDEF", 6, "ABCDEF"},
        {"Right", "ABCDEF", 9, "ABCDEF"},
        {"Right", "ABCDEF", 0, ""},
        {"Right", "ABCDEF", -3, ""},
        {"Right", "", 2, ""},
        {"Mayusculas", "Educaci\xF3n F\xEDsica", 0, "EF"},
        {"Mayusculas", "EDUCACI\xD3N F\xCDSICA", 0, "EDUCACINFSICA"},
        {"Mayusculas", "m\xFAsica", 0, ""},
        {"Mayusculas", "@A[Z`a 2\xD1", 0, "AZ"},
        {"Iniciales", "Lengua Castellana y Literatura", 0, "CyL"},
        {"Iniciales", "Tecnolog\xED" "a", 0, ""},
        {"Iniciales", "Dibujo  T\xE9" "cnico", 0, " T"},
        {"Iniciales", " Lengua", 0, "L"},
        {"Iniciales", "Lengua ", 0, ""},
        {"Iniciales", "Lengua\tCastellana\xA0y", 0, ""},
        {"Iniciales", "", 0, ""},
        {"MayusculasAZ", "m\xFAsica y pl\xE1stica", 0, "M\xFASICA Y PL\xE1STICA"},
        {"MayusculasAZ", "`az{@AZ[", 0, "`AZ{@AZ["},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.funcion + "(\"" + caso.entrada + "\", " + std::to_string(caso.n) + ")");
        EXPECT_EQ(Aplicar(caso.funcion, caso.entrada, caso.n), caso.esperado);
    }
}

TEST(TextClipper, IgualesSinMayusculas) {
    struct Caso {
        std::string a;
        std::string b;
        bool iguales;
    };
    const std::vector<Caso> casos = {
        {"", "", true},
        {"Lengua", "LENGUA", true},
        {"Lengua", "Lenguas", false},
        {"Lengua", "Lengue", false},
        {"A", "\xC1", false},         // A / Á
        {"\xC1", "\xE1", true},       // Á / á
        {"\xC0", "\xE0", true},       // À / à, first of the range
        {"\xDE", "\xFE", true},       // Þ / þ, last of the range
        {"\xD1", "\xF1", true},       // Ñ / ñ
        {"\xD7", "\xF7", false},      // × / ÷ are no letters
        {"\xDF", "\xFF", false},      // ß has no capital; ÿ pairs with Ÿ
        {"\xDF", "\xDF", true},
        {"\x8A", "\x9A", true},       // Š / š
        {"\x8C", "\x9C", true},       // Œ / œ
        {"\x8E", "\x9E", true},       // Ž / ž
        {"\x9F", "\xFF", true},       // Ÿ / ÿ
        {"\x80", "\xA0", false},      // € / non-breaking space
        {"\xBF", "\xDF", false},      // ¿ / ß
        {"@", "`", false},
        {"[", "{", false},
        {"EDUCACI\xD3N F\xCDSICA", "Educaci\xF3n f\xEDsica", true},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE("\"" + caso.a + "\" / \"" + caso.b + "\"");
        EXPECT_EQ(IgualesSinMayusculas(caso.a, caso.b), caso.iguales);
        EXPECT_EQ(IgualesSinMayusculas(caso.b, caso.a), caso.iguales);
        EXPECT_EQ(PlegarMayusculas(caso.a) == PlegarMayusculas(caso.b), caso.iguales);
    }
}

TEST(TextClipper, IgualesSinMayusculasAscii) {
    struct Caso {
        std::string a, b;
        bool iguales;
    };
    const std::vector<Caso> casos = {
        {"PROFT.DBF", "proft.dbf", true},
        {"Transformado", "TRANSFORMADO", true},
        {"", "", true},
        {"\xC1", "\xE1", false}, // only A to Z fold here
        {"@", "`", false},
        {"[", "{", false},
        {"SOLUC", "SOLUC.DBF", false},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE("\"" + caso.a + "\" / \"" + caso.b + "\"");
        EXPECT_EQ(IgualesSinMayusculasAscii(caso.a, caso.b), caso.iguales);
        EXPECT_EQ(IgualesSinMayusculasAscii(caso.b, caso.a), caso.iguales);
    }
}

} // namespace
} // namespace tt::text
