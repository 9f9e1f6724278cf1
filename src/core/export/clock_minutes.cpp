#include "export/clock_minutes.hpp"

#include "error.hpp"
#include "text/clipper.hpp"
#include "text/codepage.hpp"

#include <algorithm>
#include <charconv>
#include <string_view>

namespace tt::exporter {

namespace {

// Leading blanks, an optional sign, decimal digits and nothing else, as the
// platform's integer conversion reads them.
std::int64_t Entero(const std::string& texto) {
    std::string_view cifras(texto);
    cifras.remove_prefix(std::min(cifras.find_first_not_of(' '), cifras.size()));
    if (!cifras.empty() && cifras.front() == '+') cifras.remove_prefix(1);
    const char* fin = cifras.data() + cifras.size();
    std::int64_t valor = 0;
    const auto leido = std::from_chars(cifras.data(), fin, valor);
    if (cifras.empty() || leido.ec != std::errc() || leido.ptr != fin)
        throw Error("'" + text::Widen(texto) + "' no es un valor entero v\xC3\xA1lido");
    return valor;
}

} // namespace

std::int64_t MinutosDelReloj(const std::string& hora) {
    const std::string completa = hora.size() < 5 ? "0" + hora : hora;
    return Entero(text::Left(completa, 2)) * 60 + Entero(text::Right(completa, 2));
}

} // namespace tt::exporter
