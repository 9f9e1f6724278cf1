#include "import/record_group.hpp"

#include "text/clipper.hpp"
#include "text/codepage.hpp"

namespace tt::importer {

std::string Registro::datoOriginal(std::size_t posicion) const {
    return posicion < datos_.size() ? datos_[posicion].text() : std::string();
}

std::string Registro::datoSinRecortar(std::size_t posicion) const {
    return text::Narrow(datoOriginal(posicion));
}

std::string Registro::dato(std::size_t posicion) const {
    return text::AllTrim(datoSinRecortar(posicion));
}

std::vector<Registro> LeerGrupo(const xml::Document& documento, const std::string& seq) {
    // The group name goes into the XPath literal; a name with a quote would
    // break it, and none of ours has one.
    const auto nodos = documento.selectNodes("/SERVICIO/BLOQUE_DATOS/grupo_datos[@seq=\"" + seq +
                                             "\"]/grupo_datos");
    std::vector<Registro> registros;
    registros.reserve(nodos.size());
    for (const auto& nodo : nodos) registros.emplace_back(nodo.selectNodes("dato"));
    return registros;
}

} // namespace tt::importer
