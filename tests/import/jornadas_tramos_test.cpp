// JORNADAS_ESCOLARES and TRAMOS_HORARIOS into DIASHORAST2, DIASHORAST and
// PERIODOS, and the choice of template.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "dbf/dbf_test_support.hpp"
#include "import/import_context.hpp"
#include "support/table_rows.hpp"
#include "support/temp_dir.hpp"
#include "support/velmora_document.hpp"

namespace tt::importer {

// What the selector is offered, compared and shown by the matchers below.
bool operator==(const PlantillaOfrecida& a, const PlantillaOfrecida& b) {
    return a.codigo == b.codigo && a.nombre == b.nombre && a.fechaInicio == b.fechaInicio &&
           a.fechaFin == b.fechaFin;
}
bool operator==(const TramoOfrecido& a, const TramoOfrecido& b) {
    return a.etiqueta == b.etiqueta && a.codigoPlantilla == b.codigoPlantilla;
}
void PrintTo(const PlantillaOfrecida& p, std::ostream* os) {
    *os << "{'" << p.codigo << "', '" << p.nombre << "', '" << p.fechaInicio << "', '" << p.fechaFin << "'}";
}
void PrintTo(const TramoOfrecido& t, std::ostream* os) {
    *os << "{'" << t.etiqueta << "', '" << t.codigoPlantilla << "'}";
}

namespace {

namespace fs = std::filesystem;
using ::testing::_;
using ::testing::AllOf;
using ::testing::ElementsAre;
using ::testing::Field;
using ::testing::Return;
using ::testing::StrictMock;
using testing::CargarDocumentoVelmora;
using testing::ErrorOf;
using testing::FilaTexto;
using testing::FilasDe;
using testing::GrupoXml;
using testing::TempDir;

class SelectorSimulado : public SelectorPlantilla {
public:
    MOCK_METHOD(std::string, elegir, (const OpcionesPlantilla& opciones), (override));
};

const std::vector<std::string> kCamposDiasHoras = {"DIHO", "CODDIHO", "DIA",       "TEXTODIA", "HORA",
                                                   "TEXTOHOR", "HORADESDE", "HORAHASTA", "MINUTOS"};

std::vector<std::string> Con(std::vector<std::string> campos, const std::string& otro) {
    campos.push_back(otro);
    return campos;
}

// The seven rows of one slot, days 1 to 7, as the tables hold them.
std::vector<FilaTexto> Semana(const std::string& hora, const std::string& codigo, const std::string& etiqueta,
                              const std::string& desde, const std::string& hasta, const std::string& minutos,
                              const std::string& orden = "") {
    std::vector<FilaTexto> filas;
    for (int dia = 1; dia <= 7; ++dia) {
        const std::string d = std::to_string(dia);
        FilaTexto fila = {d + hora, codigo, d, "", hora, etiqueta, desde, hasta, minutos};
        if (!orden.empty()) fila.push_back(orden);
        filas.push_back(fila);
    }
    return filas;
}

std::vector<FilaTexto> Unir(std::initializer_list<std::vector<FilaTexto>> partes) {
    std::vector<FilaTexto> todas;
    for (const auto& parte : partes) todas.insert(todas.end(), parte.begin(), parte.end());
    return todas;
}

class JornadasTramos : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directory(tablas); }

    // Runs the converter; returns the chosen template code.
    std::string Transformar(const std::vector<GrupoXml>& grupos, SelectorPlantilla* selector = nullptr) {
        const auto documento = CargarDocumentoVelmora(dir / "exportacion.xml", grupos);
        ContextoImportacion contexto(documento, tablas, dir.path(), selector);
        TransformarJornadasTramos(contexto);
        resumen = contexto.resumen;
        return contexto.PlantillaElegida;
    }

    std::vector<FilaTexto> DiasHoras() const { return FilasDe(tablas / "DIASHORAST.DBF", kCamposDiasHoras); }
    std::vector<FilaTexto> Provisional() const {
        return FilasDe(tablas / "DIASHORAST2.DBF", Con(kCamposDiasHoras, "ORDEN"));
    }
    std::vector<FilaTexto> Periodos() const {
        return FilasDe(tablas / "PERIODOS.DBF", {"CJORNADA", "JORNADA", "FECINI", "FECFIN"});
    }

    TempDir dir;
    fs::path tablas = dir / "tablas";
    ResumenImportacion resumen;
};

