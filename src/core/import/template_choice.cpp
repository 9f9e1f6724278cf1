#include "import/template_choice.hpp"

#include "error.hpp"
#include "import/record_group.hpp"
#include "text/codepage.hpp"

namespace tt::importer {

namespace {

// Blanks and control characters at either end, as a typed code may carry.
std::string RecortarControles(const std::string& texto) {
    const auto visible = [](unsigned char c) { return c > ' '; };
    std::size_t inicio = 0;
    std::size_t fin = texto.size();
    while (inicio < fin && !visible(static_cast<unsigned char>(texto[inicio]))) ++inicio;
    while (fin > inicio && !visible(static_cast<unsigned char>(texto[fin - 1]))) --fin;
    return texto.substr(inicio, fin - inicio);
}

OpcionesPlantilla Opciones(const std::vector<Registro>& jornadas, const std::vector<Registro>& tramos) {
    OpcionesPlantilla opciones;
    for (const Registro& jornada : jornadas)
        opciones.plantillas.push_back({jornada.datoOriginal(0), jornada.datoOriginal(1),
                                       jornada.datoOriginal(2), jornada.datoOriginal(3)});
    for (const Registro& tramo : tramos)
        opciones.tramos.push_back({tramo.datoOriginal(1), tramo.datoOriginal(4)});
    return opciones;
}

} // namespace

std::string ElegirPlantilla(const xml::Document& documento, SelectorPlantilla* selector) {
    const std::vector<Registro> jornadas = LeerGrupo(documento, "JORNADAS_ESCOLARES");
    if (jornadas.empty()) return {};
    if (jornadas.size() == 1) return jornadas.front().dato(0);
    if (!selector)
        throw Error("El documento ofrece " + std::to_string(jornadas.size()) +
                    " plantillas horarias (JORNADAS_ESCOLARES) y no hay a qui\xC3\xA9n preguntar "
                    "cu\xC3\xA1l aplicar.");
    const std::string respuesta =
        selector->elegir(Opciones(jornadas, LeerGrupo(documento, "TRAMOS_HORARIOS")));
    return RecortarControles(text::Narrow(respuesta));
}

} // namespace tt::importer
