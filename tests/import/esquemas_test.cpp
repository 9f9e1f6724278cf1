// The working tables Horavant reads: field names, types, widths and order.

#include "conversion.hpp"

#include "platform/dbf/dbf_table.hpp"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using namespace tt::testing;
using namespace tt::importer;
using tt::dbf::FieldType;
using Campo = std::tuple<std::string, FieldType, int>; // width only for character fields

struct CasoEsquema {
    std::string tabla;
    void (*convertir)(ContextoImportacion&);
    std::vector<Campo> campos;
};

void PrintTo(const CasoEsquema& caso, std::ostream* os) { *os << caso.tabla; }

const std::vector<CasoEsquema> kCasos = {
    {"ASIGNOMT", TransformarMaterias,
     {{"COD", FieldType::Character, 10},
      {"CODLARGO", FieldType::Character, 10},
      {"NOMBRE", FieldType::Character, 80},
      {"MATERIA", FieldType::Character, 8},
      {"CODTAREA", FieldType::Character, 12},
      {"ESTAREA", FieldType::Logical, 0}}},
    {"PROFT", TransformarEmpleados,
     {{"ABREV", FieldType::Character, 10},
      {"NOMBRE", FieldType::Character, 80},
      {"DEPART", FieldType::Character, 40},
      {"DNI", FieldType::Integer, 0},
      {"X_EMPLEADO", FieldType::Character, 10},
      {"F_TOMAPOS", FieldType::Character, 10}}},
    {"AULAT", TransformarDependencias,
     {{"ABREV", FieldType::Character, 10},
      {"NOMBRE", FieldType::Character, 80},
      {"EDIFICIO", FieldType::Character, 1},
      {"MAXALUM", FieldType::Integer, 0},
      {"DEPCENTRO", FieldType::Character, 10}}},
};

class Esquema : public ::testing::TestWithParam<CasoEsquema> {};

// A document without the group still leaves the table created, empty.
TEST_P(Esquema, TablaCreadaConSusCamposEnOrden) {
    const auto& caso = GetParam();
    Conversion conversion({});
    caso.convertir(conversion.contexto());
    tt::dbf::Table tabla(conversion.contexto().tabla(caso.tabla + ".DBF"), tt::dbf::OpenMode::Shared);
    std::vector<Campo> campos;
    for (const auto& campo : tabla.fields())
        campos.emplace_back(campo.name, campo.type,
                            campo.type == FieldType::Character ? campo.width : 0);
    EXPECT_EQ(campos, caso.campos);
    EXPECT_EQ(tabla.recordCount(), 0u);
    EXPECT_EQ(conversion.resumen().filasDe(caso.tabla), 0u);
}

INSTANTIATE_TEST_SUITE_P(Tablas, Esquema, ::testing::ValuesIn(kCasos),
                         [](const auto& info) { return info.param.tabla; });

} // namespace
