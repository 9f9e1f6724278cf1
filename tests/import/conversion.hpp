#pragma once

// One import's converters run directly on a document built by the test, with
// their tables in a fresh folder.

#include <string>
#include <vector>

#include "import/import_context.hpp"
#include "platform/xml/xml_document.hpp"
#include "support/table_rows.hpp"
#include "support/temp_dir.hpp"
#include "support/velmora_document.hpp"

namespace tt::testing {

class Conversion {
public:
    explicit Conversion(const std::vector<GrupoXml>& grupos,
                        Codificacion codificacion = Codificacion::Utf8);

    importer::ContextoImportacion& contexto() { return contexto_; }
    const importer::ResumenImportacion& resumen() const { return contexto_.resumen; }

    std::vector<std::vector<std::string>> filas(const std::string& tabla,
                                                const std::vector<std::string>& campos) const {
        return FilasDe(contexto_.tabla(tabla), campos);
    }

private:
    TempDir carpeta_;
    xml::Document documento_;
    importer::ContextoImportacion contexto_;
};

} // namespace tt::testing
