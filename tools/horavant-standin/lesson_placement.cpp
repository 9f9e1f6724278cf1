#include "lesson_placement.hpp"

#include <algorithm>
#include <numeric>
#include <optional>
#include <utility>

namespace tt::standin {

namespace {

constexpr int kLibre = -1;

// Teachers and units are the two sides of a bipartite graph whose edges are
// the lessons; a timetable is a colouring of the edges with the periods.
class Rejilla {
public:
    Rejilla(const std::vector<Sesion>& sesiones, const std::vector<Periodo>& periodos)
        : sesiones_(sesiones), periodos_(periodos), periodo_(sesiones.size(), kSinPeriodo) {
        std::size_t profesores = 0;
        std::size_t grupos = 0;
        std::size_t asignaciones = 0;
        for (const auto& s : sesiones) {
            profesores = std::max(profesores, s.profesor + 1);
            grupos = std::max(grupos, s.grupo + 1);
            asignaciones = std::max(asignaciones, s.asignacion + 1);
        }
        primerGrupo_ = profesores;
        ocupante_.assign(profesores + grupos, std::vector<int>(periodos.size(), kLibre));
        deAsignacion_.resize(asignaciones);
        for (std::size_t e = 0; e < sesiones.size(); ++e)
            deAsignacion_[sesiones[e].asignacion].push_back(e);

        orden_.resize(periodos.size());
        std::iota(orden_.begin(), orden_.end(), 0);
        std::stable_sort(orden_.begin(), orden_.end(), [&](int x, int y) {
            return std::pair(periodos[x].hora, periodos[x].dia) <
                   std::pair(periodos[y].hora, periodos[y].dia);
        });
    }

    void colocar(std::size_t e) {
        const std::size_t t = profesor(e);
        const std::size_t u = grupo(e);
        const auto libreProfesor = primeroLibre(t);
        const auto libreGrupo = primeroLibre(u);
        if (!libreProfesor || !libreGrupo) return;

        if (auto comun = libreEnAmbos(e)) {
            poner(e, *comun);
            return;
        }
        // libreProfesor is taken at u and libreGrupo at t: swap the two along
        // the chain that starts at u. In a bipartite graph the chain never
        // reaches t, so libreProfesor ends up free at both ends.
        invertirCadena(u, *libreProfesor, *libreGrupo);
        poner(e, *libreProfesor);
    }

    const std::vector<int>& periodos() const { return periodo_; }

private:
    std::size_t profesor(std::size_t e) const { return sesiones_[e].profesor; }
    std::size_t grupo(std::size_t e) const { return primerGrupo_ + sesiones_[e].grupo; }
    std::size_t otroExtremo(std::size_t e, std::size_t v) const {
        return v == profesor(e) ? grupo(e) : profesor(e);
    }

    std::optional<int> primeroLibre(std::size_t v) const {
        for (int p : orden_)
            if (ocupante_[v][p] == kLibre) return p;
        return std::nullopt;
    }

    bool diaUsado(std::size_t e, int dia) const {
        for (std::size_t otra : deAsignacion_[sesiones_[e].asignacion])
            if (periodo_[otra] != kSinPeriodo && periodos_[periodo_[otra]].dia == dia) return true;
        return false;
    }

    // A period free for both the teacher and the unit, on a day the
    // assignment has no lesson yet when there is one.
    std::optional<int> libreEnAmbos(std::size_t e) const {
        std::optional<int> cualquiera;
        for (int p : orden_) {
            if (ocupante_[profesor(e)][p] != kLibre || ocupante_[grupo(e)][p] != kLibre) continue;
            if (!diaUsado(e, periodos_[p].dia)) return p;
            if (!cualquiera) cualquiera = p;
        }
        return cualquiera;
    }

    void poner(std::size_t e, int p) {
        periodo_[e] = p;
        ocupante_[profesor(e)][p] = static_cast<int>(e);
        ocupante_[grupo(e)][p] = static_cast<int>(e);
    }

    void quitar(std::size_t e) {
        ocupante_[profesor(e)][periodo_[e]] = kLibre;
        ocupante_[grupo(e)][periodo_[e]] = kLibre;
        periodo_[e] = kSinPeriodo;
    }

    void invertirCadena(std::size_t desde, int a, int b) {
        std::vector<std::pair<std::size_t, int>> cadena; // lesson, its new period
        std::size_t v = desde;
        for (int p = a; ocupante_[v][p] != kLibre; p = (p == a) ? b : a) {
            const auto e = static_cast<std::size_t>(ocupante_[v][p]);
            cadena.emplace_back(e, p == a ? b : a);
            v = otroExtremo(e, v);
        }
        for (const auto& [e, nuevo] : cadena) quitar(e);
        for (const auto& [e, nuevo] : cadena) poner(e, nuevo);
    }

    const std::vector<Sesion>& sesiones_;
    const std::vector<Periodo>& periodos_;
    std::vector<int> periodo_;                   // lesson -> period
    std::vector<std::vector<int>> ocupante_;     // teacher or unit -> period -> lesson
    std::vector<std::vector<std::size_t>> deAsignacion_;
    std::vector<int> orden_;                     // periods in the order they are tried
    std::size_t primerGrupo_ = 0;
};

} // namespace

std::vector<int> ColocarSesiones(const std::vector<Sesion>& sesiones,
                                 const std::vector<Periodo>& periodos) {
    Rejilla rejilla(sesiones, periodos);
    for (std::size_t e = 0; e < sesiones.size(); ++e) rejilla.colocar(e);
    return rejilla.periodos();
}

} // namespace tt::standin
