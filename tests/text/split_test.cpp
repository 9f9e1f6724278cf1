#include "text/split.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tt::text {
namespace {

// Empty pieces count: the CSV reader tells a missing field and a blank line
// by them.
TEST(Partir, KeepsEveryPieceEmptyOnesIncluded) {
    struct Caso {
        std::string texto;
        std::vector<std::string> partes;
    };
    const std::vector<Caso> casos = {
        {"", {""}},
        {"a", {"a"}},
        {"a;b;c", {"a", "b", "c"}},
        {";a;;b;", {"", "a", "", "b", ""}},
        {"1;ESO\n", {"1", "ESO\n"}},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.texto);
        EXPECT_EQ(Partir(caso.texto, ';'), caso.partes);
    }
}

} // namespace
} // namespace tt::text
