#include "launch.hpp"

#include "error.hpp"
#include "platform/display_path.hpp"
#include "platform/paths.hpp"

#ifndef _WIN32
// Only the narrow, case-insensitive CSimpleIniA is used: no converter needed.
#define SI_NO_CONVERSION
#include <SimpleIni.h>
#include <xcb/xcb.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <vector>

extern char** environ;
#endif

namespace tt::standin {

namespace fs = std::filesystem;

#ifdef _WIN32

ResultadoLanzamiento Lanzar(const std::string&, const fs::path&) {
    throw Error("La orden launch solo est\xC3\xA1 disponible en Linux con X11.");
}

#else

namespace {

constexpr const char* kSeccion = "Transformadores";
constexpr const char* kClave = "Transformado";

class VentanaX11 {
public:
    VentanaX11() {
        int pantalla = 0;
        conexion_ = xcb_connect(nullptr, &pantalla);
        if (xcb_connection_has_error(conexion_)) {
            xcb_disconnect(conexion_);
            throw Error("No se puede abrir la pantalla X11 (revise DISPLAY).");
        }
        auto raiz = xcb_setup_roots_iterator(xcb_get_setup(conexion_));
        for (; pantalla > 0 && raiz.rem > 0; --pantalla) xcb_screen_next(&raiz);
        const xcb_screen_t* screen = raiz.data;

        ventana_ = xcb_generate_id(conexion_);
        const uint32_t valores[] = {screen->white_pixel, XCB_EVENT_MASK_EXPOSURE};
        xcb_create_window(conexion_, XCB_COPY_FROM_PARENT, ventana_, screen->root, 0, 0, 800, 500, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual,
                          XCB_CW_BACK_PIXEL | XCB_CW_EVENT_MASK, valores);
        const std::string titulo = "Horavant";
        xcb_change_property(conexion_, XCB_PROP_MODE_REPLACE, ventana_, XCB_ATOM_WM_NAME,
                            XCB_ATOM_STRING, 8, static_cast<uint32_t>(titulo.size()), titulo.data());
        xcb_map_window(conexion_, ventana_);
        xcb_flush(conexion_);
    }
    ~VentanaX11() {
        xcb_destroy_window(conexion_, ventana_);
        xcb_flush(conexion_);
        xcb_disconnect(conexion_);
    }
    VentanaX11(const VentanaX11&) = delete;
    VentanaX11& operator=(const VentanaX11&) = delete;

    std::string idHexadecimal() const {
        char texto[16];
        std::snprintf(texto, sizeof texto, "%X", static_cast<unsigned>(ventana_));
        return texto;
    }

    // Takes the queued events off the connection so they do not pile up.
    void atender() {
        while (xcb_generic_event_t* evento = xcb_poll_for_event(conexion_)) std::free(evento);
    }

private:
    xcb_connection_t* conexion_ = nullptr;
    xcb_window_t ventana_ = 0;
};

fs::path ArchivoIni(const fs::path& programa) {
    return platform::ResolveNoCase(fs::absolute(programa).parent_path(), "Horavant.ini");
}

void OlvidarResultadoAnterior(const fs::path& ini) {
    if (!fs::exists(ini)) return;
    CSimpleIniA archivo;
    if (archivo.LoadFile(ini.c_str()) < 0)
        throw Error("No se puede leer " + platform::DisplayPath(ini));
    if (!archivo.Delete(kSeccion, kClave)) return;
    if (archivo.SaveFile(ini.c_str()) < 0)
        throw Error("No se puede escribir " + platform::DisplayPath(ini));
}

std::optional<std::string> ValorTransformado(const fs::path& ini) {
    if (!fs::exists(ini)) return std::nullopt;
    CSimpleIniA archivo;
    if (archivo.LoadFile(ini.c_str()) < 0)
        throw Error("No se puede leer " + platform::DisplayPath(ini));
    const char* valor = archivo.GetValue(kSeccion, kClave, nullptr);
    if (valor == nullptr) return std::nullopt;
    return valor;
}

pid_t Iniciar(const fs::path& programa, const std::vector<std::string>& argumentos) {
    std::vector<char*> argv;
    for (const auto& a : argumentos) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (const int error = posix_spawn(&pid, programa.c_str(), nullptr, nullptr, argv.data(), environ))
        throw Error("No se puede iniciar " + platform::DisplayPath(programa) + ": " + std::strerror(error));
    return pid;
}

// Waits for the program while keeping the window's connection drained.
int Esperar(pid_t pid, VentanaX11& ventana) {
    for (;;) {
        int estado = 0;
        const pid_t terminado = waitpid(pid, &estado, WNOHANG);
        if (terminado == pid) return estado;
        if (terminado < 0 && errno != EINTR)
            throw Error(std::string("No se puede esperar a TransTavoraVelmora: ") + std::strerror(errno));
        ventana.atender();
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

} // namespace

ResultadoLanzamiento Lanzar(const std::string& accion, const fs::path& programa) {
    OlvidarResultadoAnterior(ArchivoIni(programa));

    VentanaX11 ventana;
    const pid_t pid = Iniciar(programa, {programa.string(), accion, ventana.idHexadecimal()});
    const int estado = Esperar(pid, ventana);

    ResultadoLanzamiento resultado;
    if (WIFSIGNALED(estado))
        resultado.aviso = "TransTavoraVelmora termin\xC3\xB3 por la se\xC3\xB1" "al " +
                          std::to_string(WTERMSIG(estado));
    else if (WIFEXITED(estado) && WEXITSTATUS(estado) != 0)
        resultado.aviso = "TransTavoraVelmora termin\xC3\xB3 con el c\xC3\xB3" "digo " +
                          std::to_string(WEXITSTATUS(estado));
    const fs::path ini = ArchivoIni(programa); // again: the program may have created it
    const auto valor = ValorTransformado(ini);
    if (!valor)
        throw Error("TransTavoraVelmora no dej\xC3\xB3 resultado en [Transformadores] Transformado de " +
                    platform::DisplayPath(ini) + (resultado.aviso.empty() ? "" : " (" + resultado.aviso + ")"));
    resultado.transformado = *valor;
    return resultado;
}

#endif

} // namespace tt::standin
