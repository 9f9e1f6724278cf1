#include "app/horavant_ini.hpp"

#include <fstream>
#include <iterator>
#include <optional>
#include <vector>

#include "error.hpp"
#include "platform/display_path.hpp"
#include "platform/paths.hpp"
#include "text/clipper.hpp"

namespace tt::app {

namespace fs = std::filesystem;

namespace {

struct Linea {
    std::string texto; // without its line ending
    std::string fin;   // "\r\n", "\n" or "" for a last line without one
};

std::vector<Linea> PartirLineas(const std::string& contenido) {
    std::vector<Linea> lineas;
    std::size_t inicio = 0;
    while (inicio < contenido.size()) {
        const auto salto = contenido.find('\n', inicio);
        if (salto == std::string::npos) {
            lineas.push_back({contenido.substr(inicio), ""});
            break;
        }
        const bool conRetorno = salto > inicio && contenido[salto - 1] == '\r';
        const auto finTexto = conRetorno ? salto - 1 : salto;
        lineas.push_back({contenido.substr(inicio, finTexto - inicio), conRetorno ? "\r\n" : "\n"});
        inicio = salto + 1;
    }
    return lineas;
}

std::string_view Recortar(std::string_view s) {
    const auto blanco = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && blanco(s.front())) s.remove_prefix(1);
    while (!s.empty() && blanco(s.back())) s.remove_suffix(1);
    return s;
}

// The section a header line names, or nullopt for any other line.
std::optional<std::string_view> NombreSeccion(std::string_view texto) {
    texto = Recortar(texto);
    if (texto.empty() || texto.front() != '[') return std::nullopt;
    texto.remove_prefix(1);
    return Recortar(texto.substr(0, texto.find(']')));
}

// The key a "key=value" line names, or nullopt for any other line.
std::optional<std::string_view> NombreClave(std::string_view texto) {
    const auto igual = texto.find('=');
    if (igual == std::string_view::npos) return std::nullopt;
    return Recortar(texto.substr(0, igual));
}

constexpr std::string_view kMarcaUtf8 = "\xEF\xBB\xBF";

} // namespace

std::string FijarValorPerfil(const std::string& contenido, std::string_view seccion,
                             std::string_view clave, std::string_view valor) {
    auto lineas = PartirLineas(contenido);
    // New lines follow the file's own convention; Windows' when there is none.
    std::string fin = "\r\n";
    if (!lineas.empty() && !lineas.front().fin.empty()) fin = lineas.front().fin;

    std::optional<std::size_t> cabecera;    // header line of the section
    std::optional<std::size_t> ultimaLlena; // its last non-blank line
    bool fijada = false;
    for (std::size_t i = 0; i < lineas.size(); ++i) {
        std::string_view texto = lineas[i].texto;
        if (i == 0 && texto.starts_with(kMarcaUtf8)) texto.remove_prefix(kMarcaUtf8.size());
        if (const auto nombre = NombreSeccion(texto)) {
            if (cabecera) break;
            if (text::IgualesSinMayusculasAscii(*nombre, seccion)) cabecera = ultimaLlena = i;
            continue;
        }
        if (!cabecera) continue;
        if (const auto nombre = NombreClave(texto); nombre && text::IgualesSinMayusculasAscii(*nombre, clave)) {
            lineas[i].texto = std::string(*nombre) + "=" + std::string(valor);
            fijada = true;
            break;
        }
        if (!Recortar(texto).empty()) ultimaLlena = i;
    }

    const Linea nueva{std::string(clave) + "=" + std::string(valor), fin};
    if (fijada) {
        // replaced in place
    } else if (cabecera) {
        auto& anterior = lineas[*ultimaLlena];
        if (anterior.fin.empty()) anterior.fin = fin;
        lineas.insert(lineas.begin() + static_cast<std::ptrdiff_t>(*ultimaLlena) + 1, nueva);
    } else {
        if (!lineas.empty() && lineas.back().fin.empty()) lineas.back().fin = fin;
        lineas.push_back({"[" + std::string(seccion) + "]", fin});
        lineas.push_back(nueva);
    }

    std::string resultado;
    resultado.reserve(contenido.size() + 64);
    for (const auto& linea : lineas) resultado += linea.texto + linea.fin;
    return resultado;
}

void EscribirResultadoProceso(const fs::path& carpeta, int resultado) {
    const fs::path ruta = platform::ResolveNoCase(carpeta, kArchivoIni);
    const auto fallo = [&ruta](const char* accion) {
        return Error("No se puede " + std::string(accion) + " el archivo " +
                     platform::DisplayPath(ruta) +
                     " (compruebe que la carpeta existe y admite escritura). "
                     "Horavant no recibir\xC3\xA1 el resultado del proceso.");
    };

    std::string contenido;
    std::error_code ec;
    if (fs::exists(ruta, ec)) {
        std::ifstream entrada(ruta, std::ios::binary);
        if (!entrada) throw fallo("leer");
        contenido.assign(std::istreambuf_iterator<char>(entrada), {});
        if (entrada.bad()) throw fallo("leer");
    }

    const std::string nuevo = FijarValorPerfil(contenido, kSeccionResultado, kClaveResultado,
                                               std::to_string(resultado));
    std::ofstream salida(ruta, std::ios::binary | std::ios::trunc);
    if (!salida) throw fallo("escribir");
    salida.write(nuevo.data(), static_cast<std::streamsize>(nuevo.size()));
    salida.close();
    if (!salida) throw fallo("escribir");
}

} // namespace tt::app
