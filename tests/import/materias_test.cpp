// Subjects and activities into ASIGNOMT: the generated codes, one row per
// name, the activities after the subjects.

#include "conversion.hpp"

#include "platform/dbf/dbf_table.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using namespace tt::testing;
using tt::importer::TransformarActividades;
using tt::importer::TransformarMaterias;
using Filas = std::vector<std::vector<std::string>>;
using ::testing::ElementsAre;
using ::testing::Pair;

GrupoXml Materias(const std::vector<std::string>& nombres) {
    GrupoXml grupo{"MATERIAS", {}};
    for (const auto& nombre : nombres) grupo.registros.push_back({"CURSO1", "MAT", nombre});
    return grupo;
}

struct CasoCodigo {
    std::string titulo;
    std::vector<std::string> nombres; // one MATERIAS record each, in order
    Filas esperadas;                  // COD, CODLARGO, NOMBRE
};

void PrintTo(const CasoCodigo& caso, std::ostream* os) { *os << caso.titulo; }

const std::vector<CasoCodigo> kCasosCodigo = {
    {"UnaMayusculaSinBlancos", {"Matemáticas"}, {{"Matemá", "Matemá", "Matemáticas"}}},
    {"Iniciales", {"Lengua Castellana y Literatura"},
     {{"LCL", "Lengua Cas", "Lengua Castellana y Literatura"}}},
    {"MinusculaConBlancos", {"lengua extranjera"}, {{"le", "lengua ext", "lengua extranjera"}}},
    {"InicialAcentuada", {"Ética"}, {{"Ética", "Ética", "Ética"}}},
    {"CodigoCorto", {"Art"}, {{"Art", "Art", "Art"}}},
    {"MayusculasPasanDeDiez", {"EDUCACIÓN FÍSICA"},
     {{"EDUCACINFS", "EDUCACINFS", "EDUCACIÓN FÍSICA"}}},
    {"SufijosNumerados",
     {"Biología y Geología", "Biología General", "Bases Generales"},
     {{"BG", "Biología y", "Biología y Geología"},
      {"BG1", "Biología G", "Biología General"},
      {"BG2", "Bases Gene", "Bases Generales"}}},
    {"SufijoConRecorteOchoMasDos",
     {"EDUCACIÓN FÍSICA", "EDUCACIÓN FÍSICA Y SALUD", "EDUCACIÓN FÍSICA II"},
     {{"EDUCACINFS", "EDUCACINFS", "EDUCACIÓN FÍSICA"},
      {"EDUCACINS1", "EDUCACINFS", "EDUCACIÓN FÍSICA Y SALUD"},
      {"EDUCACINS2", "EDUCACINFS", "EDUCACIÓN FÍSICA II"}}},
    {"CodigosQueSoloDifierenEnMayusculas",
     {"lengua extranjera", "Lengua Española"},
     {{"le", "lengua ext", "lengua extranjera"}, {"LE", "Lengua Esp", "Lengua Española"}}},
    {"NombreRepetidoEnOtrosCursos",
     {"Matemáticas", "Matemáticas", "matemáticas"},
     {{"Matemá", "Matemá", "Matemáticas"}}},
    {"MayusculasAcentuadasNoSePliegan",
     {"MATEMÁTICAS", "Matemáticas"},
     {{"MATEMTICAS", "MATEMTICAS", "MATEMÁTICAS"}, {"Matemá", "Matemá", "Matemáticas"}}},
    {"BlancosDeLosExtremos", {"  Art  ", "Art"}, {{"Art", "Art", "Art"}}},
    {"NombreCortadoAOchenta",
     {"Taller " + std::string(90, 'x')},
     {{"Tx", "Taller xxx", "Taller " + std::string(73, 'x')}}},
};

class CodigoDeMateria
    : public ::testing::TestWithParam<std::tuple<CasoCodigo, Codificacion>> {};

TEST_P(CodigoDeMateria, GeneraCodigoYCodigoLargo) {
    const auto& [caso, codificacion] = GetParam();
    Conversion conversion({Materias(caso.nombres)}, codificacion);
    TransformarMaterias(conversion.contexto());
    EXPECT_EQ(conversion.filas("ASIGNOMT.DBF", {"COD", "CODLARGO", "NOMBRE"}), caso.esperadas);
    EXPECT_EQ(conversion.resumen().filasDe("ASIGNOMT"), caso.esperadas.size());
}

