// Whole import runs that stop in, or pass through, the converters of courses
// and units, assignments, and school days and slots.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "dbf/dbf_test_support.hpp"
#include "error.hpp"
#include "import/import_run.hpp"
#include "support/table_rows.hpp"
#include "support/temp_dir.hpp"
#include "support/velmora_document.hpp"

namespace tt::importer {
namespace {

namespace fs = std::filesystem;
using dbf::FieldType;
using testing::CrearNivelex;
using testing::CrearTablaConFilas;
using testing::DocumentoVelmora;
using testing::ErrorOf;
using testing::FilaTexto;
using testing::FilasDe;
using testing::GrupoXml;
using testing::Snapshot;
using testing::TempDir;

// The command-line tool's answer when nobody named a template.
class SinRespuesta : public SelectorPlantilla {
public:
    std::string elegir(const OpcionesPlantilla&) override { throw Error("Falta --template"); }
};

struct Fallos {
    std::string claveCurso = "12";
    std::string inicioTramo = "480";
    bool dosPlantillas = false;
};

std::vector<GrupoXml> Colegio(const Fallos& fallos) {
    std::vector<std::vector<std::string>> jornadas = {{"T", "Jornada", "01/09/2024", "30/06/2025"}};
    if (fallos.dosPlantillas) jornadas.push_back({"V", "Tarde", "01/09/2024", "30/06/2025"});
    return {
        {"MATERIAS", {{"12", "M1", "Matemáticas"}, {"12", "M2", "Lengua"}}},
        {"EMPLEADOS", {{"E1", "01/09/2020", "Matemáticas", "García", "López", "Ana"}}},
        {"DEPENDENCIAS", {{"D1", "Aula 1"}}},
        {"CURSOS_DEL_CENTRO", {{fallos.claveCurso, "1º ESO"}}},
        {"UNIDADES", {{"U1", "1º ESO A", "12"}, {"U2", "1º ESO B", "12"}}},
        {"JORNADAS_ESCOLARES", jornadas},
        {"TRAMOS_HORARIOS",
         {{"M1", "Primera", fallos.inicioTramo, "535", "T"}, {"M2", "Segunda", "535", "590", "T"}}},
    };
}

class ImportacionSegundaMitad : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directory(trabajo);
        fs::create_directory(aplicacion);
        CrearNivelex(aplicacion, {{12, "ESO", "Educación Secundaria Obligatoria"}});
        // What an earlier import and Horavant left in the working folder.
        CrearTablaConFilas(trabajo / "CURSOST.DBF", {{"CLAVE", FieldType::Character, 10}}, {{"viejo"}});
        CrearTablaConFilas(trabajo / "DIASHORAST.DBF", {{"DIHO", FieldType::Character, 10}}, {{"11"}});
        testing::WriteFile(trabajo / "JORNADAS.DBF", "old template table");
        testing::WriteFile(trabajo / "SOLUC.DBF", "Horavant's solution");
    }

    ResultadoImportacion Importar(const Fallos& fallos, SelectorPlantilla* selector = nullptr) {
        testing::WriteFile(archivo, DocumentoVelmora(Colegio(fallos)));
        return EjecutarImportacion({archivo, trabajo, aplicacion, selector});
    }

    TempDir dir;
    fs::path trabajo = dir / "HTEMP";
    fs::path aplicacion = dir / "app";
    fs::path archivo = dir / "exportacion.xml";
};

TEST_F(ImportacionSegundaMitad, AStopInTheseConvertersChangesNoFile) {
    SinRespuesta sinRespuesta;
    struct Caso {
        std::string nombre;
        Fallos fallos;
        std::string mensaje;
    };
    const std::vector<Caso> casos = {
        {"course key", {.claveCurso = "12a"}, "'12a' no es un valor entero válido"},
        {"slot start", {.inicioTramo = "8:00"}, "'8:00' no es un valor entero válido"},
        {"template not chosen", {.dosPlantillas = true}, "Falta --template"},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        const auto antes = Snapshot(trabajo);
        EXPECT_EQ(ErrorOf([&] { Importar(caso.fallos, &sinRespuesta); }), caso.mensaje);
        EXPECT_EQ(Snapshot(trabajo), antes);
        EXPECT_EQ(std::distance(fs::directory_iterator(trabajo), fs::directory_iterator()), 4)
            << "no staging folder left behind";
    }
}

TEST_F(ImportacionSegundaMitad, AFinishedRunReplacesTheTables) {
    const auto resultado = Importar({});
    EXPECT_EQ(resultado.desenlace, Desenlace::Finalizado);
    EXPECT_EQ(resultado.mensaje, "Proceso finalizado");

    EXPECT_EQ(FilasDe(trabajo / "CURSOST.DBF", {"NIVEL", "CLAVE"}), (std::vector<FilaTexto>{{"ESO", "12"}}));
    EXPECT_EQ(FilasDe(trabajo / "GRUPOST.DBF", {"ABREV", "CLAVECURSO"}),
              (std::vector<FilaTexto>{{"1º ESO A", "12"}, {"1º ESO B", "12"}}));
    // ASIGT joins the subject catalogue of the first converters with the units.
    EXPECT_EQ(FilasDe(trabajo / "ASIGT.DBF", {"CLAVE", "CGRUP"}),
              (std::vector<FilaTexto>{{"M1", "1º ESO A"}, {"M1", "1º ESO B"}, {"M2", "1º ESO A"}, {"M2", "1º ESO B"}}));
    EXPECT_EQ(FilasDe(trabajo / "DIASHORAST.DBF", {"DIHO"}).size(), 14u);
    EXPECT_EQ(FilasDe(trabajo / "DIASHORAST2.DBF", {"ORDEN"}).size(), 14u);
    EXPECT_EQ(FilasDe(trabajo / "PERIODOS.DBF", {"CJORNADA"}), (std::vector<FilaTexto>{{"T"}}));
    EXPECT_FALSE(fs::exists(trabajo / "JORNADAS.DBF"));
    EXPECT_EQ(testing::ReadFile(trabajo / "SOLUC.DBF"), "Horavant's solution");
    EXPECT_EQ(resultado.resumen.filasDe("ASIGT"), 4u);
}

} // namespace
} // namespace tt::importer
