// Rooms into AULAT: Velmora's key as the code, or the name's beginning.

#include "conversion.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using namespace tt::testing;
using tt::importer::TransformarDependencias;
using Filas = std::vector<std::vector<std::string>>;
using ::testing::ElementsAre;
using ::testing::Pair;

struct CasoAula {
    std::string titulo;
    std::vector<RegistroXml> registros; // key, name
    Filas esperadas;                    // ABREV, NOMBRE
};

void PrintTo(const CasoAula& caso, std::ostream* os) { *os << caso.titulo; }

const std::vector<CasoAula> kCasos = {
    {"ClaveRepetida",
     {{"A1", "Aula 1"}, {"A1", "Aula 1 bis"}, {"A11", "Aula 11"}},
     {{"A1", "Aula 1"}, {"A11", "Aula 1 bis"}, {"A111", "Aula 11"}}},
    {"ClaveEnMinusculas", {{"A1", "Aula 1"}, {"a1", "Aula 1b"}}, {{"A1", "Aula 1"}, {"a11", "Aula 1b"}}},
    {"SinClaveSeisPrimerosCaracteres",
     {{"", "Laboratorio de Física"}, {"", "Laboratorio de Química"}},
     {{"Labora", "Laboratorio de Física"}, {"Labora1", "Laboratorio de Química"}}},
    {"SinClaveBlancosDentro", {{"", "Sala de usos múltiples"}}, {{"Sala d", "Sala de usos múltiples"}}},
    {"SinClaveNombreCorto", {{"", "Aula"}}, {{"Aula", "Aula"}}},
    {"SinClaveNiNombre", {{"", ""}, {"", ""}}, {{"", ""}, {"1", ""}}},
    // The code is not cut by the converter: the table keeps its first ten
    // characters, so two keys alike in those ten are stored alike.
    {"ClaveLargaCortadaPorLaTabla",
     {{"EDIFICIO-B-201", "Aula 201"}, {"EDIFICIO-B-202", "Aula 202"}},
     {{"EDIFICIO-B", "Aula 201"}, {"EDIFICIO-B", "Aula 202"}}},
    {"SufijoSobreClaveLarga",
     {{"EDIFICIO-B-201", "Aula 201"}, {"EDIFICIO-B-201", "Aula 201 bis"}},
     {{"EDIFICIO-B", "Aula 201"}, {"EDIFICIO-B", "Aula 201 bis"}}},
    {"NombreCortadoAOchenta", {{"G", std::string(85, 'g')}}, {{"G", std::string(80, 'g')}}},
};

class CodigoDeAula : public ::testing::TestWithParam<CasoAula> {};

TEST_P(CodigoDeAula, CodigoYNombre) {
    const auto& caso = GetParam();
    Conversion conversion({{"DEPENDENCIAS", caso.registros}});
    TransformarDependencias(conversion.contexto());
    EXPECT_EQ(conversion.filas("AULAT.DBF", {"ABREV", "NOMBRE"}), caso.esperadas);
}

INSTANTIATE_TEST_SUITE_P(Dependencias, CodigoDeAula, ::testing::ValuesIn(kCasos),
                         [](const auto& info) { return info.param.titulo; });

TEST(Dependencias, CamposQueQuedanEnBlanco) {
    Conversion conversion({{"DEPENDENCIAS", {{"A1", "Aula 1", "sobra"}, {"A2"}, {}, {"A3", "Aula 3"}}}});
    TransformarDependencias(conversion.contexto());
    EXPECT_EQ(conversion.filas("AULAT.DBF", {"ABREV", "EDIFICIO", "MAXALUM", "DEPCENTRO"}),
              (Filas{{"A1", "", "", ""}, {"A3", "", "", ""}}));
    EXPECT_EQ(conversion.resumen().filasDe("AULAT"), 2u);
    EXPECT_THAT(conversion.resumen().omitidos,
                ElementsAre(Pair("registros con menos de dos datos (DEPENDENCIAS)", 2u)));
}

TEST(Dependencias, ClaveLargaRecortadaSeAvisa) {
    Conversion conversion({{"DEPENDENCIAS",
                            {{"EDIFICIO-B-201", "Aula 201"}, {"A1", "Aula 1"}, {"", "Laboratorio"},
                             {"EDIFICIO-B-202", "Aula 202"}}}});
    TransformarDependencias(conversion.contexto());
    EXPECT_THAT(conversion.resumen().avisos,
                ElementsAre(Pair(::testing::HasSubstr("recortados en AULAT"), 2u)));
}

TEST(Dependencias, SufijoQuePasaDeDiezSeAvisa) {
    Conversion conversion({{"DEPENDENCIAS", {{"EDIFICIO-B", "Aula"}, {"EDIFICIO-B", "Aula bis"}}}});
    TransformarDependencias(conversion.contexto());
    // Ten characters fit; the second room's "EDIFICIO-B1" has eleven and is cut.
    EXPECT_THAT(conversion.resumen().avisos,
                ElementsAre(Pair(::testing::HasSubstr("recortados en AULAT"), 1u)));
}

TEST(Dependencias, ClavesQueCabenNoAvisan) {
    Conversion conversion({{"DEPENDENCIAS", {{"EDIFICIO-B", "Aula"}, {"", "Laboratorio"}}}});
    TransformarDependencias(conversion.contexto());
    EXPECT_TRUE(conversion.resumen().avisos.empty());
}

} // namespace
