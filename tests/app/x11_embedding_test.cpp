// The program's start-up (app_probe: the real one with stand-in runs) under a
// private Xvfb, embedded into a window of this test process the way Horavant's
// window takes it.

#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <xcb/xcb.h>

#include "support/temp_dir.hpp"
#include "x11_windows.hpp"

namespace tt::app {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

const std::string kTituloVentana = "Exportar e importar datos entre Horavant y Velmora";

bool Esperar(const std::function<bool()>& condicion, std::chrono::milliseconds plazo = 20s) {
    const auto fin = std::chrono::steady_clock::now() + plazo;
    while (std::chrono::steady_clock::now() < fin) {
        if (condicion()) return true;
        QThread::msleep(50);
    }
    return condicion();
}

// An Xvfb of its own on a free display, and a connection to it.
class Xvfb {
public:
    // nullptr, with the reason, when no server could be started here.
    static std::unique_ptr<Xvfb> Arrancar(std::string& motivo) {
        const QString programa = QStandardPaths::findExecutable("Xvfb");
        if (programa.isEmpty()) {
            motivo = "Xvfb is not installed";
            return nullptr;
        }
        // The server picks a free display and tells its number on stdout, so
        // tests running side by side never share one.
        auto servidor = std::unique_ptr<Xvfb>(new Xvfb);
        servidor->proceso_.start(programa, {"-displayfd", "1", "-screen", "0", "1024x768x24",
                                            "-nolisten", "tcp"});
        if (!servidor->proceso_.waitForStarted(5000)) {
            motivo = "Xvfb could not be started";
            return nullptr;
        }
        while (!servidor->proceso_.canReadLine()) {
            if (!servidor->proceso_.waitForReadyRead(10000)) {
                motivo = "Xvfb did not report its display";
                return nullptr;
            }
        }
        servidor->pantalla_ = ":" + servidor->proceso_.readLine().trimmed().toStdString();
        servidor->conexion_ = xcb_connect(servidor->pantalla_.c_str(), nullptr);
        if (xcb_connection_has_error(servidor->conexion_)) {
            motivo = "cannot connect to Xvfb on " + servidor->pantalla_;
            return nullptr;
        }
        return servidor;
    }

    ~Xvfb() {
        if (conexion_) xcb_disconnect(conexion_);
        proceso_.terminate();
        if (!proceso_.waitForFinished(5000)) proceso_.kill();
        proceso_.waitForFinished(5000);
    }

    QString pantalla() const { return QString::fromStdString(pantalla_); }
    xcb_connection_t* conexion() const { return conexion_; }
    xcb_window_t raiz() const { return xcb_setup_roots_iterator(xcb_get_setup(conexion_)).data->root; }

    xcb_window_t crearVentana() {
        const xcb_screen_t* pantalla = xcb_setup_roots_iterator(xcb_get_setup(conexion_)).data;
        const xcb_window_t ventana = xcb_generate_id(conexion_);
        xcb_create_window(conexion_, XCB_COPY_FROM_PARENT, ventana, pantalla->root, 0, 0, 800, 400,
                          0, XCB_WINDOW_CLASS_INPUT_OUTPUT, pantalla->root_visual, 0, nullptr);
        xcb_map_window(conexion_, ventana);
        xcb_flush(conexion_);
        return ventana;
    }

    bool existe(xcb_window_t ventana) const {
        xcb_generic_error_t* error = nullptr;
        auto* atributos = xcb_get_window_attributes_reply(
            conexion_, xcb_get_window_attributes(conexion_, ventana), &error);
        const bool hay = atributos != nullptr;
        std::free(atributos);
        std::free(error);
        return hay;
    }

    // Whether a child of `padre` carries the title `titulo`.
    bool hijoConTitulo(xcb_window_t padre, const std::string& titulo) const {
        return tt::testing::HijoConTitulo(conexion_, padre, titulo).has_value();
    }

private:
    Xvfb() = default;

    std::string pantalla_;
    QProcess proceso_;
    xcb_connection_t* conexion_ = nullptr;
};

class ProgramaEnXvfb : public ::testing::Test {
protected:
    std::unique_ptr<Xvfb> x;
    tt::testing::TempDir instalacion; // the program's own folder, where Horavant.ini goes
    QProcess programa;

    void SetUp() override {
        std::string motivo;
        x = Xvfb::Arrancar(motivo);
        if (!x) {
            GTEST_SKIP() << "Skipping the X11 embedding test: " << motivo;
        }
        fs::copy_file(TT_APP_PROGRAM, instalacion / "TransTavoraVelmora");
    }

    void TearDown() override {
        if (programa.state() != QProcess::NotRunning) {
            programa.kill();
            programa.waitForFinished(5000);
        }
    }

    void arrancar(const QStringList& argumentos) {
        auto entorno = QProcessEnvironment::systemEnvironment();
        entorno.insert("DISPLAY", x->pantalla());
        entorno.insert("QT_QPA_PLATFORM", "xcb");
        entorno.insert("LSAN_OPTIONS", "suppressions=" TT_APP_LSAN_SUPPRESSIONS);
        programa.setProcessEnvironment(entorno);
        programa.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        programa.start(QString::fromStdString((instalacion / "TransTavoraVelmora").string()),
                       argumentos);
        ASSERT_TRUE(programa.waitForStarted(10000));
    }

    std::string ini() const {
        const auto ruta = instalacion / "Horavant.ini";
        return fs::exists(ruta) ? tt::testing::ReadFile(ruta) : "(no ini)";
    }
};

TEST_F(ProgramaEnXvfb, LivesInsideTheHostWindowAndEndsWithIt) {
    // An unknown word waits for the user; "exportar" waits in its file dialog.
    for (const char* palabra : {"nada", "exportar"}) {
        SCOPED_TRACE(palabra);
        const xcb_window_t anfitrion = x->crearVentana();
        fs::remove(instalacion / "Horavant.ini");
        arrancar({palabra, QString::number(anfitrion, 16).toUpper()});

        EXPECT_TRUE(Esperar([&] { return x->hijoConTitulo(anfitrion, kTituloVentana); }))
            << "the program's window never became a child of the host window";
        if (std::string(palabra) == "exportar") {
            EXPECT_TRUE(Esperar([&] { return x->hijoConTitulo(x->raiz(), "Archivo XML"); }))
                << "the run's file dialog never showed";
        }

        xcb_destroy_window(x->conexion(), anfitrion);
        xcb_flush(x->conexion());
        ASSERT_TRUE(programa.waitForFinished(20000)) << "the program outlived its host window";
        EXPECT_EQ(programa.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(ini(), "[Transformadores]\r\nTransformado=0\r\n");
    }
}

TEST_F(ProgramaEnXvfb, HandleOfNoWindowIsReportedAndTheProgramGoesOn) {
    const xcb_window_t ninguna = 0x1FFFFF;
    ASSERT_FALSE(x->existe(ninguna));

    arrancar({"nada", QString::number(ninguna, 16)});

    EXPECT_TRUE(Esperar([&] { return x->hijoConTitulo(x->raiz(), "TransTavoraVelmora"); }))
        << "no message box about the missing window";
    EXPECT_EQ(programa.state(), QProcess::Running);
}

} // namespace
} // namespace tt::app
