#pragma once

// Horavant's solution SOLUC read once and split by teacher code.

#include "platform/dbf/dbf_table.hpp"

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace tt::exporter {

// A placed lesson of SOLUC (DIA not 0). Texts are Windows-1252, as read.
struct Sesion {
    std::int64_t dia = 0;
    std::int64_t hora = 0;
    std::string asig;     // subject code
    std::string codGrupo; // class-unit code
    std::string tarea;    // task key, may be blank
    std::string aula;     // room code, may be blank
};

class SesionesPorProfesor {
public:
    // Reads every row of SOLUC; rows with DIA 0 have no place in the week and
    // are left out.
    explicit SesionesPorProfesor(dbf::Table& soluc);

    // The placed lessons whose PROF equals the code exactly, in the physical
    // order of SOLUC.
    const std::vector<Sesion>& de(const std::string& codigo) const;

    // Placed lessons whose PROF is none of `codigos`.
    std::size_t sinProfesor(const std::unordered_set<std::string>& codigos) const;

private:
    std::unordered_map<std::string, std::vector<Sesion>> porProfesor_;
};

} // namespace tt::exporter
