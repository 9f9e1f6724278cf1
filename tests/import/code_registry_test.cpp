// The numbered-suffix search when a base code is taken over and over.

#include "import/code_registry.hpp"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

using namespace tt::importer;

struct CasoSufijos {
    std::string titulo;
    std::string base;
    std::size_t repeticiones;
    // The code handed out the n-th time the base comes back (1 = first suffix).
    std::vector<std::pair<std::size_t, std::string>> hitos;
};

void PrintTo(const CasoSufijos& caso, std::ostream* os) { *os << caso.titulo; }

const std::vector<CasoSufijos> kCasos = {
    // 9 forms of base+"1".."9" cut to 8+2, 90 of "10".."99", 10 of
    // "100".."109": from the 110th on the 8+2 forms repeat.
    {"DiezCaracteres",
     "EDUCACINFS",
     400,
     {{1, "EDUCACINS1"},
      {9, "EDUCACINS9"},
      {10, "EDUCACIN10"},
      {99, "EDUCACIN99"},
      {100, "EDUCACIN00"},
      {109, "EDUCACIN09"},
      {110, "EDUCACI110"},
      {111, "EDUCACI111"}}},
    // A class-unit name that ends in a digit: the cut forms run into the
    // base's own digits, and the fallback must still find free codes.
    {"NombreDeUnidad",
     "1ESO-B 1",
     400,
     {{1, "1ESO-B 11"}, {9, "1ESO-B 19"}, {10, "1ESO-B 110"}, {99, "1ESO-B 199"}}},
    {"Corto", "BG", 300, {{1, "BG1"}, {12, "BG12"}, {300, "BG300"}}},
};

class SufijoLibre : public ::testing::TestWithParam<CasoSufijos> {};

// Every code handed out is new and fits Horavant's ten characters.
TEST_P(SufijoLibre, SiempreUnCodigoNuevoDeDiezCaracteres) {
    const auto& caso = GetParam();
    RegistroCodigos registro(Comparacion::Exacta);
    registro.agregar(caso.base);
    std::set<std::string> entregados{caso.base};
    std::map<std::size_t, std::string> obtenidos;
    for (std::size_t n = 1; n <= caso.repeticiones; ++n) {
        const auto codigo = CodigoConSufijoLibre(registro, caso.base, RecorteSufijo::OchoMasDos);
        ASSERT_LE(codigo.size(), 10u) << codigo;
        ASSERT_TRUE(entregados.insert(codigo).second) << "repeated " << codigo << " at " << n;
        registro.agregar(codigo);
        obtenidos[n] = codigo;
    }
    for (const auto& [n, esperado] : caso.hitos) EXPECT_EQ(obtenidos[n], esperado) << "n=" << n;
}

INSTANTIATE_TEST_SUITE_P(CodigoConSufijoLibre, SufijoLibre, ::testing::ValuesIn(kCasos),
                         [](const auto& info) { return info.param.titulo; });

// Rooms keep the candidate whole; the registry ignores letter case.
TEST(CodigoConSufijoLibre, SinRecorteYSinDistinguirMayusculas) {
    RegistroCodigos registro(Comparacion::SinMayusculas);
    for (const char* codigo : {"EDIFICIO-B-201", "a1", "A11"}) registro.agregar(codigo);
    EXPECT_EQ(CodigoConSufijoLibre(registro, "EDIFICIO-B-201", RecorteSufijo::Ninguno),
              "EDIFICIO-B-2011");
    EXPECT_EQ(CodigoConSufijoLibre(registro, "A1", RecorteSufijo::Ninguno), "A12");
}

// A search of a base goes on where the last one stopped: what it hands out
// must still be the first free candidate counted from 1.
TEST(CodigoConSufijoLibre, CadaBusquedaDaElPrimerCandidatoLibre) {
    RegistroCodigos registro(Comparacion::SinMayusculas);
    registro.agregar("BG");
    EXPECT_EQ(CodigoConSufijoLibre(registro, "BG", RecorteSufijo::OchoMasDos), "BG1");
    EXPECT_EQ(CodigoConSufijoLibre(registro, "BG", RecorteSufijo::OchoMasDos), "BG1")
        << "an answer nobody took is still free";
    registro.agregar("BG1");
    registro.agregar("bg3"); // taken by another base, ahead of the search
    EXPECT_EQ(CodigoConSufijoLibre(registro, "BG", RecorteSufijo::OchoMasDos), "BG2");
    registro.agregar("BG2");
    EXPECT_EQ(CodigoConSufijoLibre(registro, "BG", RecorteSufijo::OchoMasDos), "BG4");
    EXPECT_EQ(CodigoConSufijoLibre(registro, "bg", RecorteSufijo::OchoMasDos), "bg4")
        << "another base, even one equal but for case, searches on its own";
    EXPECT_EQ(CodigoConSufijoLibre(registro, "BG", RecorteSufijo::Ninguno), "BG4")
        << "the other cut searches on its own";

    registro.vaciar();
    registro.agregar("BG");
    EXPECT_EQ(CodigoConSufijoLibre(registro, "BG", RecorteSufijo::OchoMasDos), "BG1")
        << "an emptied registry starts again at 1";
}

} // namespace
