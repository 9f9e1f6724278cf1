#include "import/code_registry.hpp"

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
    auto& busqueda = registro.busquedas_[{recorte, base}];
    if (busqueda.k > 0 && !registro.contiene(busqueda.respuesta)) return busqueda.respuesta;
    for (;;) {
        const std::string numero = std::to_string(++busqueda.k);
        std::string candidato;
        if (!busqueda.agotadas) {
            candidato = base + numero;
            if (recorte == RecorteSufijo::OchoMasDos) {
                candidato = FormaOchoMasDos(candidato);
                busqueda.agotadas = !busqueda.formasProbadas.insert(candidato).second;
                if (busqueda.agotadas) busqueda.formasProbadas.clear();
            }
        }
        if (busqueda.agotadas)
            candidato = text::Left(base, 10 - static_cast<int>(numero.size())) + numero;
        if (!registro.contiene(candidato)) {
            busqueda.respuesta = candidato;
            return candidato;
        }
    }
}

} // namespace tt::importer
