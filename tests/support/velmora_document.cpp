#include "support/velmora_document.hpp"

#include "support/temp_dir.hpp"
#include "text/codepage.hpp"

#include <stdexcept>

namespace tt::testing {

namespace {

std::string Escapado(const std::string& texto) {
    std::string resultado;
    for (char c : texto) {
        switch (c) {
        case '&': resultado += "&amp;"; break;
        case '<': resultado += "&lt;"; break;
        case '>': resultado += "&gt;"; break;
        default: resultado += c;
        }
    }
    return resultado;
}

// A parser drops text made only of blanks unless told to keep it; a test that
// writes such a field means the blanks to reach the converter.
std::string AperturaDato(const std::string& texto) {
    const bool soloBlancos =
        !texto.empty() && texto.find_first_not_of(" \t\r\n") == std::string::npos;
    return soloBlancos ? "<dato xml:space=\"preserve\">" : "<dato>";
}

} // namespace

std::string DocumentoVelmora(const std::vector<GrupoXml>& grupos, Codificacion codificacion) {
    std::string xml = "<SERVICIO modulo=\"EXPORTACION\">\n <BLOQUE_DATOS>\n";
    for (const auto& grupo : grupos) {
        xml += "  <grupo_datos seq=\"" + grupo.seq + "\">\n";
        for (const auto& registro : grupo.registros) {
            xml += "   <grupo_datos>";
            for (const auto& dato : registro) xml += AperturaDato(dato) + Escapado(dato) + "</dato>";
            xml += "</grupo_datos>\n";
        }
        xml += "  </grupo_datos>\n";
    }
    xml += " </BLOQUE_DATOS>\n</SERVICIO>\n";
    if (codificacion == Codificacion::Utf8)
        return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + xml;
    // Windows-1252 agrees with ISO-8859-1 on every letter the tests use.
    return "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n" + text::Narrow(xml);
}

xml::Document CargarDocumentoVelmora(const std::filesystem::path& archivo, const std::vector<GrupoXml>& grupos,
                                     Codificacion codificacion) {
    WriteFile(archivo, DocumentoVelmora(grupos, codificacion));
    xml::Document documento;
    const auto carga = documento.load(archivo);
    if (!carga.ok) throw std::runtime_error("test document does not load: " + carga.message);
    return documento;
}

} // namespace tt::testing
