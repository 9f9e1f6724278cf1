#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/main_form.hpp"
#include "app/template_dialog.hpp"
#include "error.hpp"
#include "fakes.hpp"
#include "support/temp_dir.hpp"

namespace tt::app {
namespace {

using namespace falsos;
using importer::Desenlace;
using importer::ParametrosImportacion;
using importer::ResultadoImportacion;
namespace fs = std::filesystem;

const std::string kFinalizado = importer::kProcesoFinalizado;
const std::string kNoExiste = importer::kNoExisteArchivo;

std::string IniCon(int valor) {
    return "[Transformadores]\r\nTransformado=" + std::to_string(valor) + "\r\n";
}

ResultadoImportacion Resultado(Desenlace desenlace, std::string mensaje) {
    return {desenlace, std::move(mensaje), {}};
}

class VentanaPrincipal : public ::testing::Test {
protected:
    tt::testing::TempDir carpeta;
    fs::path carpetaAplicacion = carpeta.path();
    EjecutoresFalsos ejecutores;
    DialogosFalsos dialogos;
    AnfitrionFalso anfitrion;
    std::unique_ptr<TMForm> ventana;
    bool cerrada = false; // the window closed by itself or was closed

    TMForm& abrir(QStringList argumentos) {
        ventana = std::make_unique<TMForm>(std::move(argumentos), carpetaAplicacion,
                                           TMForm::Servicios{ejecutores, dialogos, anfitrion});
        QObject::connect(ventana.get(), &TMForm::cerrada, [this] { cerrada = true; });
        ventana->show();
        QCoreApplication::processEvents(); // the run that showing starts
        return *ventana;
    }

    QPushButton& boton(const char* nombre) {
        auto* encontrado = ventana->findChild<QPushButton*>(nombre);
        if (!encontrado) throw std::runtime_error(std::string("no button ") + nombre);
        return *encontrado;
    }

    // Answers the next modal "Plantillas Horarias" with `codigo`, after `antes`.
    void responderPlantilla(const QString& codigo, std::function<void()> antes = {}) {
        QTimer::singleShot(0, [=, this] {
            auto* dialogo = dynamic_cast<TPlantillas*>(QApplication::activeModalWidget());
            ASSERT_NE(dialogo, nullptr) << "no modal template dialog";
            EXPECT_EQ(dialogo->parentWidget(), ventana.get());
            dialogo->findChild<QComboBox*>("ComboBoxPlantilla")->setCurrentText(codigo);
            if (antes) antes();
            dialogo->findChild<QPushButton*>("BitBtnContinuar")->click();
        });
    }

