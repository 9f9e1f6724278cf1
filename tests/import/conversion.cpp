#include "conversion.hpp"

#include <stdexcept>

namespace tt::testing {

Conversion::Conversion(const std::vector<GrupoXml>& grupos, Codificacion codificacion)
    : contexto_(documento_, carpeta_.path(), carpeta_.path(), nullptr) {
    const auto archivo = carpeta_ / "exportacion.xml";
    WriteFile(archivo, DocumentoVelmora(grupos, codificacion));
    const auto carga = documento_.load(archivo);
    if (!carga.ok) throw std::runtime_error("test document does not load: " + carga.message);
}

} // namespace tt::testing
