// The transtavora program as scripts use it: exit codes, what it prints, and
// the working folder it leaves behind, finished or stopped.

#include "platform/dbf/dbf_table.hpp"
#include "platform/folder_lock.hpp"
#include "text/codepage.hpp"
#include "support/environment.hpp"
#include "support/table_rows.hpp"
#include "support/temp_dir.hpp"
#include "support/working_tables.hpp"
#include "support/velmora_document.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <set>

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace {

namespace fs = std::filesystem;
using namespace tt::testing;
using Filas = std::vector<std::vector<std::string>>;
using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::StartsWith;

struct Ejecucion {
    int codigo = -1;
    std::string salida;
    std::string errores;
};

// Runs the built program with its output captured in files.
Ejecucion Transtavora(const std::vector<std::string>& argumentos) {
    TempDir capturas;
    std::string orden = "\"" TT_BIN_DIR "/transtavora\"";
    for (const auto& argumento : argumentos) orden += " \"" + argumento + "\"";
    orden += " >\"" + (capturas / "salida").string() + "\" 2>\"" +
             (capturas / "errores").string() + "\"";
#ifdef _WIN32
    orden = "\"" + orden + "\""; // cmd.exe strips the outer quotes
#endif
    const int estado = std::system(orden.c_str());
    Ejecucion ejecucion;
#ifdef _WIN32
    ejecucion.codigo = estado;
#else
    ejecucion.codigo = WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
#endif
    ejecucion.salida = ReadFile(capturas / "salida");
    ejecucion.errores = ReadFile(capturas / "errores");
    return ejecucion;
}

// Every entry below dir, folders included, so that a leftover staging folder shows.
std::set<std::string> Entradas(const fs::path& dir) {
    std::set<std::string> entradas;
    for (const auto& entrada : fs::recursive_directory_iterator(dir))
        entradas.insert(fs::relative(entrada.path(), dir).generic_string());
    return entradas;
}

GrupoXml Jornadas(const std::vector<std::string>& codigos) {
    GrupoXml grupo{"JORNADAS_ESCOLARES", {}};
    for (const auto& codigo : codigos)
        grupo.registros.push_back({codigo, "Jornada " + codigo, "01/09/2024", "30/06/2025"});
    return grupo;
}

// A small school touching every converter. Course 12 is in NIVELEX, 13 is not.
std::vector<GrupoXml> Escuela(const std::string& claveCurso = "12",
                              const std::vector<std::string>& plantillas = {"T1"}) {
    return {
        {"MATERIAS",
         {{claveCurso, "M1", "Matemáticas"},
          {claveCurso, "M2", "Lengua Castellana y Literatura"},
          {"13", "M1", "Matemáticas"}}},
        {"ACTIVIDADES", {{"A1", "BIBLIO", "Biblioteca"}}},
        {"EMPLEADOS",
         {{"E1", "01/09/2020", "Ciencias", "Alba", "Bosch", "Clara"},
          {"E2", "01/09/2021", "Lengua", "Ana", "Blanco", "Carmen"}}},
        {"DEPENDENCIAS", {{"A1", "Aula 1"}, {"", "Laboratorio de Física"}}},
        {"CURSOS_DEL_CENTRO", {{claveCurso, "1º ESO"}, {"13", "2º ESO"}}},
        {"UNIDADES", {{"U1", "1º ESO A", "12"}, {"U2", "1º ESO B", "12"}, {"U3", "2º ESO A", "13"}}},
        Jornadas(plantillas),
        {"TRAMOS_HORARIOS",
         {{"M1", "1ª", "480", "535", plantillas.back()}, {"M2", "2ª", "535", "590", plantillas.back()}}},
    };
}

class Importacion : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(trabajo_);
        fs::create_directories(aplicacion_);
        CrearNivelex(aplicacion_, {{12, "ESO", "Educación Secundaria Obligatoria"}});
        // What an earlier import and Horavant left in the working folder.
        tt::dbf::CreateTable(trabajo_ / "PROFT.DBF", {{"ABREV", tt::dbf::FieldType::Character, 10}});
        WriteFile(trabajo_ / "ASIGNOMT.MDX", "old index");
        WriteFile(trabajo_ / "JORNADAS.DBF", "old template table");
        WriteFile(trabajo_ / "SOLUC.DBF", "Horavant's solution");
    }

    void Escribir(const std::vector<GrupoXml>& grupos) { WriteFile(xml_, DocumentoVelmora(grupos)); }

    Ejecucion Importar(std::vector<std::string> extra = {}) {
        std::vector<std::string> argumentos = {"import",   xml_.string(),       "--workdir",
                                               trabajo_.string(), "--app-dir", aplicacion_.string()};
        argumentos.insert(argumentos.end(), extra.begin(), extra.end());
        return Transtavora(argumentos);
    }

    Filas Tabla(const std::string& nombre, const std::vector<std::string>& campos) const {
        return FilasDe(trabajo_ / nombre, campos);
    }

    TempDir raiz_;
    fs::path trabajo_ = raiz_ / "HTEMP";
    fs::path aplicacion_ = raiz_ / "app";
    fs::path xml_ = raiz_ / "velmora.xml";
};