    std::optional<std::string> ini() const {
        const auto ruta = carpeta / "Horavant.ini";
        if (!fs::exists(ruta)) return std::nullopt;
        return tt::testing::ReadFile(ruta);
    }
};

// --- command line ---------------------------------------------------------

struct CasoArgumentos {
    const char* nombre;
    QStringList argumentos;
    int modoComando;
    std::vector<std::uint32_t> incrustadaEn;
    std::size_t importaciones;
    std::size_t exportaciones;
    std::vector<std::string> mensajes; // once the window is shown
    bool cerradaSola;
    std::optional<std::string> iniAlCerrar;
};

void PrintTo(const CasoArgumentos& caso, std::ostream* os) { *os << caso.nombre; }

class ArgumentosDeLinea : public VentanaPrincipal,
                          public ::testing::WithParamInterface<CasoArgumentos> {};

TEST_P(ArgumentosDeLinea, SelectTheModeAndTheRun) {
    const auto& caso = GetParam();
    auto& v = abrir(caso.argumentos);

    EXPECT_EQ(v.modoComando(), caso.modoComando);
    EXPECT_EQ(anfitrion.manejadores, caso.incrustadaEn);
    EXPECT_EQ(v.windowFlags().testFlag(Qt::FramelessWindowHint), !caso.incrustadaEn.empty());
    EXPECT_EQ(ejecutores.importados.size(), caso.importaciones);
    EXPECT_EQ(ejecutores.exportados.size(), caso.exportaciones);
    EXPECT_EQ(dialogos.mensajes, caso.mensajes);
    EXPECT_EQ(cerrada, caso.cerradaSola);

    v.close();
    EXPECT_EQ(ini(), caso.iniAlCerrar);
}

INSTANTIATE_TEST_SUITE_P(
    TMForm, ArgumentosDeLinea,
    ::testing::Values(
        CasoArgumentos{"none", {}, 0, {}, 0, 0, {}, false, std::nullopt},
        CasoArgumentos{"one", {"exportar"}, 0, {}, 0, 0, {}, false, std::nullopt},
        CasoArgumentos{"three", {"exportar", "1A2B", "otro"}, 0, {}, 0, 0, {}, false,
                       std::nullopt},
        CasoArgumentos{"capitals_import", {"EXPORTAR", "1A2B"}, 2, {0x1A2B}, 1, 0, {kFinalizado},
                       true, IniCon(1)},
        CasoArgumentos{"mixed_case_export", {"ImPorTar", "00ff"}, 2, {0xFF}, 0, 1, {kFinalizado},
                       true, IniCon(1)},
        CasoArgumentos{"unknown_word_waits", {"borrar", "1A2B"}, 2, {0x1A2B}, 0, 0, {}, false,
                       IniCon(0)},
        // The run still starts, but nothing is embedded, closed or reported.
        CasoArgumentos{"bad_handle",
                       {"exportar", "zz"},
                       0,
                       {},
                       1,
                       0,
                       {"'$zz' no es un valor entero v\xC3\xA1lido", kFinalizado},
                       false,
                       std::nullopt}),
    [](const auto& info) { return std::string(info.param.nombre); });

// --- outcomes of a command-line run -----------------------------------------

struct CasoDesenlace {
    const char* nombre;
    std::function<ResultadoImportacion()> importar;
    std::string mensaje;
    bool cerradaSola;
    int flag; // ResultadoProceso, and what the ini receives on closing
    bool botonesActivos;
};

void PrintTo(const CasoDesenlace& caso, std::ostream* os) { *os << caso.nombre; }

class DesenlaceEnModoComando : public VentanaPrincipal,
                               public ::testing::WithParamInterface<CasoDesenlace> {};

TEST_P(DesenlaceEnModoComando, ReachesTheIniAndTheWindow) {
    const auto& caso = GetParam();
    const std::string ajeno = "; Horavant\r\n[General]\r\nIdioma=es\r\n\r\n";
    tt::testing::WriteFile(carpeta / "Horavant.ini",
                           ajeno + "[transformadores]\r\nTRANSFORMADO=9\r\n");
    std::optional<Qt::CursorShape> cursorDurante;
    ejecutores.alImportar = [&](const ParametrosImportacion&) {
        if (const QCursor* cursor = QApplication::overrideCursor())
            cursorDurante = cursor->shape();
        return caso.importar();
    };

    auto& v = abrir({"exportar", "1A2B"});

    EXPECT_EQ(cursorDurante, Qt::WaitCursor);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(dialogos.mensajes, std::vector<std::string>{caso.mensaje});
    EXPECT_EQ(cerrada, caso.cerradaSola);
    EXPECT_EQ(v.resultadoProceso(), caso.flag);
    EXPECT_EQ(boton("BExportar").isEnabled(), caso.botonesActivos);
    EXPECT_EQ(boton("BImportar").isEnabled(), caso.botonesActivos);

    if (!cerrada) v.close();
    EXPECT_EQ(ini(), ajeno + "[transformadores]\r\nTRANSFORMADO=" + std::to_string(caso.flag) +
                         "\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    TMForm, DesenlaceEnModoComando,
    ::testing::Values(
        CasoDesenlace{"finished", [] { return Resultado(Desenlace::Finalizado, kFinalizado); },
                      kFinalizado, true, 1, false},
        CasoDesenlace{"no_file", [] { return Resultado(Desenlace::NoExisteArchivo, kNoExiste); },
                      kNoExiste, true, -1, true},
        CasoDesenlace{"no_lookup_table",
                      [] {
                          return Resultado(Desenlace::FaltaNivelex,
                                           importer::kNivelexNoEncontrado);
                      },
                      importer::kNivelexNoEncontrado, false, 0, true},
        CasoDesenlace{"run_error",
                      []() -> ResultadoImportacion {
                          throw Error("La tabla PROFT est\xC3\xA1 abierta en otro programa");
                      },
                      "La tabla PROFT est\xC3\xA1 abierta en otro programa", false, 0, true},
        CasoDesenlace{"other_exception",
                      []() -> ResultadoImportacion { throw std::runtime_error("sin memoria"); },
                      "sin memoria", false, 0, true}),
    [](const auto& info) { return std::string(info.param.nombre); });

// --- interactive runs -------------------------------------------------------

class BotonDeProceso : public VentanaPrincipal, public ::testing::WithParamInterface<const char*> {};

TEST_P(BotonDeProceso, FinishedRunDisablesBothButtonsAndLeavesTheIniAlone) {
    auto& v = abrir({});
    dialogos.respuestas = {"/datos/export.xml"};

    boton(GetParam()).click();

    EXPECT_EQ(dialogos.mensajes, std::vector<std::string>{kFinalizado});
    EXPECT_EQ(v.resultadoProceso(), 1);
    EXPECT_FALSE(boton("BExportar").isEnabled());
    EXPECT_FALSE(boton("BImportar").isEnabled());
    EXPECT_FALSE(cerrada);
    v.close();
    EXPECT_EQ(ini(), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(TMForm, BotonDeProceso, ::testing::Values("BExportar", "BImportar"));

TEST_F(VentanaPrincipal, CancelledDialogReusesTheFileEitherRunChoseBefore) {
    abrir({});
    ejecutores.alImportar = [](const ParametrosImportacion& p) {
        return p.archivoXml.empty() ? Resultado(Desenlace::NoExisteArchivo, kNoExiste)
                                    : Resultado(Desenlace::FaltaNivelex,
                                                importer::kNivelexNoEncontrado);
    };
    ejecutores.alExportar = [](const fs::path&) {
        return exporter::ResultadoExportacion{exporter::Desenlace::FaltaPeriodos,
                                              exporter::kPeriodosNoEncontrado, {}};
    };
    dialogos.respuestas = {"", "/datos/export.xml"}; // cancel, choose, then cancel again

    boton("BExportar").click();
    boton("BExportar").click();
    boton("BImportar").click();

    EXPECT_EQ(ejecutores.importados, (std::vector<fs::path>{"", "/datos/export.xml"}));
    EXPECT_EQ(ejecutores.exportados, std::vector<fs::path>{"/datos/export.xml"});
    EXPECT_EQ(dialogos.inicialesDelDialogo,
              (std::vector<QString>{"", "", "/datos/export.xml"}));
    EXPECT_EQ(ventana->resultadoProceso(), 0); // interactive: no -1
    EXPECT_TRUE(boton("BExportar").isEnabled());
}

// --- the template question --------------------------------------------------

importer::OpcionesPlantilla DosPlantillas() {
    return {{{"A", "Ordinaria", "01/09/2024", "30/06/2025"},
             {"B", "Intensiva", "01/06/2025", "30/06/2025"}},
            {{"1A", "A"}, {"1B", "B"}}};
}

TEST_F(VentanaPrincipal, TemplateQuestionIsAnsweredWithTheModalDialog) {
    std::string elegida;
    ejecutores.alImportar = [&](const ParametrosImportacion& p) {
        responderPlantilla("B");
        elegida = p.selector->elegir(DosPlantillas());
        return Resultado(Desenlace::Finalizado, kFinalizado);
    };
    abrir({});

    boton("BExportar").click();

    EXPECT_EQ(elegida, "B");
    EXPECT_EQ(dialogos.mensajes, std::vector<std::string>{kFinalizado});
}

// --- Horavant's window ------------------------------------------------------

TEST_F(VentanaPrincipal, HostWindowGoneClosesTheWindowAndReportsTheFlag) {
    abrir({"borrar", "1A2B"});
    ASSERT_TRUE(anfitrion.desaparecer);

    anfitrion.desaparecer();

    EXPECT_TRUE(cerrada);
    EXPECT_EQ(ini(), IniCon(0));
}

TEST_F(VentanaPrincipal, HostWindowGoneDuringTheFileDialogStartsNoRun) {
    dialogos.alElegir = [this] { anfitrion.desaparecer(); };
    dialogos.respuestas = {"/datos/export.xml"};

    abrir({"exportar", "1A2B"});

    EXPECT_TRUE(cerrada);
    EXPECT_TRUE(ejecutores.importados.empty());
    EXPECT_EQ(ini(), IniCon(0));
}

TEST_F(VentanaPrincipal, HostWindowGoneDuringTheTemplateDialogStopsTheImport) {
    bool elegida = false;
    ejecutores.alImportar = [&](const ParametrosImportacion& p) {
        responderPlantilla("B", [this] { anfitrion.desaparecer(); });
        p.selector->elegir(DosPlantillas());
        elegida = true;
        return Resultado(Desenlace::Finalizado, kFinalizado);
    };

    abrir({"exportar", "1A2B"});

    EXPECT_FALSE(elegida) << "the import went on after the program began to end";
    EXPECT_EQ(ini(), IniCon(0));
    EXPECT_EQ(ventana->resultadoProceso(), 0);
}

TEST_F(VentanaPrincipal, RefusedEmbeddingKeepsCommandModeInATopLevelWindow) {
    anfitrion.fallo = "No existe la ventana de Horavant indicada (1A2B)";

    auto& v = abrir({"exportar", "1A2B"});

    EXPECT_EQ(dialogos.mensajes, (std::vector<std::string>{*anfitrion.fallo, kFinalizado}));
    EXPECT_FALSE(v.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(v.modoComando(), 2);
    EXPECT_TRUE(cerrada);
    EXPECT_EQ(ini(), IniCon(1));
}

TEST_F(VentanaPrincipal, IniThatCannotBeWrittenIsReported) {
    carpetaAplicacion = carpeta / "no-existe";
    auto& v = abrir({"borrar", "1A2B"});

    v.close();

    ASSERT_EQ(dialogos.mensajes.size(), 1u);
    EXPECT_NE(dialogos.mensajes[0].find("Horavant.ini"), std::string::npos) << dialogos.mensajes[0];
}

// --- help -------------------------------------------------------------------

TEST_F(VentanaPrincipal, HelpOpensTheHelpFileBesideTheProgram) {
    tt::testing::WriteFile(carpeta / "velmora.CHM", "ayuda");
    auto& v = abrir({});

    boton("Button1").click();
    v.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&v));
    QTest::keyClick(&v, Qt::Key_F1);

    const QString esperado = QString::fromStdString((carpeta / "velmora.CHM").string());
    EXPECT_EQ(dialogos.abiertos, (std::vector<QString>{esperado, esperado}));
    EXPECT_TRUE(dialogos.mensajes.empty());
}

TEST_F(VentanaPrincipal, HelpThatCannotBeShownIsReported) {
    abrir({});
    boton("Button1").click();
    ASSERT_EQ(dialogos.mensajes.size(), 1u);
    EXPECT_NE(dialogos.mensajes[0].find("VELMORA.chm"), std::string::npos);

    tt::testing::WriteFile(carpeta / "VELMORA.chm", "ayuda");
    dialogos.hayVisor = false;
    boton("Button1").click();
    ASSERT_EQ(dialogos.mensajes.size(), 2u);
    EXPECT_NE(dialogos.mensajes[1].find("no hay ning"), std::string::npos) << dialogos.mensajes[1];
}

} // namespace
} // namespace tt::app
