#include "text/integer_conversion.hpp"

#include <charconv>

#include "error.hpp"
#include "text/codepage.hpp"

namespace tt::text {

std::int32_t ConvertirEntero(std::string_view ansi) {
    const bool conSigno = !ansi.empty() && (ansi.front() == '+' || ansi.front() == '-');
    const std::size_t primeraCifra = conSigno ? 1 : 0;
    if (ansi.size() > primeraCifra && ansi[primeraCifra] >= '0' && ansi[primeraCifra] <= '9') {
        // from_chars takes a '-' but not a '+'.
        const std::string_view numero = ansi.front() == '+' ? ansi.substr(1) : ansi;
        std::int32_t valor = 0;
        const auto [fin, error] = std::from_chars(numero.data(), numero.data() + numero.size(), valor);
        if (error == std::errc() && fin == numero.data() + numero.size()) return valor;
    }
    throw Error("'" + Widen(ansi) + "' no es un valor entero v\xC3\xA1lido");
}

} // namespace tt::text
