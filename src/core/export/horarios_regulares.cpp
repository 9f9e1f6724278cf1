#include "export/horarios_regulares.hpp"

#include "export/clock_minutes.hpp"
#include "export/lesson_lookups.hpp"
#include "export/soluc_lessons.hpp"
#include "text/clipper.hpp"
#include "text/codepage.hpp"

#include <array>
#include <unordered_set>

namespace tt::exporter {

namespace {

constexpr std::size_t kValores = 11;
constexpr std::array<const char*, kValores> kNombresSesion = {
    "N_DIASEMANA",  "X_TRAMO", "X_DEPENDENCIA", "X_UNIDAD", "X_OFERTAMATRIG", "X_MATERIAOMG",
    "F_INICIO",     "F_FIN",   "N_HORINI",      "N_HORFIN", "X_ACTIVIDAD",
};

bool EnBlanco(const std::string& texto) { return text::AllTrim(texto).empty(); }

void AnadirDato(xml::Document& documento, xml::Node grupo, const char* nombre, const std::string& valor) {
    xml::Node dato = documento.createElement("dato");
    dato.setAttribute("nombre_dato", nombre);
    dato.setText(valor);
    grupo.appendChild(dato);
}

// The eleven values of one lesson, in UTF-8, in the order of kNombresSesion.
class TraductorSesiones {
public:
    TraductorSesiones(const TablasHorario& tablas, const Periodo& periodo, ResumenExportacion& resumen)
        : busquedas_(tablas.asignaciones, tablas.materias, tablas.tramos, tablas.unidades),
          inicio_(text::Widen(periodo.inicio)), fin_(text::Widen(periodo.fin)), resumen_(resumen) {}

    std::array<std::string, kValores> valores(const Sesion& sesion) {
        static const Tramo sinTramo;
        static const Asignacion sinAsignacion;
        static const std::string vacio;

        const Asignacion* asignacion = busquedas_.asignacion(sesion.asig, sesion.codGrupo);
        const Tramo* tramo = busquedas_.tramo(std::to_string(sesion.dia) + std::to_string(sesion.hora));
        const std::string* unidad = busquedas_.unidad(sesion.codGrupo);
        if (!asignacion) {
            ++resumen_.sinMateria;
            asignacion = &sinAsignacion;
        }
        if (!tramo) {
            ++resumen_.sinTramo;
            tramo = &sinTramo;
        }
        if (!unidad) {
            ++resumen_.sinUnidad;
            unidad = &vacio;
        }

        std::string tarea = sesion.tarea;
        if (EnBlanco(tarea)) {
            const std::string* deMateria = busquedas_.tareaDeMateria(sesion.asig);
            tarea = deMateria ? *deMateria : "";
        }
        if (EnBlanco(tarea)) tarea = "1";

        return {
            text::Widen(tramo->dia),
            text::Widen(tramo->codigo),
            EnBlanco(sesion.aula) ? "" : text::Widen(sesion.aula),
            text::Widen(*unidad),
            text::Widen(asignacion->claveCurso),
            text::Widen(asignacion->clave),
            inicio_,
            fin_,
            std::to_string(MinutosDelReloj(tramo->desde)),
            std::to_string(MinutosDelReloj(tramo->hasta)),
            text::Widen(tarea),
        };
    }

private:
    BusquedasSesion busquedas_;
    std::string inicio_;
    std::string fin_;
    ResumenExportacion& resumen_;
};

} // namespace

void TransformarHorariosRegulares(xml::Document& documento, xml::Node horarios, const TablasHorario& tablas,
                                  const Periodo& periodo, ResumenExportacion& resumen) {
    const SesionesPorProfesor sesiones(tablas.soluc);
    TraductorSesiones traductor(tablas, periodo, resumen);
    std::unordered_set<std::string> codigos;

    dbf::Table& profesores = tablas.profesores;
    std::size_t ordinal = 1;
    for (profesores.first(); !profesores.eof(); profesores.next()) {
        const std::string empleado = profesores.asText("X_EMPLEADO");
        const std::string tomaPosesion = profesores.asText("F_TOMAPOS");
        const std::string codigo = profesores.asText("ABREV");
        const std::vector<Sesion>& suyas = sesiones.de(codigo);
        codigos.insert(codigo);

        xml::Node grupo = documento.createElement("grupo_datos");
        grupo.setAttribute("seq", "HORARIO_REGULAR_PROFESOR_" + std::to_string(ordinal++));
        grupo.setAttribute("registros", static_cast<std::int64_t>(suyas.size()));
        horarios.appendChild(grupo);
        AnadirDato(documento, grupo, "X_EMPLEADO", text::Widen(empleado));
        AnadirDato(documento, grupo, "F_TOMAPOS", text::Widen(tomaPosesion));

        std::size_t leccion = 1;
        for (const Sesion& sesion : suyas) {
            xml::Node actividad = documento.createElement("grupo_datos");
            actividad.setAttribute("seq", "ACTIVIDAD_" + std::to_string(leccion++));
            grupo.appendChild(actividad);
            const auto valores = traductor.valores(sesion);
            for (std::size_t i = 0; i < kValores; ++i) AnadirDato(documento, actividad, kNombresSesion[i], valores[i]);
        }
        ++resumen.profesores;
        resumen.sesiones += suyas.size();
    }
    resumen.sesionesSinProfesor = sesiones.sinProfesor(codigos);
}

} // namespace tt::exporter
