#pragma once

// The registries that keep Horavant's generated codes unique within a run.

#include <map>
#include <string>
#include <unordered_set>
#include <utility>

namespace tt::importer {

enum class Comparacion {
    Exacta,        // letter case matters ("le" and "LE" are two codes)
    SinMayusculas, // every Windows-1252 letter compared without case
};

enum class RecorteSufijo {
    Ninguno,     // candidates keep their length (rooms: the table cuts them)
    OchoMasDos,  // candidates longer than 10 take the 8+2 form
};

class RegistroCodigos;

// The first of base+"1", base+"2", ... that the registry does not hold, each
// candidate taken in the given form. When a cut candidate's form repeats one
// already tried, the 8+2 forms are used up (a base of 8-10 characters has
// 109); from that k on the candidate is Left(base, 10 - digits of k) + k, so
// the search always ends.
std::string CodigoConSufijoLibre(const RegistroCodigos& registro, const std::string& base,
                                 RecorteSufijo recorte);

class RegistroCodigos {
public:
    explicit RegistroCodigos(Comparacion comparacion) : comparacion_(comparacion) {}

    bool contiene(const std::string& codigo) const;
    void agregar(const std::string& codigo);
    void vaciar() {
        claves_.clear();
        busquedas_.clear();
    }

private:
    friend std::string CodigoConSufijoLibre(const RegistroCodigos&, const std::string&, RecorteSufijo);

    // Where the suffix search of one base stopped last time. Codes are never
    // taken back, so every candidate before that answer is still taken and
    // the next search of the base goes on from there: a name that comes back
    // n times costs n steps, not n * n / 2.
    struct BusquedaSufijo {
        long long k = 0;        // suffix of the last answer; 0 before the first
        std::string respuesta;  // that answer
        bool agotadas = false;  // the 8+2 forms are used up
        std::unordered_set<std::string> formasProbadas;
    };

    std::string clave(const std::string& codigo) const;
    Comparacion comparacion_;
    std::unordered_set<std::string> claves_;
    mutable std::map<std::pair<RecorteSufijo, std::string>, BusquedaSufijo> busquedas_;
};

// A code longer than 10 characters is stored as its first 8 followed by its last 2.
std::string FormaOchoMasDos(const std::string& codigo);

} // namespace tt::importer
