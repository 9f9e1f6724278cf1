#include "documento_velmora_prueba.hpp"

namespace tt::testing {

xml::Document DocumentoVelmora(const std::vector<GrupoVelmora>& grupos) {
    xml::Document documento;
    xml::Node servicio = documento.createElement("SERVICIO");
    documento.appendChild(servicio);
    xml::Node bloque = documento.createElement("BLOQUE_DATOS");
    servicio.appendChild(bloque);
    for (const GrupoVelmora& grupo : grupos) {
        xml::Node nodoGrupo = documento.createElement("grupo_datos");
        nodoGrupo.setAttribute("seq", grupo.seq);
        bloque.appendChild(nodoGrupo);
        for (const auto& datos : grupo.registros) {
            xml::Node registro = documento.createElement("grupo_datos");
            nodoGrupo.appendChild(registro);
            for (const std::string& texto : datos) {
                xml::Node dato = documento.createElement("dato");
                dato.setText(texto);
                registro.appendChild(dato);
            }
        }
    }
    return documento;
}

} // namespace tt::testing
