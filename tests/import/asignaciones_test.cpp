// MATERIAS, ASIGNOMT and GRUPOST into ASIGT.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "dbf/dbf_test_support.hpp"
#include "import/field_defs.hpp"
#include "import/import_context.hpp"
#include "import/working_table_schemas.hpp"
#include "support/table_rows.hpp"
#include "support/temp_dir.hpp"
#include "support/velmora_document.hpp"

namespace tt::importer {
namespace {

namespace fs = std::filesystem;
using dbf::FieldDef;
using dbf::FieldType;
using testing::CargarDocumentoVelmora;
using testing::CrearTablaConFilas;
using testing::ErrorOf;
using testing::FilaTexto;
using testing::FilasDe;
using testing::GrupoXml;
using testing::TempDir;

const std::vector<FieldDef> kCamposMaterias = {Caracter("COD", 10), Caracter("NOMBRE", 80)};

class Asignaciones : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directory(tablas); }

    // ASIGNOMT rows as (COD, NOMBRE); GRUPOST rows as (ABREV, GRUPO, CLAVECURSO).
    void Preparar(const std::vector<FilaTexto>& materias, const std::vector<FilaTexto>& unidades) {
        CrearTablaConFilas(tablas / "ASIGNOMT.DBF", kCamposMaterias, materias);
        std::vector<FilaTexto> grupos;
        for (const auto& u : unidades) grupos.push_back({u[0], "", "ESO", "1", u[1], "K" + u[0], u[2], "ESO"});
        CrearTablaConFilas(tablas / "GRUPOST.DBF", tt::importer::CamposGRUPOST(), grupos);
    }

    ResumenImportacion Transformar(const std::vector<std::vector<std::string>>& materias) {
        const auto documento = CargarDocumentoVelmora(dir / "exportacion.xml", {{"MATERIAS", materias}});
        ContextoImportacion contexto(documento, tablas, dir.path(), nullptr);
        TransformarAsignaciones(contexto);
        return contexto.resumen;
    }

    TempDir dir;
    fs::path tablas = dir / "tablas";
};

TEST_F(Asignaciones, OneRowPerSubjectAndUnitOfItsCourse) {
    Preparar({{"MAT", "Matemáticas"}, {"LEN", "Lengua"}, {"ING", "Inglés"}, {"HIS", "Historia"}, {"FIS", "Física"}},
             {{"1A", "A", "C1"}, {"2A", "A", "C2"}, {"1B", "B", "C1"}, {"1C", "C", "C1"}});
    const auto resumen = Transformar({{"C1", "M1", "Matemáticas"},
                                      {"C1", "M2", "Lengua"},
                                      {"C1", "M3", "Inglés"},
                                      {"C1", "M4", "Historia"},
                                      {"C1", "M5", "Física"}});

    const std::vector<std::string> campos = {"CASIG", "CPROF", "CGRUP",    "CAULA", "TURNO",      "NIVEL",
                                             "CURSO", "GRUPO", "SESIONES", "CLAVE", "CLAVECURSO", "CTAREA"};
    std::vector<FilaTexto> esperadas;
    const std::vector<std::string> codigos = {"MAT", "LEN", "ING", "HIS", "FIS"};
    for (std::size_t m = 0; m < codigos.size(); ++m)
        for (const std::string grupo : {"A", "B", "C"})
            esperadas.push_back({codigos[m], "", "1" + grupo, "", "", "ESO", "1", grupo, "1111",
                                 "M" + std::to_string(m + 1), "C1", "1"});
    EXPECT_EQ(FilasDe(tablas / "ASIGT.DBF", campos), esperadas);
    EXPECT_EQ(resumen.filasDe("ASIGT"), 15u);

    dbf::Table asignaciones(tablas / "ASIGT.DBF", dbf::OpenMode::Shared);
    EXPECT_EQ(asignaciones.fields()[8].name, "HORAS");
    EXPECT_EQ(asignaciones.fields()[8].type, FieldType::Float);
    for (; !asignaciones.eof(); asignaciones.next()) EXPECT_EQ(asignaciones.asFloat("HORAS"), 4.0);
}

TEST_F(Asignaciones, SubjectsMatchByNameAndUnitsByExactCourseKey) {
    const std::string largo = std::string(75, 'x') + "abcdefghij"; // 85 characters; NOMBRE keeps 80
    Preparar({{"MAT", "Matemáticas"},
              {"LEN", "  Lengua Castellana"},
              {"TUT", "Tutoría"},
              {"TUT1", "Tutoría"}, // an activity after the subject of the same name
              {"", "Sin código"},
              {"ACT", ""},
              {"LARGA", largo},
              {"EDF", "educación física"}},
             {{"1A", "A", "C1"}, {"2A", "A", "C2"}, {"2B", "B", "C2"}, {"3A", "A", "c3"}});
    struct Caso {
        std::vector<std::string> registro;
        std::vector<std::string> casigYCgrup; // the rows it yields, as CASIG/CGRUP
    };
    const std::vector<Caso> casos = {
        {{"C1", "K1", "matemáticas"}, {"MAT/1A"}},
        {{"C1", "K2", "MATEMÁTICAS"}, {}}, // accented letters keep their case
        {{"C1", "K3", " lengua castellana "}, {"LEN/1A"}},
        {{"C1", "K4", "Tutoría"}, {"TUT/1A"}},
        {{"C1", "K5", "Sin código"}, {}}, // its catalogue row has no code
        {{"C1", "K6"}, {}},               // no name: not the nameless catalogue row
        {{"C1", "K7", largo}, {"LARGA/1A"}},
        {{"C1", "K8", "Química"}, {}},
        {{"C1", "K9", "EDUCACIóN FíSICA"}, {"EDF/1A"}},
        {{"C3", "K10", "Matemáticas"}, {}}, // course keys compare with case
        {{"C2", "K11", "Matemáticas"}, {"MAT/2A", "MAT/2B"}},
        {{"C2", "K12", "Matemáticas"}, {"MAT/2A", "MAT/2B"}},
        {{"C9", "K13", "Matemáticas"}, {}}, // a course without units
        {{"C1"}, {}},                       // skipped
    };
    std::vector<std::vector<std::string>> materias;
    std::vector<FilaTexto> esperadas;
    for (const Caso& caso : casos) {
        materias.push_back(caso.registro);
        for (const std::string& par : caso.casigYCgrup)
            esperadas.push_back({caso.registro[1], par.substr(0, par.find('/')), par.substr(par.find('/') + 1)});
    }
    Transformar(materias);
    EXPECT_EQ(FilasDe(tablas / "ASIGT.DBF", {"CLAVE", "CASIG", "CGRUP"}), esperadas);
}

TEST_F(Asignaciones, NoSubjectsGiveAnEmptyTable) {
    Preparar({}, {});
    Transformar({});
    EXPECT_TRUE(FilasDe(tablas / "ASIGT.DBF", {"CASIG"}).empty());
}

TEST_F(Asignaciones, NeedsTheTablesOfThisRun) {
    CrearTablaConFilas(tablas / "GRUPOST.DBF", tt::importer::CamposGRUPOST(), {});
    EXPECT_NE(ErrorOf([&] { Transformar({}); }).find("ASIGNOMT.DBF"), std::string::npos);
}

} // namespace
} // namespace tt::importer