TEST_F(JornadasTramos, SlotsListedOutOfOrderComeOutInStartOrder) {
    StrictMock<SelectorSimulado> sinPregunta;
    const auto elegida = Transformar({{"JORNADAS_ESCOLARES", {{"T", "Jornada T", "01/09/2024", "30/06/2025"}}},
                                      {"TRAMOS_HORARIOS",
                                       {
                                           {"X0"},                             // skipped: not counted
                                           {"M2", "Segunda", "535", "590", "T"},
                                           {"M1", "Primera", "480", "535", "T"},
                                       }}},
                                     &sinPregunta);
    EXPECT_EQ(elegida, "T");
    EXPECT_EQ(DiasHoras(), Unir({Semana("1", "M1", "Primera", "08:00", "08:55", "55"),
                                 Semana("2", "M2", "Segunda", "08:55", "09:50", "55")}));
    // The work table keeps document order and the slots' places in the document.
    EXPECT_EQ(Provisional(), Unir({Semana("1", "M2", "Segunda", "08:55", "09:50", "55", "535"),
                                   Semana("2", "M1", "Primera", "08:00", "08:55", "55", "480")}));
    EXPECT_EQ(Periodos(), (std::vector<FilaTexto>{{"T", "Jornada T", "01/09/2024", "30/06/2025"}}));
    EXPECT_EQ(resumen.filasDe("DIASHORAST"), 14u);
    EXPECT_EQ(resumen.filasDe("DIASHORAST2"), 14u);
    EXPECT_EQ(resumen.filasDe("PERIODOS"), 1u);

    dbf::Table provisional(tablas / "DIASHORAST2.DBF", dbf::OpenMode::Shared);
    EXPECT_EQ(provisional.fields().back().name, "ORDEN");
    EXPECT_EQ(provisional.fields().back().type, dbf::FieldType::Integer);
}

TEST_F(JornadasTramos, HourNumbersFollowDistinctStartTimes) {
    struct Tramo {
        std::string codigo, desde, hasta;
    };
    struct Caso {
        std::string nombre;
        std::vector<Tramo> tramos;                 // in document order
        std::vector<std::vector<std::string>> dia1; // DIASHORAST day-1 rows: CODDIHO, HORA, from, to, MINUTOS
    };
    const std::vector<Caso> casos = {
        {"equal starts share an hour",
         {{"A", "480", "535"}, {"B", "480", "540"}, {"C", "535", "590"}},
         {{"A", "1", "08:00", "08:55", "55"}, {"B", "1", "08:00", "09:00", "60"}, {"C", "2", "08:55", "09:50", "55"}}},
        {"gaps do not skip numbers",
         {{"C", "660", "715"}, {"A", "480", "535"}, {"B", "540", "595"}},
         {{"A", "1", "08:00", "08:55", "55"}, {"B", "2", "09:00", "09:55", "55"}, {"C", "3", "11:00", "11:55", "55"}}},
        {"a slot that ends before it starts",
         {{"A", "500", "490"}},
         {{"A", "1", "08:20", "08:10", "-10"}}},
        {"clock text",
         {{"A", "65", "600"}, {"B", "600", "1440"}, {"C", "0", "+5"}},
         {{"C", "1", "00:00", "00:05", "5"}, {"A", "2", "01:05", "10:00", "535"}, {"B", "3", "10:00", "24:00", "840"}}},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        std::vector<std::vector<std::string>> tramos;
        for (const Tramo& t : caso.tramos) tramos.push_back({t.codigo, "Tramo " + t.codigo, t.desde, t.hasta, "T"});
        Transformar({{"JORNADAS_ESCOLARES", {{"T", "Jornada"}}}, {"TRAMOS_HORARIOS", tramos}});

        const auto filas = DiasHoras();
        ASSERT_EQ(filas.size(), 7 * caso.tramos.size());
        std::vector<std::vector<std::string>> dia1;
        for (std::size_t i = 0; i < filas.size(); ++i) {
            const auto& f = filas[i];
            EXPECT_EQ(f[2], std::to_string(i % 7 + 1)) << "days 1 to 7 for each slot";
            EXPECT_EQ(f[0], f[2] + f[4]) << "DIHO is day then hour";
            if (f[2] == "1") dia1.push_back({f[1], f[4], f[6], f[7], f[8]});
        }
        EXPECT_EQ(dia1, caso.dia1);
    }
}

