// The real program started by Horavant's launcher (horavant-standin launch)
// on the display the tests run with: a file dialog closed without a choice
// must end the run and hand Horavant -1, touching no table. Skipped without
// a display.

#include <QProcess>
#include <QThread>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <optional>
#include <xcb/xcb.h>

#include "support/temp_dir.hpp"
#include "x11_windows.hpp"

namespace tt::app {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

class LanzadoPorHoravant : public ::testing::Test {
protected:
    void SetUp() override {
        const char* pantalla = std::getenv("DISPLAY");
        if (pantalla == nullptr || *pantalla == '\0') GTEST_SKIP() << "no X11 display (DISPLAY)";
        conexion_ = xcb_connect(nullptr, nullptr);
        ASSERT_EQ(xcb_connection_has_error(conexion_), 0) << "cannot connect to " << pantalla;
        raiz_ = xcb_setup_roots_iterator(xcb_get_setup(conexion_)).data->root;
        // Installed on its own, so that Horavant.ini lands in this test's folder.
        fs::create_directories(instalacion_);
        fs::create_directories(trabajo_);
        fs::copy_file(TT_APP_REAL_PROGRAM, programa_);
    }

    void TearDown() override {
        if (lanzador_.state() != QProcess::NotRunning) {
            lanzador_.kill();
            lanzador_.waitForFinished(5000);
        }
        if (conexion_) xcb_disconnect(conexion_);
    }

    void lanzar(const QString& accion) {
        auto entorno = QProcessEnvironment::systemEnvironment();
        entorno.insert("QT_QPA_PLATFORM", "xcb");
        entorno.insert("TRANSTAVORA_WORKDIR", QString::fromStdString(trabajo_.string()));
        entorno.insert("LSAN_OPTIONS", "suppressions=" TT_APP_LSAN_SUPPRESSIONS);
        lanzador_.setProcessEnvironment(entorno);
        lanzador_.start(TT_STANDIN_PROGRAM,
                        {"launch", accion, "--program", QString::fromStdString(programa_.string())});
        ASSERT_TRUE(lanzador_.waitForStarted(10000));
    }

    // The visible top-level window with this title, once it shows.
    std::optional<xcb_window_t> esperarVentana(const std::string& titulo) {
        const auto fin = std::chrono::steady_clock::now() + 20s;
        while (std::chrono::steady_clock::now() < fin) {
            if (const auto ventana = tt::testing::HijoConTitulo(conexion_, raiz_, titulo, true)) return ventana;
            QThread::msleep(50);
        }
        return std::nullopt;
    }

    tt::testing::TempDir temp_;
    fs::path instalacion_ = temp_ / "programa";
    fs::path programa_ = instalacion_ / "TransTavoraVelmora";
    fs::path trabajo_ = temp_ / "htemp";
    xcb_connection_t* conexion_ = nullptr;
    xcb_window_t raiz_ = 0;
    QProcess lanzador_;
};

TEST_F(LanzadoPorHoravant, ClosingTheFileDialogEndsTheRunWithMinusOne) {
    ASSERT_NO_FATAL_FAILURE(lanzar("exportar"));

    const auto dialogo = esperarVentana("Archivo XML");
    ASSERT_TRUE(dialogo) << "the run's file dialog never showed";
    tt::testing::PedirCierre(conexion_, *dialogo);
    // No file chosen: the run says so, and ends once that is acknowledged.
    const auto mensaje = esperarVentana("TransTavoraVelmora");
    ASSERT_TRUE(mensaje) << "no message after the file dialog closed";
    tt::testing::PedirCierre(conexion_, *mensaje);

    ASSERT_TRUE(lanzador_.waitForFinished(20000)) << "the program did not end";
    const std::string salida = lanzador_.readAllStandardOutput().toStdString();
    const std::string errores = lanzador_.readAllStandardError().toStdString();
    EXPECT_EQ(lanzador_.exitCode(), 0) << errores;
    EXPECT_EQ(salida, "Transformado: -1\n") << errores;
    EXPECT_THAT(errores, ::testing::Not(::testing::HasSubstr("TransTavoraVelmora termin")))
        << "the program ended abnormally";
    EXPECT_TRUE(fs::is_empty(trabajo_));
}

} // namespace
} // namespace tt::app
