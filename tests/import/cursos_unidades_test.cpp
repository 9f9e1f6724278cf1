// CURSOS_DEL_CENTRO and UNIDADES into CURSOST and GRUPOST.

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "dbf/dbf_test_support.hpp"
#include "import/import_context.hpp"
#include "import/import_run.hpp"
#include "support/table_rows.hpp"
#include "support/temp_dir.hpp"
#include "support/velmora_document.hpp"
#include "text/clipper.hpp"
#include "text/codepage.hpp"

namespace tt::importer {
namespace {

namespace fs = std::filesystem;
using dbf::FieldType;
using testing::CargarDocumentoVelmora;
using testing::CrearNivelex;
using testing::CrearTablaConFilas;
using testing::ErrorOf;
using testing::FilaTexto;
using testing::FilasDe;
using testing::GrupoXml;
using testing::TempDir;

const std::vector<std::string> kCamposCursos = {"ABREV", "TURNO", "NIVEL", "CURSO", "CLAVE", "ESTUD"};
const std::vector<std::string> kCamposGrupos = {"ABREV", "TURNO", "NIVEL", "CURSO",
                                                "GRUPO", "CLAVE", "CLAVECURSO", "DESCRIP"};
const std::string kEso = "Educación Secundaria Obligatoria";

class CursosUnidades : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directory(tablas);
        fs::create_directory(aplicacion);
        // NIVEL_ABREV wider than NIVEL, to see the cut on the way in.
        CrearNivelex(aplicacion, {{12, "ESO", kEso},
                                  {13, "", "Estudios sin nivel"},
                                  {14, "BACHILLER", "Bachillerato"},
                                  {15, "FP", ""}});
    }

    ResumenImportacion Transformar(const std::vector<GrupoXml>& grupos) {
        const auto documento = CargarDocumentoVelmora(dir / "exportacion.xml", grupos);
        ContextoImportacion contexto(documento, tablas, aplicacion, nullptr);
        TransformarCursosUnidades(contexto);
        return contexto.resumen;
    }

    std::vector<FilaTexto> Cursos() const { return FilasDe(tablas / "CURSOST.DBF", kCamposCursos); }
    std::vector<FilaTexto> Grupos() const { return FilasDe(tablas / "GRUPOST.DBF", kCamposGrupos); }

    TempDir dir;
    fs::path tablas = dir / "tablas";
    fs::path aplicacion = dir / "app";
};

TEST_F(CursosUnidades, CoursesTakeLevelAndStudiesFromTheLookup) {
    const auto resumen = Transformar({{"CURSOS_DEL_CENTRO",
                                       {
                                           {"12", "1º ESO"},
                                           {" 0012 ", "2º ESO"},           // looked up as 12, kept as written
                                           {"99", "3º ESO"},               // not in the lookup
                                           {"13", "4º X"},                 // blank level in the lookup
                                           {"15", "1º FP"},                // blank studies in the lookup
                                           {"14", "1º Bach"},              // level cut to NIVEL's 5
                                           {"+16", ""},
                                           {"000000000012", "5º ESO"},     // key cut to CLAVE's 10
                                           {"-12", "x"},
                                           {"7"},                          // skipped
                                           {},                             // skipped
                                       }}});
    const std::vector<FilaTexto> esperadas = {
        {"", "", "ESO", "1", "12", kEso},
        {"", "", "ESO", "2", "0012", kEso},
        {"", "", "Niv", "3", "99", "3º ESO"},
        {"", "", "Niv", "4", "13", "Estudios sin nivel"},
        {"", "", "FP", "1", "15", ""},
        {"", "", "BACHI", "1", "14", "Bachillerato"},
        {"", "", "Niv", "", "+16", ""},
        {"", "", "ESO", "5", "0000000000", kEso},
        {"", "", "Niv", "x", "-12", "x"},
    };
    EXPECT_EQ(Cursos(), esperadas);
    EXPECT_EQ(resumen.filasDe("CURSOST"), esperadas.size());
    EXPECT_EQ(resumen.omitidos,
              (std::vector<std::pair<std::string, std::size_t>>{
                  {"registros con menos de dos datos (CURSOS_DEL_CENTRO)", 2}}));
    EXPECT_TRUE(Grupos().empty()) << "GRUPOST is created even without units";
}