TEST_F(Importacion, ReconstruyeLasTablasDeTrabajo) {
    Escribir(Escuela());
    const auto r = Importar();
    ASSERT_EQ(r.codigo, 0) << r.errores;
    EXPECT_EQ(r.errores, "");
    EXPECT_THAT(r.salida, AllOf(StartsWith("Proceso finalizado\n"), HasSubstr("ASIGNOMT: 3\n"),
                                HasSubstr("PROFT: 2\n"), HasSubstr("AULAT: 2\n"),
                                HasSubstr("materias con nombre repetido: 1\n")));

    EXPECT_EQ(Tabla("ASIGNOMT.DBF", {"COD", "NOMBRE"}),
              (Filas{{"Matemá", "Matemáticas"}, {"LCL", "Lengua Castellana y Literatura"},
                     {"BIBLIO", "Biblioteca"}}));
    EXPECT_EQ(Tabla("PROFT.DBF", {"ABREV", "NOMBRE", "X_EMPLEADO"}),
              (Filas{{"ABC", "Alba Bosch, Clara", "E1"}, {"ABC1", "Ana Blanco, Carmen", "E2"}}));
    EXPECT_EQ(Tabla("AULAT.DBF", {"ABREV", "NOMBRE"}),
              (Filas{{"A1", "Aula 1"}, {"Labora", "Laboratorio de Física"}}));
    EXPECT_EQ(Tabla("CURSOST.DBF", {"NIVEL", "CURSO", "CLAVE", "ESTUD"}),
              (Filas{{"ESO", "1", "12", "Educación Secundaria Obligatoria"},
                     {"Niv", "2", "13", "2º ESO"}}));
    EXPECT_EQ(Tabla("GRUPOST.DBF", {"ABREV", "CLAVECURSO"}),
              (Filas{{"1º ESO A", "12"}, {"1º ESO B", "12"}, {"2º ESO A", "13"}}));
    EXPECT_EQ(Tabla("ASIGT.DBF", {"CASIG", "CGRUP", "CLAVE"}),
              (Filas{{"Matemá", "1º ESO A", "M1"},
                     {"Matemá", "1º ESO B", "M1"},
                     {"LCL", "1º ESO A", "M2"},
                     {"LCL", "1º ESO B", "M2"},
                     {"Matemá", "2º ESO A", "M1"}}));
    EXPECT_EQ(Tabla("DIASHORAST.DBF", {"DIHO"}).size(), 14u);
    EXPECT_EQ(Tabla("PERIODOS.DBF", {"CJORNADA", "FECINI", "FECFIN"}),
              (Filas{{"T1", "01/09/2024", "30/06/2025"}}));

    // Stale indexes and the old template table go; Horavant's own files stay.
    const auto entradas = Entradas(trabajo_);
    EXPECT_EQ(entradas, (std::set<std::string>{"ASIGNOMT.DBF", "PROFT.DBF", "AULAT.DBF", "CURSOST.DBF",
                                               "GRUPOST.DBF", "ASIGT.DBF", "DIASHORAST.DBF",
                                               "DIASHORAST2.DBF", "PERIODOS.DBF", "SOLUC.DBF"}));
    EXPECT_EQ(ReadFile(trabajo_ / "SOLUC.DBF"), "Horavant's solution");
}

