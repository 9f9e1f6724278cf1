#include "conversion.hpp"

namespace tt::testing {

Conversion::Conversion(const std::vector<GrupoXml>& grupos, Codificacion codificacion)
    : documento_(CargarDocumentoVelmora(carpeta_ / "exportacion.xml", grupos, codificacion)),
      contexto_(documento_, carpeta_.path(), carpeta_.path(), nullptr) {}

} // namespace tt::testing
