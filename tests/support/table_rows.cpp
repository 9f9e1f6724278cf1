#include "support/table_rows.hpp"

#include "text/codepage.hpp"

namespace tt::testing {

std::vector<FilaTexto> FilasDe(const std::filesystem::path& tabla, const std::vector<std::string>& campos) {
    dbf::Table lectura(tabla, dbf::OpenMode::Shared);
    std::vector<FilaTexto> filas;
    for (lectura.first(); !lectura.eof(); lectura.next()) {
        auto& fila = filas.emplace_back();
        for (const auto& campo : campos) fila.push_back(text::Widen(lectura.asText(campo)));
    }
    return filas;
}

void CrearTablaConFilas(const std::filesystem::path& tabla, const std::vector<dbf::FieldDef>& campos,
                        const std::vector<FilaTexto>& filas) {
    dbf::CreateTable(tabla, campos);
    dbf::Table escritura(tabla, dbf::OpenMode::Exclusive);
    for (const FilaTexto& fila : filas) {
        escritura.append();
        for (std::size_t i = 0; i < fila.size(); ++i) escritura.setText(campos[i].name, text::Narrow(fila[i]));
        escritura.post();
    }
    escritura.close();
}

void CrearNivelex(const std::filesystem::path& carpeta, const std::vector<FilaNivelex>& filas) {
    std::vector<FilaTexto> textos;
    for (const auto& fila : filas) textos.push_back({std::to_string(fila.oferta), fila.nivel, fila.estudio});
    CrearTablaConFilas(carpeta / "NIVELEX.DBF",
                       {{"X_OFERTAMATRIG", dbf::FieldType::Integer, 0},
                        {"NIVEL_ABREV", dbf::FieldType::Character, 10},
                        {"ESTUDIO", dbf::FieldType::Character, 120}},
                       textos);
}

} // namespace tt::testing
