// The output document as a whole: its name, prolog, header, encoding and date.

#include "export_test_support.hpp"

#include "platform/xml/xml_document.hpp"

#include <gtest/gtest.h>

#include <cctype>

namespace {

namespace fs = std::filesystem;
using namespace tt::testing;
using tt::exporter::Desenlace;
using tt::exporter::ResultadoExportacion;

std::string Salida(const CarpetasExportacion& carpetas, const TablasDeTrabajo& tablas) {
    EscribirTablas(carpetas.trabajo(), tablas);
    const ResultadoExportacion resultado = carpetas.exportar();
    EXPECT_EQ(resultado.desenlace, Desenlace::Finalizado) << resultado.mensaje;
    return fs::exists(carpetas.salida()) ? ReadFile(carpetas.salida()) : "(sin salida)";
}

TEST(DocumentoDeSalida, NuevaRaizTrasElPrologoSinEspaciosYElElegidoIntacto) {
    CarpetasExportacion carpetas;
    TablasDeTrabajo tablas = EscuelaBase();
    tablas.soluc = {{"JGP", 1, 1, "MAT", "1A", "", ""}, {"XYZ", 2, 5, "MAT", "1A", "", ""}};
    EscribirTablas(carpetas.trabajo(), tablas);

    const ResultadoExportacion resultado = carpetas.exportar();

    ASSERT_EQ(resultado.desenlace, Desenlace::Finalizado) << resultado.mensaje;
    EXPECT_EQ(resultado.mensaje, "Proceso finalizado");
    EXPECT_EQ(resultado.resumen.archivoSalida, carpetas.salida());
    EXPECT_EQ(resultado.resumen.profesores, 1u);
    EXPECT_EQ(resultado.resumen.sesiones, 1u);
    EXPECT_EQ(resultado.resumen.sesionesSinProfesor, 1u);
    // The old root's attributes and groups are gone; comments after it now
    // stand before the new root, as the new root is appended last.
    EXPECT_EQ(ReadFile(carpetas.salida()),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<!-- exportaci\xC3\xB3n de prueba -->\n"
              "<!-- fin -->\n"
              "<SERVICIO modulo=\"HORARIOS\" tipo=\"I\" autor=\"HORARIOS\" fecha=\"02/01/2026 10:20:30\">"
              "<BLOQUE_DATOS>"
              "<grupo_datos seq=\"ANNO_ACADEMICO\"><dato nombre_dato=\"C_ANNO\">2025-</dato></grupo_datos>"
              "<grupo_datos seq=\"HORARIOS_REGULARES\" registros=\"1\">"
              "<grupo_datos seq=\"HORARIO_REGULAR_PROFESOR_1\" registros=\"1\">"
              "<dato nombre_dato=\"X_EMPLEADO\">E100</dato><dato nombre_dato=\"F_TOMAPOS\">01/09/2010</dato>"
              "<grupo_datos seq=\"ACTIVIDAD_1\">"
              "<dato nombre_dato=\"N_DIASEMANA\">1</dato><dato nombre_dato=\"X_TRAMO\">T11</dato>"
              "<dato nombre_dato=\"X_DEPENDENCIA\"/><dato nombre_dato=\"X_UNIDAD\">U1A</dato>"
              "<dato nombre_dato=\"X_OFERTAMATRIG\">C-1</dato><dato nombre_dato=\"X_MATERIAOMG\">M-MAT</dato>"
              "<dato nombre_dato=\"F_INICIO\">01/09/2025</dato><dato nombre_dato=\"F_FIN\">30/06/2026</dato>"
              "<dato nombre_dato=\"N_HORINI\">510</dato><dato nombre_dato=\"N_HORFIN\">565</dato>"
              "<dato nombre_dato=\"X_ACTIVIDAD\">1</dato>"
              "</grupo_datos></grupo_datos></grupo_datos></BLOQUE_DATOS></SERVICIO>\n");
    EXPECT_EQ(ReadFile(carpetas.elegido()), DocumentoVelmora());
}

TEST(DocumentoDeSalida, SinProfesoresQuedaElAnnoYUnGrupoVacio) {
    CarpetasExportacion carpetas;
    TablasDeTrabajo tablas = EscuelaBase();
    tablas.profesores.clear();
    tablas.soluc = {{"JGP", 1, 1, "MAT", "1A", "", ""}};
    const std::string salida = Salida(carpetas, tablas);
    EXPECT_NE(salida.find("<BLOQUE_DATOS><grupo_datos seq=\"ANNO_ACADEMICO\"><dato nombre_dato=\"C_ANNO\">2025-"
                          "</dato></grupo_datos><grupo_datos seq=\"HORARIOS_REGULARES\" registros=\"0\"/>"
                          "</BLOQUE_DATOS>"),
              std::string::npos)
        << salida;
}

TEST(DocumentoDeSalida, FechasDeLaPrimeraFilaDePeriodosOVacias) {
    struct Caso {
        std::vector<FilaPeriodo> periodos;
        std::string esperada;
    };
    for (const Caso& caso : {Caso{{{"01/09/2025", "30/06/2026"}, {"02/02/2026", "03/03/2026"}},
                                  "|01/09/2025|30/06/2026|"},
                             Caso{{}, "|||"}}) {
        CarpetasExportacion carpetas;
        TablasDeTrabajo tablas = EscuelaBase();
        tablas.periodos = caso.periodos;
        tablas.soluc = {{"JGP", 1, 1, "MAT", "1A", "", ""}, {"JGP", 2, 5, "MAT", "1A", "", ""}};
        EscribirTablas(carpetas.trabajo(), tablas);
        ASSERT_EQ(carpetas.exportar().desenlace, Desenlace::Finalizado);
        for (const std::string& sesion : Sesiones(carpetas.salida()))
            EXPECT_NE(sesion.find("M-MAT" + caso.esperada), std::string::npos) << sesion;
    }
}

TEST(DocumentoDeSalida, AnnoAcademicoSonLosCincoPrimerosCaracteresDelPrimerHijo) {
    struct Caso {
        const char* primerHijo;
        const char* anno;
    };
    const Caso casos[] = {
        {"<grupo_datos seq=\"ANNO_ACADEMICO\"><dato>2025-26</dato></grupo_datos>", "2025-"},
        {"<grupo_datos seq=\"ANNO_ACADEMICO\"><dato>2026</dato></grupo_datos>", "2026"},
        // Cut after narrowing: five characters, not five UTF-8 bytes.
        {"<grupo_datos seq=\"ANNO_ACADEMICO\"><dato>A\xC3\xB1o 2025</dato></grupo_datos>", "A\xC3\xB1o 2"},
        // All the text below it, joined.
        {"<grupo_datos><dato>20</dato><dato>25/26</dato></grupo_datos>", "2025/"},
        {"<!--2024-25 anterior--><grupo_datos><dato>2025</dato></grupo_datos>", "2024-"},
    };
    for (const Caso& caso : casos) {
        CarpetasExportacion carpetas;
        WriteFile(carpetas.elegido(), std::string("<SERVICIO><BLOQUE_DATOS>") + caso.primerHijo +
                                          "<grupo_datos seq=\"X\"/></BLOQUE_DATOS></SERVICIO>");
        const std::string salida = Salida(carpetas, EscuelaBase());
        EXPECT_NE(salida.find(std::string("<dato nombre_dato=\"C_ANNO\">") + caso.anno + "</dato>"),
                  std::string::npos)
            << caso.primerHijo << "\n" << salida;
    }
}

TEST(DocumentoDeSalida, SinDeclaracionSeEscribeEnUtf8SinDeclaracion) {
    CarpetasExportacion carpetas;
    WriteFile(carpetas.elegido(), "<SERVICIO><BLOQUE_DATOS><g>2025</g></BLOQUE_DATOS></SERVICIO>");
    TablasDeTrabajo tablas = EscuelaBase();
    tablas.profesores = {{"JGP", "Mu\xF1oz", ""}};
    const std::string salida = Salida(carpetas, tablas);
    EXPECT_EQ(salida.rfind("<SERVICIO modulo=", 0), 0u) << salida;
    EXPECT_NE(salida.find("Mu\xC3\xB1oz"), std::string::npos) << salida;
}

TEST(DocumentoDeSalida, Iso88591DeEntradaDaIso88591DeSalidaConLosAcentos) {
    CarpetasExportacion carpetas;
    WriteFile(carpetas.elegido(),
              "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
              "<SERVICIO><BLOQUE_DATOS><grupo_datos seq=\"ANNO_ACADEMICO\"><dato>A\xF1o 2025</dato></grupo_datos>"
              "</BLOQUE_DATOS></SERVICIO>\n");
    TablasDeTrabajo tablas = EscuelaBase();
    // Windows-1252 bytes in the tables; the euro sign has no place in ISO-8859-1.
    tablas.profesores = {{"MU\xD1", "N\xFA\xF1" "ez", "1 sept."}};
    tablas.periodos = std::vector<FilaPeriodo>{{"1 oto\xF1o", "\x80 fin"}};
    tablas.soluc = {{"MU\xD1", 1, 1, "MAT", "1A", "", "Aula \xD1"}};
    const std::string salida = Salida(carpetas, tablas);

    EXPECT_EQ(salida.rfind("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n", 0), 0u) << salida;
    for (const char* esperado : {">A\xF1o 2<", ">N\xFA\xF1" "ez<", ">1 oto\xF1o<", ">&#8364; fin<", ">Aula \xD1<"})
        EXPECT_NE(salida.find(esperado), std::string::npos) << esperado << "\n" << salida;
    EXPECT_EQ(Sesiones(carpetas.salida()),
              std::vector<std::string>{"ACTIVIDAD_1: 1|T11|Aula \xC3\x91|U1A|C-1|M-MAT|1 oto\xC3\xB1o|"
                                       "\xE2\x82\xAC fin|510|565|1"});
}

TEST(DocumentoDeSalida, TablasEnMinusculasComoLasEscribeHoravantBajoWine) {
    CarpetasExportacion carpetas;
    TablasDeTrabajo tablas = EscuelaBase();
    tablas.soluc = {{"JGP", 1, 1, "MAT", "1A", "", ""}};
    EscribirTablas(carpetas.trabajo(), tablas);
    for (const std::string& nombre : NombresTablasExportacion()) {
        std::string minusculas = nombre;
        for (char& c : minusculas) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        fs::rename(carpetas.trabajo() / nombre, carpetas.trabajo() / minusculas);
    }
    ASSERT_EQ(carpetas.exportar().desenlace, Desenlace::Finalizado);
    EXPECT_EQ(Sesiones(carpetas.salida()).size(), 1u);
}

TEST(DocumentoDeSalida, UnaSalidaAnteriorSeReemplaza) {
    CarpetasExportacion carpetas;
    WriteFile(carpetas.salida(), "de una exportaci\xC3\xB3n anterior");
    const std::string salida = Salida(carpetas, EscuelaBase());
    EXPECT_EQ(salida.rfind("<?xml", 0), 0u) << salida;
    EXPECT_EQ(Snapshot(carpetas.datos()).size(), 2u) << "the chosen file and the output, no leftovers";
}

TEST(NombreSalida, ResultadoTavoraDelanteDelNombreEnLaMismaCarpeta) {
    struct Caso {
        fs::path elegido;
        fs::path salida;
    };
    const Caso casos[] = {
        {fs::path("datos") / "export.xml", fs::path("datos") / "ResultadoTavoraexport.xml"},
        {"export.XML", "ResultadoTavoraexport.XML"},
        {fs::path("d") / "sin extension", fs::path("d") / "ResultadoTavorasin extension"},
        {fs::path("d") / u8"exportación.xml", fs::path("d") / u8"ResultadoTavoraexportación.xml"},
#ifdef _WIN32
        {L"D:\\datos\\export.xml", L"D:\\datos\\ResultadoTavoraexport.xml"},
#endif
    };
    for (const Caso& caso : casos) EXPECT_EQ(tt::exporter::NombreSalida(caso.elegido), caso.salida);
}

} // namespace
