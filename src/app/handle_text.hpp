#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tt::app {

// The parent-window handle of the command line: hexadecimal digits without a
// prefix, at most eight (a 32-bit handle). Nothing else is accepted, so a
// malformed handle is reported instead of embedding into a wrong window.
std::optional<std::uint32_t> LeerManejador(const std::string& digitos);

// "'$<digitos>' no es un valor entero válido", the message for a handle that
// LeerManejador refuses.
std::string MensajeManejadorInvalido(const std::string& digitos);

} // namespace tt::app