TEST_F(CursosUnidades, UnitsGetUniqueCodesAndTheirCourseData) {
    const auto resumen = Transformar({
        {"CURSOS_DEL_CENTRO",
         {{"12", "1º ESO"}, {"0012", "2º ESO"}, {"15", "1º FP"}, {"000000000012", "5º ESO"},
          {"15", "2º FP"}}}, // a repeated key: units take the first
        {"UNIDADES",
         {
             {"U1", "1º ESO A", "12"},
             {"U2", "1º ESO A", "12"},
             {"U3", "1º eso a", "12"},                   // same code but for a-z case
             {"U4", "1º Bachillerato A", "12"},          // 8+2 form
             {"U5", "1º Bachillerato Artes A", "12"},    // same 8+2 form
             {"U6", "1º FP B", "15"},                    // course without studies
             {"U7", "2º X C", "99"},                     // no such course
             {"U8", "2º Y D"},                           // no course key at all
             {"U9", "4º ESO A", "0012"},
             {"U10", "4º ESO B", "000000000012"},        // CURSOST keeps 10 characters
             {"U11", "4º ESO C", "0000000000"},
             {"U12", "Ñandú", "12"},
             {"U13", "ñANDÚ", "12"},                     // same code but for accented case
             {"U14"},                                    // skipped
         }},
    });
    const std::vector<FilaTexto> esperadas = {
        {"1º ESO A", "", "ESO", "1", "A", "U1", "12", kEso},
        {"1º ESO A1", "", "ESO", "1", "A", "U2", "12", kEso},
        {"1º eso a2", "", "ESO", "1", "a", "U3", "12", kEso},
        {"1º Bachi A", "", "ESO", "1", "A", "U4", "12", kEso},
        {"1º BachiA1", "", "ESO", "1", "A", "U5", "12", kEso},
        {"1º FP B", "", "FP", "1", "B", "U6", "15", " FP 1 B"},
        {"2º X C", "", "", "", "C", "U7", "99", "   C"},
        {"2º Y D", "", "", "", "D", "U8", "", "   D"},
        {"4º ESO A", "", "ESO", "2", "A", "U9", "0012", kEso},
        {"4º ESO B", "", "", "", "B", "U10", "0000000000", "   B"},
        {"4º ESO C", "", "ESO", "5", "C", "U11", "0000000000", kEso},
        {"Ñandú", "", "ESO", "1", "ú", "U12", "12", kEso},
        {"ñANDÚ1", "", "ESO", "1", "Ú", "U13", "12", kEso},
    };
    EXPECT_EQ(Grupos(), esperadas);
    EXPECT_EQ(resumen.filasDe("GRUPOST"), esperadas.size());
    EXPECT_EQ(resumen.filasDe("CURSOST"), 5u);
}

TEST_F(CursosUnidades, EveryUnitGetsAFreeCodePastTheCutForms) {
    // A name whose numbered variants all cut to the same 8+2 forms: after the
    // plain form and 109 numbered ones, the number takes the last characters.
    std::vector<std::vector<std::string>> unidades;
    for (int i = 0; i < 112; ++i) unidades.push_back({"U" + std::to_string(i), "1º Bachillerato A", "12"});
    Transformar({{"CURSOS_DEL_CENTRO", {{"12", "1º ESO"}}}, {"UNIDADES", unidades}});

    const auto filas = Grupos();
    ASSERT_EQ(filas.size(), 112u);
    std::set<std::string> codigos;
    for (const auto& fila : filas) {
        EXPECT_LE(text::Narrow(fila[0]).size(), 10u) << fila[0];
        EXPECT_TRUE(codigos.insert(text::PlegarMayusculas(text::Narrow(fila[0]))).second) << fila[0];
    }
    const std::vector<std::pair<std::size_t, std::string>> muestras = {
        {0, "1º Bachi A"},   {1, "1º BachiA1"},  {9, "1º BachiA9"},   {10, "1º Bachi10"},
        {100, "1º Bachi00"}, {109, "1º Bachi09"}, {110, "1º Bach110"}, {111, "1º Bach111"},
    };
    for (const auto& [fila, codigo] : muestras) EXPECT_EQ(filas[fila][0], codigo) << "unit " << fila;
}

