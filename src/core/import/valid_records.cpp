#include "import/valid_records.hpp"

namespace tt::importer {

std::vector<Registro> LeerRegistrosValidos(ContextoImportacion& contexto, const std::string& seq) {
    std::vector<Registro> validos;
    for (auto& registro : LeerGrupo(contexto.documento, seq)) {
        if (registro.pasaReglaDeOmision())
            validos.push_back(std::move(registro));
        else
            contexto.resumen.omitido("registros con menos de dos datos (" + seq + ")");
    }
    return validos;
}

} // namespace tt::importer
