#pragma once

// Velmora exports built in the tests: SERVICIO / BLOQUE_DATOS / one
// grupo_datos per group / one grupo_datos per record / dato.

#include <filesystem>
#include <string>
#include <vector>

#include "platform/xml/xml_document.hpp"

namespace tt::testing {

// The texts of a record's `dato` children (UTF-8), in order.
using RegistroXml = std::vector<std::string>;

struct GrupoXml {
    std::string seq;
    std::vector<RegistroXml> registros;
};

// Velmora writes UTF-8; older exports come in ISO-8859-1.
enum class Codificacion { Utf8, Latin1 };

std::string DocumentoVelmora(const std::vector<GrupoXml>& grupos,
                             Codificacion codificacion = Codificacion::Utf8);

// The document written to `archivo` and loaded back as a run loads it, for
// converters run directly. Throws when it does not load.
xml::Document CargarDocumentoVelmora(const std::filesystem::path& archivo, const std::vector<GrupoXml>& grupos,
                                     Codificacion codificacion = Codificacion::Utf8);

} // namespace tt::testing
