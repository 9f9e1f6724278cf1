#include "app/handle_text.hpp"

namespace tt::app {

std::optional<std::uint32_t> LeerManejador(const std::string& digitos) {
    if (digitos.empty() || digitos.size() > 8) return std::nullopt;
    std::uint32_t valor = 0;
    for (const char c : digitos) {
        std::uint32_t cifra = 0;
        if (c >= '0' && c <= '9') cifra = static_cast<std::uint32_t>(c - '0');
        else if (c >= 'a' && c <= 'f') cifra = static_cast<std::uint32_t>(c - 'a' + 10);
        else if (c >= 'A' && c <= 'F') cifra = static_cast<std::uint32_t>(c - 'A' + 10);
        else return std::nullopt;
        valor = valor * 16 + cifra;
    }
    return valor;
}

std::string MensajeManejadorInvalido(const std::string& digitos) {
    return "'$" + digitos + "' no es un valor entero v\xC3\xA1lido";
}

} // namespace tt::app
