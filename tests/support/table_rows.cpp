#include "support/table_rows.hpp"

#include "platform/dbf/dbf_table.hpp"
#include "text/codepage.hpp"

namespace tt::testing {

std::vector<std::vector<std::string>> FilasDe(const std::filesystem::path& tabla,
                                              const std::vector<std::string>& campos) {
    dbf::Table lectura(tabla, dbf::OpenMode::Shared);
    std::vector<std::vector<std::string>> filas;
    for (lectura.first(); !lectura.eof(); lectura.next()) {
        auto& fila = filas.emplace_back();
        for (const auto& campo : campos) fila.push_back(text::Widen(lectura.asText(campo)));
    }
    return filas;
}

void CrearNivelex(const std::filesystem::path& carpeta, const std::vector<FilaNivelex>& filas) {
    using dbf::FieldType;
    const auto archivo = carpeta / "NIVELEX.DBF";
    dbf::CreateTable(archivo, {{"X_OFERTAMATRIG", FieldType::Integer, 0},
                               {"NIVEL_ABREV", FieldType::Character, 10},
                               {"ESTUDIO", FieldType::Character, 120}});
    dbf::Table tabla(archivo, dbf::OpenMode::Exclusive);
    for (const auto& fila : filas) {
        tabla.append();
        tabla.setInteger("X_OFERTAMATRIG", fila.oferta);
        tabla.setText("NIVEL_ABREV", text::Narrow(fila.nivel));
        tabla.setText("ESTUDIO", text::Narrow(fila.estudio));
        tabla.post();
    }
    tabla.close();
}

} // namespace tt::testing