TEST_F(Importacion, PlantillaElegidaConTemplate) {
    Escribir(Escuela("12", {"T1", "T2"}));
    const auto r = Importar({"--template", "T2"});
    ASSERT_EQ(r.codigo, 0) << r.errores;
    EXPECT_EQ(Tabla("PERIODOS.DBF", {"CJORNADA", "JORNADA"}), (Filas{{"T2", "Jornada T2"}}));
}

TEST_F(Importacion, CarpetaDeTrabajoDelEntorno) {
    Escribir(Escuela());
    const auto r = [&] {
        EntornoTemporal workdir("TRANSTAVORA_WORKDIR", trabajo_.string().c_str());
        return Transtavora({"import", xml_.string(), "--app-dir", aplicacion_.string()});
    }();
    ASSERT_EQ(r.codigo, 0) << r.errores;
    EXPECT_EQ(Tabla("PROFT.DBF", {"ABREV"}), (Filas{{"ABC"}, {"ABC1"}}));
}

// The day's round trip: import, Horavant places a lesson, export.
TEST_F(Importacion, IdaYVueltaConLaExportacion) {
    Escribir(Escuela());
    ASSERT_EQ(Importar().codigo, 0);
    using tt::text::Narrow;
    EscribirSoluc(trabajo_, {{"ABC", 1, 1, Narrow("Matemá"), Narrow("1º ESO A"), "", "A1"}});

    const auto r = Transtavora({"export", xml_.string(), "--workdir", trabajo_.string()});
    ASSERT_EQ(r.codigo, 0) << r.errores;
    const auto archivo = raiz_ / "ResultadoTavoravelmora.xml";
    EXPECT_THAT(r.salida, AllOf(StartsWith("Proceso finalizado\n"),
                                HasSubstr("Archivo escrito: " + archivo.string() + "\n"),
                                HasSubstr("Profesores: 2\n"), HasSubstr("Sesiones: 1\n")));
    EXPECT_THAT(ReadFile(archivo), AllOf(HasSubstr("HORARIOS_REGULARES"), HasSubstr(">E1<")));
}

TEST_F(Importacion, ExportacionSinPeriodos) {
    Escribir(Escuela());
    ASSERT_EQ(Importar().codigo, 0);
    EscribirSoluc(trabajo_, {});
    fs::remove(trabajo_ / "PERIODOS.DBF");
    const auto r = Transtavora({"export", xml_.string(), "--workdir", trabajo_.string()});
    EXPECT_EQ(r.codigo, 1);
    EXPECT_EQ(r.salida, "");
    EXPECT_THAT(r.errores, HasSubstr("PERIODOS.DBF No encontrado"));
    EXPECT_FALSE(fs::exists(raiz_ / "ResultadoTavoravelmora.xml"));
}

// Whatever stops a run, the working folder stays byte for byte as it was.
enum class Interferencia { Ninguna, TablaAbierta, OtraEjecucion, SinNivelex, SinArchivo };

struct CasoParada {
    std::string titulo;
    std::optional<std::string> documento; // raw text; empty: the school below
    std::vector<GrupoXml> grupos;
    Interferencia interferencia = Interferencia::Ninguna;
    std::vector<std::string> mensaje; // pieces of what stderr must say
};

void PrintTo(const CasoParada& caso, std::ostream* os) { *os << caso.titulo; }

