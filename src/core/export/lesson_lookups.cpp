#include "export/lesson_lookups.hpp"

namespace tt::exporter {

std::size_t HashPar::operator()(const std::pair<std::string, std::string>& par) const {
    const std::size_t primero = std::hash<std::string>{}(par.first);
    const std::size_t segundo = std::hash<std::string>{}(par.second);
    return primero ^ (segundo + 0x9e3779b9u + (primero << 6) + (primero >> 2));
}

BusquedasSesion::BusquedasSesion(dbf::Table& asignaciones, dbf::Table& materias, dbf::Table& tramos,
                                 dbf::Table& unidades)
    : asignaciones_(asignaciones,
                    [](const dbf::Table& t) {
                        return std::pair(std::pair(t.asText("CASIG"), t.asText("CGRUP")),
                                         Asignacion{t.asText("CLAVE"), t.asText("CLAVECURSO")});
                    }),
      materias_(materias, [](const dbf::Table& t) { return std::pair(t.asText("COD"), t.asText("CODTAREA")); }),
      tramos_(tramos,
              [](const dbf::Table& t) {
                  return std::pair(t.asText("DIHO"), Tramo{t.asText("DIA"), t.asText("CODDIHO"),
                                                           t.asText("HORADESDE"), t.asText("HORAHASTA")});
              }),
      unidades_(unidades, [](const dbf::Table& t) { return std::pair(t.asText("ABREV"), t.asText("CLAVE")); }) {}

const Asignacion* BusquedasSesion::asignacion(const std::string& asig, const std::string& codGrupo) {
    return asignaciones_.buscar({asig, codGrupo});
}

const std::string* BusquedasSesion::tareaDeMateria(const std::string& asig) { return materias_.buscar(asig); }

const Tramo* BusquedasSesion::tramo(const std::string& diho) { return tramos_.buscar(diho); }

const std::string* BusquedasSesion::unidad(const std::string& codGrupo) { return unidades_.buscar(codGrupo); }

} // namespace tt::exporter
