#include "department_match.hpp"

#include "text/clipper.hpp"
#include "text/codepage.hpp"

#include <algorithm>
#include <map>
#include <set>

namespace tt::standin {

namespace {

using Palabras = std::set<std::string>;

std::string Plegada(const char* utf8) {
    return text::PlegarMayusculas(text::Narrow(utf8));
}

bool EsDeLaPalabra(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') ||
           (byte >= 'a' && byte <= 'z') || byte >= 0xC0;
}

const Palabras& PalabrasVacias() {
    static const Palabras vacias = {"A", "AL", "CON", "DE", "DEL", "E", "EL", "EN", "I", "II",
                                    "III", "IV", "LA", "LAS", "LOS", "O", "PARA", "POR", "Y"};
    return vacias;
}

// Subject words that name the department teaching them only indirectly.
const std::map<std::string, std::string>& Sinonimos() {
    static const std::map<std::string, std::string> sinonimos = {
        {Plegada("PLÁSTICA"), Plegada("DIBUJO")},
        {Plegada("DIGITALIZACIÓN"), Plegada("TECNOLOGÍA")},
        {Plegada("LATÍN"), Plegada("CLÁSICA")},
        {Plegada("GRIEGO"), Plegada("CLÁSICA")},
    };
    return sinonimos;
}

Palabras PalabrasDe(const std::string& texto) {
    Palabras palabras;
    const std::string plegado = text::PlegarMayusculas(texto);
    auto inicio = plegado.begin();
    while (inicio != plegado.end()) {
        inicio = std::find_if(inicio, plegado.end(), EsDeLaPalabra);
        const auto fin = std::find_if_not(inicio, plegado.end(), EsDeLaPalabra);
        std::string palabra(inicio, fin);
        if (!palabra.empty() && !PalabrasVacias().count(palabra)) {
            if (auto sinonimo = Sinonimos().find(palabra); sinonimo != Sinonimos().end())
                palabras.insert(sinonimo->second);
            palabras.insert(std::move(palabra));
        }
        inicio = fin;
    }
    return palabras;
}

struct Afinidad {
    std::size_t comunes = 0;
    std::size_t delDepartamento = 1;

    // Compares the shares comunes / delDepartamento without division.
    bool operator<(const Afinidad& otra) const {
        if (comunes != otra.comunes) return comunes < otra.comunes;
        return comunes * otra.delDepartamento < otra.comunes * delDepartamento;
    }
    bool operator==(const Afinidad& otra) const { return !(*this < otra) && !(otra < *this); }
};

Afinidad AfinidadCon(const Palabras& asignatura, const std::string& departamento) {
    const Palabras delDepartamento = PalabrasDe(departamento);
    Afinidad afinidad;
    afinidad.delDepartamento = std::max<std::size_t>(delDepartamento.size(), 1);
    for (const auto& palabra : delDepartamento) afinidad.comunes += asignatura.count(palabra);
    return afinidad;
}

} // namespace

std::vector<std::size_t> ProfesoresAfines(const std::string& nombreAsignatura,
                                          const std::vector<Profesor>& profesores) {
    const Palabras asignatura = PalabrasDe(nombreAsignatura);
    std::vector<Afinidad> afinidades;
    for (const auto& profesor : profesores)
        afinidades.push_back(AfinidadCon(asignatura, profesor.departamento));

    std::vector<std::size_t> afines;
    if (afinidades.empty()) return afines;
    const Afinidad mejor = *std::max_element(afinidades.begin(), afinidades.end());
    if (mejor.comunes == 0) return afines;
    for (std::size_t i = 0; i < afinidades.size(); ++i)
        if (afinidades[i] == mejor) afines.push_back(i);
    return afines;
}

} // namespace tt::standin
