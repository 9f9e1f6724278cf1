#include "solve.hpp"

#include "lesson_placement.hpp"
#include "platform/folder_lock.hpp"
#include "teacher_assignment.hpp"
#include "text/clipper.hpp"

#include <algorithm>
#include <map>
#include <string>

namespace tt::standin {

namespace {

// Each room is home to one unit at most, so keeping units apart keeps rooms
// apart too.
std::map<std::string, std::string> AulasDeGrupo(const CarpetaTrabajo& datos) {
    std::vector<std::string> aulas;
    for (const auto& aula : datos.aulas)
        if (!text::AllTrim(aula).empty() && std::find(aulas.begin(), aulas.end(), aula) == aulas.end())
            aulas.push_back(aula);

    std::map<std::string, std::string> aulaDe;
    std::size_t siguiente = 0;
    for (const auto& grupo : datos.grupos) {
        if (aulaDe.count(grupo)) continue;
        aulaDe[grupo] = siguiente < aulas.size() ? aulas[siguiente++] : std::string();
    }
    return aulaDe;
}

// Numbers for teachers and units; a lesson without a teacher gets a number of
// its own, so that it clashes with nobody.
class Numeracion {
public:
    std::size_t de(const std::string& codigo) {
        if (text::AllTrim(codigo).empty()) return siguiente_++;
        auto [it, nuevo] = numeros_.try_emplace(codigo, siguiente_);
        if (nuevo) ++siguiente_;
        return it->second;
    }

private:
    std::map<std::string, std::size_t> numeros_;
    std::size_t siguiente_ = 0;
};

} // namespace

std::vector<FilaSoluc> CalcularHorario(const CarpetaTrabajo& datos) {
    const auto profesores = RepartirProfesores(datos.asignaciones, datos.profesores,
                                               static_cast<int>(datos.periodos.size()));
    const auto aulaDe = AulasDeGrupo(datos);

    Numeracion numeroProfesor;
    Numeracion numeroGrupo;
    std::vector<Sesion> sesiones;
    for (std::size_t a = 0; a < datos.asignaciones.size(); ++a) {
        const auto& asignacion = datos.asignaciones[a];
        for (int k = 0; k < asignacion.sesiones; ++k)
            sesiones.push_back({numeroProfesor.de(profesores[a]), numeroGrupo.de(asignacion.grupo), a});
    }
    const auto periodo = ColocarSesiones(sesiones, datos.periodos);

    std::vector<FilaSoluc> filas;
    std::size_t e = 0;
    for (std::size_t a = 0; a < datos.asignaciones.size(); ++a) {
        const auto& asignacion = datos.asignaciones[a];
        const auto aula = aulaDe.find(asignacion.grupo);
        const auto primera = filas.size();
        for (int k = 0; k < asignacion.sesiones; ++k, ++e) {
            FilaSoluc fila{profesores[a], 0, 0, asignacion.asignatura, asignacion.grupo,
                           aula != aulaDe.end() ? aula->second : std::string()};
            if (periodo[e] != kSinPeriodo) {
                fila.dia = datos.periodos[periodo[e]].dia;
                fila.hora = datos.periodos[periodo[e]].hora;
            }
            filas.push_back(std::move(fila));
        }
        // By day and hour, the unplaced (day 0) last.
        std::sort(filas.begin() + primera, filas.end(), [](const FilaSoluc& x, const FilaSoluc& y) {
            return std::pair(x.dia == 0, std::pair(x.dia, x.hora)) <
                   std::pair(y.dia == 0, std::pair(y.dia, y.hora));
        });
    }
    return filas;
}

ResumenSolucion Resolver(const std::filesystem::path& carpeta) {
    // No bridge run may replace the tables while they are read and SOLUC written.
    const platform::FolderLock cerrojo(carpeta);
    const auto datos = LeerCarpeta(carpeta);
    const auto filas = CalcularHorario(datos);

    ResumenSolucion resumen;
    resumen.asignaciones = datos.asignaciones.size();
    for (const auto& f : filas) {
        (f.dia == 0 ? resumen.sinColocar : resumen.colocadas)++;
        if (text::AllTrim(f.profesor).empty()) ++resumen.sinProfesor;
    }
    resumen.soluc = EscribirSoluc(carpeta, filas);
    return resumen;
}

} // namespace tt::standin
