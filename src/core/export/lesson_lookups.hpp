#pragma once

// The working tables a lesson is translated with, each read into memory on
// first use and kept for the rest of the run. For every key the first row in
// physical order wins, and keys are compared whole and exactly, so every
// answer is the one a scan from the first row would give, at the cost of one
// pass per table. Texts are Windows-1252, as the tables hold them.

#include "platform/dbf/dbf_table.hpp"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>

namespace tt::exporter {

// A DIASHORAST row.
struct Tramo {
    std::string dia;     // DIA
    std::string codigo;  // CODDIHO, the time-slot key
    std::string desde;   // HORADESDE, clock text
    std::string hasta;   // HORAHASTA, clock text
};

// An ASIGT row.
struct Asignacion {
    std::string clave;      // CLAVE, the subject key
    std::string claveCurso; // CLAVECURSO, the course key
};

struct HashPar {
    std::size_t operator()(const std::pair<std::string, std::string>& par) const;
};

// The rows of one table by key, read on the first search.
template <class Clave, class Valor, class Hash = std::hash<Clave>>
class Consulta {
public:
    using Lector = std::function<std::pair<Clave, Valor>(const dbf::Table&)>;

    Consulta(dbf::Table& tabla, Lector lector) : tabla_(tabla), lector_(std::move(lector)) {}

    // The first row with this key; nullptr when none has it.
    const Valor* buscar(const Clave& clave) {
        if (!filas_) cargar();
        const auto fila = filas_->find(clave);
        return fila == filas_->end() ? nullptr : &fila->second;
    }

private:
    void cargar() {
        filas_.emplace();
        for (tabla_.first(); !tabla_.eof(); tabla_.next()) {
            auto [clave, valor] = lector_(tabla_);
            filas_->try_emplace(std::move(clave), std::move(valor)); // keeps the first
        }
    }

    dbf::Table& tabla_;
    Lector lector_;
    std::optional<std::unordered_map<Clave, Valor, Hash>> filas_;
};

class BusquedasSesion {
public:
    BusquedasSesion(dbf::Table& asignaciones, dbf::Table& materias, dbf::Table& tramos,
                    dbf::Table& unidades);

    // ASIGT by CASIG and CGRUP.
    const Asignacion* asignacion(const std::string& asig, const std::string& codGrupo);
    // CODTAREA of ASIGNOMT by COD.
    const std::string* tareaDeMateria(const std::string& asig);
    // DIASHORAST by DIHO.
    const Tramo* tramo(const std::string& diho);
    // CLAVE of GRUPOST by ABREV.
    const std::string* unidad(const std::string& codGrupo);

private:
    Consulta<std::pair<std::string, std::string>, Asignacion, HashPar> asignaciones_;
    Consulta<std::string, std::string> materias_;
    Consulta<std::string, Tramo> tramos_;
    Consulta<std::string, std::string> unidades_;
};

} // namespace tt::exporter