TEST_F(CursosUnidades, ACourseKeyThatIsNoWholeNumberStopsTheConverter) {
    const std::vector<std::pair<std::string, std::string>> casos = {
        {"", "''"},       {"   ", "''"},      {"12a", "'12a'"},    {"1.5", "'1.5'"},
        {"12 3", "'12 3'"}, {"0x0C", "'0x0C'"}, {"2147483648", "'2147483648'"},
        {"Núm", "'Núm'"},
    };
    for (const auto& [clave, citada] : casos) {
        SCOPED_TRACE(clave);
        EXPECT_EQ(ErrorOf([&] { Transformar({{"CURSOS_DEL_CENTRO", {{"12", "1º ESO"}, {clave, "2º ESO"}}}}); }),
                  citada + " no es un valor entero válido");
    }
}

TEST_F(CursosUnidades, TheLookupTableIsRequired) {
    fs::remove(aplicacion / "NIVELEX.DBF");
    EXPECT_EQ(ErrorOf([&] { Transformar({}); }), kNivelexNoEncontrado);

    CrearTablaConFilas(aplicacion / "NIVELEX.DBF", {{"CLAVE", FieldType::Integer}}, {{"12"}});
    EXPECT_NE(ErrorOf([&] { Transformar({{"CURSOS_DEL_CENTRO", {{"12", "1º ESO"}}}}); })
                  .find("no tiene el campo X_OFERTAMATRIG"),
              std::string::npos);
}

// NIVELEX.DBF as other dBase tools write it: level 7, the key as a decimal
// (N) or a binary (I) field, the file name in any letter case.
struct NivelexAjeno {
    const char* archivo;
    char tipo;
};

class CursosConNivelexAjeno : public CursosUnidades, public ::testing::WithParamInterface<NivelexAjeno> {};

std::string Clave(char tipo, std::int32_t valor) {
    if (tipo == 'N') {
        const std::string cifras = std::to_string(valor);
        return std::string(11 - cifras.size(), ' ') + cifras;
    }
    // Big-endian with the sign bit flipped.
    const auto bits = static_cast<std::uint32_t>(valor) ^ 0x80000000u;
    std::string bytes;
    for (int desplazamiento = 24; desplazamiento >= 0; desplazamiento -= 8)
        bytes += static_cast<char>((bits >> desplazamiento) & 0xFF);
    return bytes;
}

std::string Ajustado(const std::string& utf8, std::size_t ancho) {
    std::string ansi = text::Narrow(utf8);
    ansi.resize(ancho, ' ');
    return ansi;
}

TEST_P(CursosConNivelexAjeno, FindsTheRowByTheKeysValue) {
    const auto [archivo, tipo] = GetParam();
    fs::remove(aplicacion / "NIVELEX.DBF");
    const int ancho = tipo == 'N' ? 11 : 4;
    const auto fila = [&](bool borrada, std::int32_t clave, const std::string& nivel, const std::string& estudio) {
        return std::string(borrada ? "*" : " ") + Clave(tipo, clave) + Ajustado(nivel, 10) + Ajustado(estudio, 80);
    };
    testing::WriteFile(aplicacion / archivo,
                       testing::DbfImage(0x04,
                                         {{"X_OFERTAMATRIG", tipo, ancho},
                                          {"NIVEL_ABREV", 'C', 10},
                                          {"ESTUDIO", 'C', 80}},
                                         {fila(true, 12, "OLD", "Borrada"), fila(false, -3, "NEG", "Negativa"),
                                          fila(false, 6101, "ESO", kEso), fila(false, 12, "BACH", "Bachillerato")}));

    Transformar({{"CURSOS_DEL_CENTRO", {{"0012", "1º Bach"}, {"6101", "1º ESO"}, {"-3", "N"}, {"7", "x"}}}});
    const std::vector<FilaTexto> esperadas = {
        {"", "", "BACH", "1", "0012", "Bachillerato"},
        {"", "", "ESO", "1", "6101", kEso},
        {"", "", "NEG", "N", "-3", "Negativa"},
        {"", "", "Niv", "x", "7", "x"},
    };
    EXPECT_EQ(Cursos(), esperadas);
}

INSTANTIATE_TEST_SUITE_P(Tipos, CursosConNivelexAjeno,
                         ::testing::Values(NivelexAjeno{"NIVELEX.DBF", 'N'}, NivelexAjeno{"nivelex.dbf", 'I'}),
                         [](const auto& info) { return std::string(1, info.param.tipo); });

} // namespace
} // namespace tt::importer
