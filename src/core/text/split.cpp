#include "text/split.hpp"

namespace tt::text {

std::vector<std::string> Partir(const std::string& texto, char separador) {
    std::vector<std::string> partes(1);
    for (const char c : texto) {
        if (c == separador)
            partes.emplace_back();
        else
            partes.back() += c;
    }
    return partes;
}

} // namespace tt::text
