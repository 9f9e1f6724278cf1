#include "export/soluc_lessons.hpp"

namespace tt::exporter {

SesionesPorProfesor::SesionesPorProfesor(dbf::Table& soluc) {
    for (soluc.first(); !soluc.eof(); soluc.next()) {
        const std::int64_t dia = soluc.asInteger("DIA");
        if (dia == 0) continue;
        porProfesor_[soluc.asText("PROF")].push_back(Sesion{dia, soluc.asInteger("HORA"), soluc.asText("ASIG"),
                                                            soluc.asText("CODGRUPO"), soluc.asText("TAREA"),
                                                            soluc.asText("AULA")});
    }
}

const std::vector<Sesion>& SesionesPorProfesor::de(const std::string& codigo) const {
    static const std::vector<Sesion> ninguna;
    const auto sesiones = porProfesor_.find(codigo);
    return sesiones == porProfesor_.end() ? ninguna : sesiones->second;
}

std::size_t SesionesPorProfesor::sinProfesor(const std::unordered_set<std::string>& codigos) const {
    std::size_t total = 0;
    for (const auto& [codigo, sesiones] : porProfesor_)
        if (!codigos.contains(codigo)) total += sesiones.size();
    return total;
}

} // namespace tt::exporter
