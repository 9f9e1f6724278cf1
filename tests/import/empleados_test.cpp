// Staff into PROFT: names, keys and the teacher code made of initials.

#include "conversion.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using namespace tt::testing;
using tt::importer::TransformarEmpleados;
using Filas = std::vector<std::vector<std::string>>;
using ::testing::ElementsAre;
using ::testing::Pair;

// Positions: employee key, date, department, first surname, second surname, given name.
RegistroXml Empleado(const std::string& apellido1, const std::string& apellido2,
                     const std::string& nombre) {
    return {"E1", "01/09/2020", "Ciencias", apellido1, apellido2, nombre};
}

struct CasoProfesor {
    std::string titulo;
    std::vector<RegistroXml> registros;
    Filas esperadas; // ABREV, NOMBRE
};

void PrintTo(const CasoProfesor& caso, std::ostream* os) { *os << caso.titulo; }

const std::vector<CasoProfesor> kCasos = {
    {"Iniciales", {Empleado("Alba", "Bosch", "Clara")}, {{"ABC", "Alba Bosch, Clara"}}},
    {"SufijosSinDistinguirMayusculas",
     {Empleado("Alba", "Bosch", "Clara"), Empleado("Ana", "Blanco", "Carmen"),
      Empleado("Andrés", "Bueno", "Celia"), Empleado("alba", "bosch", "clara")},
     {{"ABC", "Alba Bosch, Clara"},
      {"ABC1", "Ana Blanco, Carmen"},
      {"ABC2", "Andrés Bueno, Celia"},
      {"abc3", "alba bosch, clara"}}},
    {"InicialesAcentuadasSinDistinguirMayusculas",
     {Empleado("Álvaro", "Íñiguez", "Úrsula"), Empleado("álvaro", "íñiguez", "úrsula")},
     {{"ÁÍÚ", "Álvaro Íñiguez, Úrsula"}, {"áíú1", "álvaro íñiguez, úrsula"}}},
    {"SegundoApellidoVacio", {Empleado("Alba", "", "Clara")}, {{"AC", "Alba , Clara"}}},
    {"SinNombresCodigoVacioYLuegoUno",
     {Empleado("", "", ""), Empleado("", "", "")},
     {{"", " ,"}, {"1", " ,"}}},
    // The initial comes before trimming; the name is trimmed.
    {"InicialAntesDeRecortar", {Empleado(" Alba", "Bosch ", "Clara")}, {{" BC", "Alba Bosch, Clara"}}},
    {"NombreCortadoAOchenta",
     {Empleado(std::string(50, 'a'), std::string(50, 'b'), "Clara")},
     {{"abC", std::string(50, 'a') + " " + std::string(29, 'b')}}},
    // Two data only: the rest reads as empty text.
    {"RegistroConDosDatos", {{"E9", "01/09/2020"}}, {{"", " ,"}}},
};

class CodigoDeProfesor : public ::testing::TestWithParam<CasoProfesor> {};

TEST_P(CodigoDeProfesor, NombreYCodigo) {
    const auto& caso = GetParam();
    Conversion conversion({{"EMPLEADOS", caso.registros}});
    TransformarEmpleados(conversion.contexto());
    EXPECT_EQ(conversion.filas("PROFT.DBF", {"ABREV", "NOMBRE"}), caso.esperadas);
}

INSTANTIATE_TEST_SUITE_P(Empleados, CodigoDeProfesor, ::testing::ValuesIn(kCasos),
                         [](const auto& info) { return info.param.titulo; });

TEST(Empleados, ClavesFechaYDepartamento) {
    Conversion conversion(
        {{"EMPLEADOS",
          {{" 12345 ", "01/09/2020", "Departamento de " + std::string(40, 'x'), "Alba", "Bosch", "Clara"},
           {"12345", "15/09/2021", "Lengua", "Alba", "Bosch", "Clara"},
           {"E3"},
           {}}}});
    TransformarEmpleados(conversion.contexto());
    // Only the code is made unique: the same key twice gives two rows.
    EXPECT_EQ(conversion.filas("PROFT.DBF", {"ABREV", "DEPART", "DNI", "X_EMPLEADO", "F_TOMAPOS"}),
              (Filas{{"ABC", "Departamento de " + std::string(24, 'x'), "", "12345", "01/09/2020"},
                     {"ABC1", "Lengua", "", "12345", "15/09/2021"}}));
    EXPECT_EQ(conversion.resumen().filasDe("PROFT"), 2u);
    EXPECT_THAT(conversion.resumen().omitidos,
                ElementsAre(Pair("registros con menos de dos datos (EMPLEADOS)", 2u)));
}

TEST(Empleados, SinGrupoLaTablaQuedaVacia) {
    Conversion conversion({{"EMPLEADOS_BAJA", {{"E1", "01/09/2020", "X", "A", "B", "C"}}}});
    TransformarEmpleados(conversion.contexto());
    EXPECT_TRUE(conversion.filas("PROFT.DBF", {"ABREV"}).empty());
    EXPECT_THAT(conversion.resumen().filasPorTabla, ElementsAre(Pair("PROFT", 0u)));
}

} // namespace
