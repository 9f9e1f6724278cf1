#include "app/native_host.hpp"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <cstdint>
#include <cstdio>

#ifdef _WIN32
#include "platform/windows_api.hpp"
#elif defined(TT_APP_XCB)
#include <cstdlib>
#include <xcb/xcb.h>
#endif

namespace tt::app {

namespace {

// Whether the window exists; nullopt where this platform cannot tell, and so
// cannot embed either.
std::optional<bool> ExisteVentana(std::uint32_t manejador) {
#ifdef _WIN32
    return IsWindow(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(manejador))) != FALSE;
#else
#ifdef TT_APP_XCB
    if (QGuiApplication::platformName() == u"xcb") {
        const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        if (!x11) return std::nullopt;
        xcb_connection_t* conexion = x11->connection();
        // Asked before Qt touches the handle: a window id that names nothing
        // would make every later request on it fail.
        xcb_generic_error_t* error = nullptr;
        auto* atributos = xcb_get_window_attributes_reply(
            conexion, xcb_get_window_attributes(conexion, manejador), &error);
        const bool existe = atributos != nullptr;
        std::free(atributos);
        std::free(error);
        return existe;
    }
#endif
    (void)manejador;
    return std::nullopt;
#endif
}

std::string Hexadecimal(std::uint32_t manejador) {
    char texto[16];
    std::snprintf(texto, sizeof texto, "%X", static_cast<unsigned>(manejador));
    return texto;
}

constexpr const char* kSigueIndependiente = "; el programa sigue como ventana independiente.";

} // namespace

AnfitrionNativo::AnfitrionNativo() { vigilancia_.setInterval(500); }

AnfitrionNativo::~AnfitrionNativo() = default;

std::optional<std::string> AnfitrionNativo::incrustar(QWidget& ventana, std::uint32_t manejador,
                                                      std::function<void()> alDesaparecer) {
    const auto existe = ExisteVentana(manejador);
    if (!existe)
        return "La plataforma gr\xC3\xA1""fica \"" + QGuiApplication::platformName().toStdString() +
               "\" no permite mostrar el programa dentro de la ventana de Horavant" +
               kSigueIndependiente;
    if (!*existe)
        return "No existe la ventana de Horavant indicada (" + Hexadecimal(manejador) + ")" +
               kSigueIndependiente;

    ventanaAjena_.reset(QWindow::fromWinId(manejador));
    ventana.winId();
    ventana.windowHandle()->setParent(ventanaAjena_.get());
    ventana.move(0, 0);

    // Nothing tells a child that its foreign parent went away, so ask.
    QObject::connect(&vigilancia_, &QTimer::timeout, &vigilancia_,
                     [this, manejador, aviso = std::move(alDesaparecer)] {
                         if (ExisteVentana(manejador) == true) return;
                         vigilancia_.stop();
                         aviso();
                     });
    vigilancia_.start();
    return std::nullopt;
}

} // namespace tt::app
