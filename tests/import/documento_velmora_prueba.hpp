#pragma once

// Velmora exports built in memory for the converter tests.

#include <string>
#include <vector>

#include "platform/xml/xml_document.hpp"

namespace tt::testing {

// One record group: its seq and, per record, the texts of its dato elements
// (UTF-8, kept exactly, blanks included).
struct GrupoVelmora {
    std::string seq;
    std::vector<std::vector<std::string>> registros;
};

// SERVICIO / BLOQUE_DATOS / one grupo_datos per group, in the order given.
xml::Document DocumentoVelmora(const std::vector<GrupoVelmora>& grupos);

} // namespace tt::testing