const std::vector<CasoParada> kParadas = {
    {"XmlRoto", "<SERVICIO><BLOQUE_DATOS><grupo_datos>", {}, Interferencia::Ninguna,
     {"no es un documento XML válido", "No se ha cambiado ninguna tabla"}},
    {"OtraRaiz", "<?xml version=\"1.0\"?><HORARIOS><BLOQUE_DATOS/></HORARIOS>", {},
     Interferencia::Ninguna, {"no es una exportación de Velmora"}},
    {"ClaveDeCursoNoEntera", {}, Escuela("12a"), Interferencia::Ninguna,
     {"'12a' no es un valor entero válido"}},
    {"VariasPlantillasSinTemplate", {}, Escuela("12", {"T1", "T2"}), Interferencia::Ninguna,
     {"--template", "T1  Jornada T1 (01/09/2024 - 30/06/2025)\n",
      "T2  Jornada T2 (01/09/2024 - 30/06/2025)\n"}},
    {"TablaAbiertaEnOtroPrograma", {}, Escuela(), Interferencia::TablaAbierta,
     {"PROFT.DBF", "está abierta en otro programa"}},
    {"OtraEjecucionEnCurso", {}, Escuela(), Interferencia::OtraEjecucion,
     {"está siendo usada por otra ejecución"}},
    {"SinNivelex", {}, Escuela(), Interferencia::SinNivelex,
     {"ATENCIÓN - NIVELEX.DBF No encontrado - Reinstale TRANSTAVORAVELMORA\n"}},
    {"SinArchivo", {}, {}, Interferencia::SinArchivo, {"No existe archivo\n"}},
};

class Parada : public Importacion, public ::testing::WithParamInterface<CasoParada> {};

TEST_P(Parada, DejaLaCarpetaComoEstaba) {
    const auto& caso = GetParam();
    if (caso.documento)
        WriteFile(xml_, *caso.documento);
    else if (caso.interferencia != Interferencia::SinArchivo)
        Escribir(caso.grupos);
    if (caso.interferencia == Interferencia::SinNivelex) fs::remove(aplicacion_ / "NIVELEX.DBF");

    const auto antes = Snapshot(trabajo_);
    const auto entradasAntes = Entradas(trabajo_);
    Ejecucion r;
    {
        std::optional<tt::dbf::Table> tabla;
        std::optional<tt::platform::FolderLock> cerrojo;
        if (caso.interferencia == Interferencia::TablaAbierta)
            tabla.emplace(trabajo_ / "PROFT.DBF", tt::dbf::OpenMode::Exclusive);
        if (caso.interferencia == Interferencia::OtraEjecucion) cerrojo.emplace(trabajo_);
        r = Importar();
    }
    EXPECT_EQ(r.codigo, 1);
    EXPECT_EQ(r.salida, "");
    for (const auto& pieza : caso.mensaje) EXPECT_THAT(r.errores, HasSubstr(pieza));
    EXPECT_EQ(Entradas(trabajo_), entradasAntes);
    EXPECT_TRUE(Snapshot(trabajo_) == antes);
}

INSTANTIATE_TEST_SUITE_P(Importacion, Parada, ::testing::ValuesIn(kParadas),
                         [](const auto& info) { return info.param.titulo; });

struct CasoCodigo {
    std::vector<std::string> argumentos;
    int codigo;
    bool enSalida; // else on stderr
    std::string texto;
};

void PrintTo(const CasoCodigo& caso, std::ostream* os) {
    for (const auto& argumento : caso.argumentos) *os << "[" << argumento << "] ";
}

const std::vector<CasoCodigo> kCodigos = {
    {{"--help"}, 0, true, "--template CÓDIGO"},
    {{"--version"}, 0, true, "transtavora 1."},
    {{}, 2, false, "transtavora: falta la orden\n\nUso:\n"},
    {{"import", "a.xml", "b.xml"}, 2, false, "sobra el argumento b.xml"},
    {{"export", "a.xml", "--app-dir", "x"}, 2, false, "Uso:"},
};

class CodigoDeSalida : public ::testing::TestWithParam<CasoCodigo> {};

TEST_P(CodigoDeSalida, YSuTexto) {
    const auto& caso = GetParam();
    const auto r = Transtavora(caso.argumentos);
    EXPECT_EQ(r.codigo, caso.codigo);
    EXPECT_THAT(caso.enSalida ? r.salida : r.errores, HasSubstr(caso.texto));
    EXPECT_EQ(caso.enSalida ? r.errores : r.salida, "");
}

INSTANTIATE_TEST_SUITE_P(Cli, CodigoDeSalida, ::testing::ValuesIn(kCodigos));

} // namespace
