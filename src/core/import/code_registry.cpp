#include "import/code_registry.hpp"

#include <unordered_set>

#include "text/clipper.hpp"

namespace tt::importer {

std::string RegistroCodigos::clave(const std::string& codigo) const {
    return comparacion_ == Comparacion::Exacta ? codigo : text::PlegarMayusculas(codigo);
}

bool RegistroCodigos::contiene(const std::string& codigo) const {
    return claves_.count(clave(codigo)) != 0;
}

void RegistroCodigos::agregar(const std::string& codigo) { claves_.insert(clave(codigo)); }

std::string FormaOchoMasDos(const std::string& codigo) {
    if (codigo.size() <= 10) return codigo;
    return text::Left(codigo, 8) + text::Right(codigo, 2);
}

std::string CodigoConSufijoLibre(const RegistroCodigos& registro, const std::string& base,
                                 RecorteSufijo recorte) {
    std::unordered_set<std::string> formasProbadas;
    bool agotadas = false;
    for (long long k = 1;; ++k) {
        const std::string numero = std::to_string(k);
        std::string candidato;
        if (!agotadas) {
            candidato = base + numero;
            if (recorte == RecorteSufijo::OchoMasDos) {
                candidato = FormaOchoMasDos(candidato);
                agotadas = !formasProbadas.insert(candidato).second;
            }
        }
        if (agotadas)
            candidato = text::Left(base, 10 - static_cast<int>(numero.size())) + numero;
        if (!registro.contiene(candidato)) return candidato;
    }
}

} // namespace tt::importer
