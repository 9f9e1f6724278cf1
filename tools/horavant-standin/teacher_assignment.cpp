#include "teacher_assignment.hpp"

#include "department_match.hpp"
#include "text/clipper.hpp"

#include <numeric>
#include <optional>

namespace tt::standin {

namespace {

std::optional<std::size_t> MenosCargado(const std::vector<std::size_t>& candidatos,
                                        const std::vector<int>& carga, int sesiones,
                                        std::optional<int> capacidad) {
    std::optional<std::size_t> elegido;
    for (std::size_t i : candidatos) {
        if (capacidad && carga[i] + sesiones > *capacidad) continue;
        if (!elegido || carga[i] < carga[*elegido]) elegido = i;
    }
    return elegido;
}

std::vector<std::size_t> ConCodigo(std::vector<std::size_t> indices,
                                   const std::vector<Profesor>& profesores) {
    std::erase_if(indices,
                  [&](std::size_t i) { return text::AllTrim(profesores[i].codigo).empty(); });
    return indices;
}

} // namespace

std::vector<std::string> RepartirProfesores(const std::vector<Asignacion>& asignaciones,
                                            const std::vector<Profesor>& profesores,
                                            int capacidad) {
    std::vector<std::size_t> todos(profesores.size());
    std::iota(todos.begin(), todos.end(), std::size_t{0});
    todos = ConCodigo(std::move(todos), profesores);

    std::vector<int> carga(profesores.size(), 0);
    std::vector<std::string> elegidos;
    for (const auto& asignacion : asignaciones) {
        auto afines = ConCodigo(ProfesoresAfines(asignacion.nombreAsignatura, profesores), profesores);
        if (afines.empty()) afines = todos;
        auto elegido = MenosCargado(afines, carga, asignacion.sesiones, capacidad);
        if (!elegido) elegido = MenosCargado(todos, carga, asignacion.sesiones, capacidad);
        if (!elegido) elegido = MenosCargado(afines, carga, asignacion.sesiones, std::nullopt);
        if (!elegido) {
            elegidos.emplace_back();
            continue;
        }
        carga[*elegido] += asignacion.sesiones;
        elegidos.push_back(profesores[*elegido].codigo);
    }
    return elegidos;
}

} // namespace tt::standin
