#pragma once

// The registries that keep Horavant's generated codes unique within a run.

#include <string>
#include <unordered_set>

namespace tt::importer {

enum class Comparacion {
    Exacta,        // letter case matters ("le" and "LE" are two codes)
    SinMayusculas, // every Windows-1252 letter compared without case
};

class RegistroCodigos {
public:
    explicit RegistroCodigos(Comparacion comparacion) : comparacion_(comparacion) {}

    bool contiene(const std::string& codigo) const;
    void agregar(const std::string& codigo);
    void vaciar() { claves_.clear(); }

private:
    std::string clave(const std::string& codigo) const;
    Comparacion comparacion_;
    std::unordered_set<std::string> claves_;
};

// A code longer than 10 characters is stored as its first 8 followed by its last 2.
std::string FormaOchoMasDos(const std::string& codigo);

enum class RecorteSufijo {
    Ninguno,     // candidates keep their length (rooms: the table cuts them)
    OchoMasDos,  // candidates longer than 10 take the 8+2 form
};

// The first of base+"1", base+"2", ... that the registry does not hold, each
// candidate taken in the given form. When a cut candidate's form repeats one
// already tried, the 8+2 forms are used up (a base of 8-10 characters has
// 109); from that k on the candidate is Left(base, 10 - digits of k) + k, so
// the search always ends.
std::string CodigoConSufijoLibre(const RegistroCodigos& registro, const std::string& base,
                                 RecorteSufijo recorte);

} // namespace tt::importer
