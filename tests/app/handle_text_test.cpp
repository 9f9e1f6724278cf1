#include <gtest/gtest.h>

#include "app/handle_text.hpp"

namespace tt::app {
namespace {

struct CasoManejador {
    const char* digitos;
    std::optional<std::uint32_t> valor;
};

TEST(LeerManejador, ReadsUpToEightHexDigitsOfEitherCase) {
    const CasoManejador casos[] = {
        {"1A2B", 0x1A2B},           {"1a2b", 0x1A2B},     {"0", 0},
        {"00400012", 0x400012},     {"FFFFFFFF", 0xFFFFFFFFu},
        {"123456789", std::nullopt}, // a ninth digit overflows 32 bits
        {"", std::nullopt},          {"0x12", std::nullopt}, {"$12", std::nullopt},
        {"12 ", std::nullopt},       {" 12", std::nullopt},  {"-1", std::nullopt},
        {"G1", std::nullopt},
    };
    for (const auto& caso : casos)
        EXPECT_EQ(LeerManejador(caso.digitos), caso.valor) << '"' << caso.digitos << '"';
}

TEST(LeerManejador, RefusedHandleMessageShowsTheConvertedText) {
    EXPECT_EQ(MensajeManejadorInvalido("zz"), "'$zz' no es un valor entero v\xC3\xA1lido");
}

} // namespace
} // namespace tt::app
