#include "support/velmora_document.hpp"

#include "text/codepage.hpp"

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

} // namespace

std::string DocumentoVelmora(const std::vector<GrupoXml>& grupos, Codificacion codificacion) {
    std::string xml = "<SERVICIO modulo=\"EXPORTACION\">\n <BLOQUE_DATOS>\n";
    for (const auto& grupo : grupos) {
        xml += "  <grupo_datos seq=\"" + grupo.seq + "\">\n";
        for (const auto& registro : grupo.registros) {
            xml += "   <grupo_datos>";
            for (const auto& dato : registro) xml += "<dato>" + Escapado(dato) + "</dato>";
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

} // namespace tt::testing
