#include "soluc_checks.hpp"

#include "platform/dbf/dbf_table.hpp"

#include <map>
#include <tuple>

namespace tt::testing {

void EscribirTabla(const std::filesystem::path& archivo, const std::vector<std::string>& campos,
                   const std::vector<std::vector<std::string>>& filas) {
    std::vector<dbf::FieldDef> definicion;
    for (const auto& campo : campos) definicion.push_back({campo, dbf::FieldType::Character, 40});
    dbf::CreateTable(archivo, definicion);
    dbf::Table tabla(archivo, dbf::OpenMode::Exclusive);
    for (const auto& fila : filas) {
        tabla.append();
        for (std::size_t i = 0; i < campos.size() && i < fila.size(); ++i) tabla.setText(campos[i], fila[i]);
        tabla.post();
    }
    tabla.close();
}

std::vector<LeccionSoluc> LeerSoluc(const std::filesystem::path& archivo) {
    std::vector<LeccionSoluc> lecciones;
    dbf::Table tabla(archivo, dbf::OpenMode::Shared);
    for (tabla.first(); !tabla.eof(); tabla.next())
        lecciones.push_back({tabla.asText("PROF"), static_cast<int>(tabla.asInteger("DIA")),
                             static_cast<int>(tabla.asInteger("HORA")), tabla.asText("ASIG"),
                             tabla.asText("CODGRUPO"), tabla.asText("TAREA"), tabla.asText("AULA")});
    return lecciones;
}

std::vector<std::string> Choques(const std::vector<LeccionSoluc>& lecciones) {
    std::map<std::tuple<std::string, std::string, int, int>, int> ocupados;
    std::vector<std::string> choques;
    const auto ocupar = [&](const std::string& que, const std::string& codigo, const LeccionSoluc& l) {
        if (codigo.empty()) return;
        if (++ocupados[{que, codigo, l.dia, l.hora}] == 2)
            choques.push_back(que + " " + codigo + " en " + std::to_string(l.dia) + "/" +
                              std::to_string(l.hora));
    };
    for (const auto& l : lecciones) {
        if (l.dia == 0) continue;
        ocupar("profesor", l.prof, l);
        ocupar("grupo", l.grupo, l);
        ocupar("aula", l.aula, l);
    }
    return choques;
}

} // namespace tt::testing
