#include "text/integer_conversion.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "error.hpp"

namespace tt::text {
namespace {

TEST(ConvertirEntero, ReadsSignedDecimalWithin32Bits) {
    struct Caso {
        std::string texto;
        std::int32_t valor;
    };
    const std::vector<Caso> casos = {
        {"12", 12},          {"0012", 12},        {"+7", 7},
        {"-10", -10},        {"0", 0},            {"-0", 0},
        {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.texto);
        EXPECT_EQ(ConvertirEntero(caso.texto), caso.valor);
    }
}

TEST(ConvertirEntero, RejectsAnythingElseNamingTheText) {
    // Windows-1252 in, UTF-8 in the message: "\xBA" is º.
    const std::vector<std::pair<std::string, std::string>> casos = {
        {"", "''"},
        {" 12", "' 12'"},
        {"12 ", "'12 '"},
        {"12a", "'12a'"},
        {"0x1A", "'0x1A'"},
        {"$1A", "'$1A'"},
        {"+", "'+'"},
        {"-", "'-'"},
        {"+-5", "'+-5'"},
        {"--5", "'--5'"},
        {"1.5", "'1.5'"},
        {"2147483648", "'2147483648'"},
        {"-2147483649", "'-2147483649'"},
        {"99999999999999999999", "'99999999999999999999'"},
        {"1\xBA", "'1\xC2\xBA'"},
    };
    for (const auto& [texto, citado] : casos) {
        SCOPED_TRACE(texto);
        try {
            ConvertirEntero(texto);
            ADD_FAILURE() << "converted";
        } catch (const Error& error) {
            EXPECT_EQ(std::string(error.what()), citado + " no es un valor entero v\xC3\xA1lido");
        }
    }
}

} // namespace
} // namespace tt::text