INSTANTIATE_TEST_SUITE_P(
    Materias, CodigoDeMateria,
    ::testing::Combine(::testing::ValuesIn(kCasosCodigo),
                       ::testing::Values(Codificacion::Utf8, Codificacion::Latin1)),
    [](const auto& info) {
        return std::get<0>(info.param).titulo +
               (std::get<1>(info.param) == Codificacion::Utf8 ? "_Utf8" : "_Latin1");
    });

// Horavant reads its tables in Windows-1252, whatever the export's encoding.
TEST(Materias, GuardaLosTextosEnWindows1252) {
    Conversion conversion({Materias({"Ética"})});
    TransformarMaterias(conversion.contexto());
    tt::dbf::Table tabla(conversion.contexto().tabla("ASIGNOMT.DBF"), tt::dbf::OpenMode::Shared);
    EXPECT_EQ(tabla.asText("COD"), "\xC9tica");
    EXPECT_EQ(tabla.asText("NOMBRE"), "\xC9tica");
}

// Records that cannot name a subject are left out and counted.
TEST(Materias, RegistrosOmitidos) {
    Conversion conversion({{"MATERIAS",
                            {{},
                             {"CURSO1"},
                             {"CURSO1", "MAT"},
                             {"CURSO1", "MAT", "   "},
                             {"CURSO1", "MAT", "Art"},
                             {"CURSO2", "MAT", "ART"},
                             {"CURSO2", "MAT", "art"}}}});
    TransformarMaterias(conversion.contexto());
    EXPECT_EQ(conversion.filas("ASIGNOMT.DBF", {"COD", "NOMBRE"}), (Filas{{"Art", "Art"}}));
    EXPECT_THAT(conversion.resumen().omitidos,
                ElementsAre(Pair("registros con menos de dos datos (MATERIAS)", 2u),
                            Pair("materias sin nombre", 2u),
                            Pair("materias con nombre repetido", 2u)));
}

// Groups are found by their exact name, every occurrence, in document order.
TEST(Materias, GruposRepetidosYNombreDeGrupoExacto) {
    Conversion conversion({Materias({"Art"}), {"materias", {{"C", "M", "Música"}}},
                           Materias({"Biología y Geología"})});
    TransformarMaterias(conversion.contexto());
    EXPECT_EQ(conversion.filas("ASIGNOMT.DBF", {"COD"}), (Filas{{"Art"}, {"BG"}}));
}

TEST(Actividades, SeAnadenTrasLasMateriasConSuPropioCodigo) {
    Conversion conversion({Materias({"Art", "Biología y Geología"}),
                           {"ACTIVIDADES",
                            {{"A1", "BIBLIO", "Biblioteca"},
                             {"A2", "Art", "Taller de arte"},
                             {"A3", "GUARDIAS_DE_RECREO", "Guardia de recreo"},
                             {"A4", "BIBLIO", "Biblioteca"},
                             {"A5"},
                             {"A6", "TUT"}}}});
    TransformarMaterias(conversion.contexto());
    TransformarActividades(conversion.contexto());

    EXPECT_EQ(conversion.filas("ASIGNOMT.DBF",
                               {"COD", "CODLARGO", "NOMBRE", "MATERIA", "CODTAREA", "ESTAREA"}),
              (Filas{{"Art", "Art", "Art", "", "", "F"},
                     {"BG", "Biología y", "Biología y Geología", "", "", "F"},
                     {"BIBLIO", "Bibliote", "Biblioteca", "", "BIBLIO", "T"},
                     {"Art", "Taller d", "Taller de arte", "", "Art", "T"},
                     {"GUARDIAS_D", "Guardia", "Guardia de recreo", "", "GUARDIAS_DE_", "T"},
                     {"BIBLIO", "Bibliote", "Biblioteca", "", "BIBLIO", "T"},
                     {"TUT", "", "", "", "TUT", "T"}}));
    EXPECT_EQ(conversion.resumen().filasDe("ASIGNOMT"), 7u);
    EXPECT_THAT(conversion.resumen().omitidos,
                ElementsAre(Pair("registros con menos de dos datos (ACTIVIDADES)", 1u)));
    // Activity codes are Velmora's own: they never block a subject's code.
    EXPECT_FALSE(conversion.contexto().CodigosUsados.contiene("BIBLIO"));
}

} // namespace
