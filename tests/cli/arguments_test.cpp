// The command line the scripts rely on: what each form means, and which
// forms are usage errors.

#include "arguments.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using namespace tt::cli;
using ::testing::HasSubstr;

struct CasoValido {
    std::vector<std::string> argumentos;
    Orden esperada;
};

void PrintTo(const CasoValido& caso, std::ostream* os) {
    for (const auto& argumento : caso.argumentos) *os << "[" << argumento << "] ";
}

const std::vector<CasoValido> kValidos = {
    {{"--help"}, OrdenAyuda{}},
    {{"-h"}, OrdenAyuda{}},
    {{"--version"}, OrdenVersion{}},
    {{"import", "a.xml"}, OrdenImportar{"a.xml", {}, {}, {}}},
    {{"import", "--workdir", "/t", "a.xml", "--app-dir=/app", "--template", "T1"},
     OrdenImportar{"a.xml", "/t", "/app", "T1"}},
    {{"import", "ñandú.xml", "--template=J 2"}, OrdenImportar{"ñandú.xml", {}, {}, "J 2"}},
    {{"import", "--", "-raro.xml"}, OrdenImportar{"-raro.xml", {}, {}, {}}},
    {{"export", "a.xml", "--workdir", "/t"}, OrdenExportar{"a.xml", "/t"}},
};

class ArgumentosValidos : public ::testing::TestWithParam<CasoValido> {};

TEST_P(ArgumentosValidos, Orden) {
    EXPECT_EQ(LeerArgumentos(GetParam().argumentos), GetParam().esperada);
}

INSTANTIATE_TEST_SUITE_P(Cli, ArgumentosValidos, ::testing::ValuesIn(kValidos));

struct CasoDeUso {
    std::vector<std::string> argumentos;
    std::string motivo;
};

void PrintTo(const CasoDeUso& caso, std::ostream* os) {
    for (const auto& argumento : caso.argumentos) *os << "[" << argumento << "] ";
}

const std::vector<CasoDeUso> kErroresDeUso = {
    {{}, "falta la orden"},
    {{"importar", "a.xml"}, "orden desconocida: importar"},
    {{"import"}, "falta el archivo XML para import"},
    {{"import", "a.xml", "b.xml"}, "sobra el argumento b.xml"},
    {{"import", "a.xml", "--workdir"}, "falta el valor de --workdir"},
    {{"import", "a.xml", "--workdir="}, "el valor de --workdir está vacío"},
    {{"import", "a.xml", "--template", "A", "--template", "B"}, "--template aparece dos veces"},
    {{"import", "a.xml", "--force"}, "la opción --force no existe para import"},
    {{"export", "a.xml", "--template", "T1"}, "la opción --template no existe para export"},
    {{"import", ""}, "el nombre del archivo está vacío"},
    {{"--version", "import"}, "--version no admite más argumentos"},
};

class ErroresDeUso : public ::testing::TestWithParam<CasoDeUso> {};

TEST_P(ErroresDeUso, DiceElMotivo) {
    try {
        LeerArgumentos(GetParam().argumentos);
        FAIL() << "accepted";
    } catch (const ErrorDeUso& error) {
        EXPECT_THAT(error.what(), HasSubstr(GetParam().motivo));
    }
}

INSTANTIATE_TEST_SUITE_P(Cli, ErroresDeUso, ::testing::ValuesIn(kErroresDeUso));

} // namespace
