#pragma once

// Reading the record groups of a Velmora export:
// SERVICIO / BLOQUE_DATOS / grupo_datos[@seq] (a group) / grupo_datos (a record)
// / dato (a field, identified by its position from 0).

#include <cstddef>
#include <string>
#include <vector>

#include "platform/xml/xml_document.hpp"

namespace tt::importer {

class Registro {
public:
    explicit Registro(std::vector<xml::Node> datos) : datos_(std::move(datos)) {}

    // Records with at most one `dato` are skipped by every converter.
    bool pasaReglaDeOmision() const { return datos_.size() >= 2; }

    // The field narrowed to Windows-1252 and trimmed with AllTrim; a position
    // the record lacks reads as empty text.
    std::string dato(std::size_t posicion) const;

    // The field narrowed but not trimmed (teacher initials are taken from it).
    std::string datoSinRecortar(std::size_t posicion) const;

    // The field exactly as the document holds it, in UTF-8 (for display).
    std::string datoOriginal(std::size_t posicion) const;

private:
    std::vector<xml::Node> datos_;
};

// Every record of every group whose seq equals `seq` exactly, in document order.
std::vector<Registro> LeerGrupo(const xml::Document& documento, const std::string& seq);

} // namespace tt::importer
