#include "tablas_prueba.hpp"

#include "text/codepage.hpp"

namespace tt::testing {

std::vector<FilaTexto> Filas(const std::filesystem::path& tabla, const std::vector<std::string>& campos) {
    dbf::Table table(tabla, dbf::OpenMode::Shared);
    std::vector<FilaTexto> filas;
    for (; !table.eof(); table.next()) {
        FilaTexto fila;
        for (const std::string& campo : campos) fila.push_back(text::Widen(table.asText(campo)));
        filas.push_back(std::move(fila));
    }
    return filas;
}

void CrearTablaConFilas(const std::filesystem::path& tabla, const std::vector<dbf::FieldDef>& campos,
                        const std::vector<FilaTexto>& filas) {
    dbf::CreateTable(tabla, campos);
    dbf::Table table(tabla, dbf::OpenMode::Exclusive);
    for (const FilaTexto& fila : filas) {
        table.append();
        for (std::size_t i = 0; i < fila.size(); ++i) table.setText(campos[i].name, text::Narrow(fila[i]));
        table.post();
    }
    table.close();
}

} // namespace tt::testing