TEST_F(JornadasTramos, TheChosenTemplateAmongSeveral) {
    StrictMock<SelectorSimulado> selector;
    EXPECT_CALL(selector,
                elegir(AllOf(Field(&OpcionesPlantilla::plantillas,
                                   ElementsAre(PlantillaOfrecida{"A", "Mañana", "01/09/2024", "30/06/2025"},
                                               PlantillaOfrecida{" B ", "Tarde ", "01/09/2024", "30/06/2025"},
                                               PlantillaOfrecida{"B", "Tarde bis", "", ""})),
                             Field(&OpcionesPlantilla::tramos,
                                   ElementsAre(TramoOfrecido{"a1", "A"}, TramoOfrecido{" b1 ", " B"},
                                               TramoOfrecido{"", ""}, TramoOfrecido{"a2", "A"},
                                               TramoOfrecido{"b2", "B"})))))
        .WillOnce(Return(" B\t\r\n"));
    const auto elegida = Transformar({{"JORNADAS_ESCOLARES",
                                       {{"A", "Mañana", "01/09/2024", "30/06/2025"},
                                        {" B ", "Tarde ", "01/09/2024", "30/06/2025"},
                                        {"B", "Tarde bis"}}},
                                      {"TRAMOS_HORARIOS",
                                       {{"A1", "a1", "480", "535", "A"},
                                        {"B1", " b1 ", "480", "535", " B"},
                                        {"X"},
                                        {"A2", "a2", "535", "590", "A"},
                                        {"B2", "b2", "600", "655", "B"}}}},
                                     &selector);
    EXPECT_EQ(elegida, "B");
    // Slots of A still advance the provisional numbers, not the final ones.
    EXPECT_EQ(Provisional(), Unir({Semana("2", "B1", "b1", "08:00", "08:55", "55", "480"),
                                   Semana("4", "B2", "b2", "10:00", "10:55", "55", "600")}));
    EXPECT_EQ(DiasHoras(), Unir({Semana("1", "B1", "b1", "08:00", "08:55", "55"),
                                 Semana("2", "B2", "b2", "10:00", "10:55", "55")}));
    EXPECT_EQ(Periodos(), (std::vector<FilaTexto>{{"B", "Tarde", "01/09/2024", "30/06/2025"},
                                                  {"B", "Tarde bis", "", ""}}));
}

TEST_F(JornadasTramos, WithoutAChoiceToMakeNoQuestionIsAsked) {
    struct Caso {
        std::string nombre;
        std::vector<std::vector<std::string>> jornadas;
        std::string elegida;
    };
    const std::vector<Caso> casos = {
        {"one template", {{" T ", "Jornada"}}, "T"},
        {"none", {}, ""},
        {"one record without dato", {{}}, ""},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        StrictMock<SelectorSimulado> sinPregunta;
        EXPECT_EQ(Transformar({{"JORNADAS_ESCOLARES", caso.jornadas},
                               {"TRAMOS_HORARIOS",
                                {{"S1", "Suya", "480", "535", caso.elegida},
                                 {"S2", "Ajena", "bad", "bad", "OTRA"}}}},
                              &sinPregunta),
                  caso.elegida);
        EXPECT_EQ(DiasHoras(), Semana("1", "S1", "Suya", "08:00", "08:55", "55"))
            << "a slot of another template is neither used nor converted";
    }
}

TEST_F(JornadasTramos, SeveralTemplatesNeedSomeoneToChoose) {
    const auto mensaje = ErrorOf([&] { Transformar({{"JORNADAS_ESCOLARES", {{"A", "a"}, {"B", "b"}}}}); });
    EXPECT_EQ(mensaje, "El documento ofrece 2 plantillas horarias (JORNADAS_ESCOLARES) y no hay a quién "
                       "preguntar cuál aplicar.");
}

TEST_F(JornadasTramos, ACodeMatchingNothingLeavesTheTablesEmpty) {
    SelectorSimulado selector;
    EXPECT_CALL(selector, elegir(_)).WillOnce(Return("Z"));
    Transformar({{"JORNADAS_ESCOLARES", {{"A", "a"}, {"B", "b"}}},
                 {"TRAMOS_HORARIOS", {{"A1", "a1", "480", "535", "A"}}}},
                &selector);
    EXPECT_TRUE(DiasHoras().empty());
    EXPECT_TRUE(Provisional().empty());
    EXPECT_TRUE(Periodos().empty());
}

TEST_F(JornadasTramos, NoSlotsStillGiveThePeriod) {
    Transformar({{"JORNADAS_ESCOLARES", {{"T", "Jornada", "01/09/2024", "30/06/2025"}}}});
    EXPECT_TRUE(DiasHoras().empty());
    EXPECT_TRUE(Provisional().empty());
    EXPECT_EQ(Periodos(), (std::vector<FilaTexto>{{"T", "Jornada", "01/09/2024", "30/06/2025"}}));
}

TEST_F(JornadasTramos, ASlotTimeThatIsNoWholeNumberStopsTheConverter) {
    const std::vector<std::vector<std::string>> casos = {
        {"8:00", "535", "'8:00'"}, {"480", "", "''"}, {"480", "5x", "'5x'"}, {"", "", "''"}, {"4.8e2", "535", "'4.8e2'"},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso[0] + " / " + caso[1]);
        EXPECT_EQ(ErrorOf([&] {
                      Transformar({{"JORNADAS_ESCOLARES", {{"T", "Jornada"}}},
                                   {"TRAMOS_HORARIOS",
                                    {{"M1", "Primera", "480", "535", "T"}, {"M2", "Segunda", caso[0], caso[1], "T"}}}});
                  }),
                  caso[2] + " no es un valor entero válido");
    }
}

} // namespace
} // namespace tt::importer
