#include "platform/environment.hpp"

#include <cstdlib>

namespace tt::platform {

std::optional<std::string> VariableDeEntorno(const char* nombre) {
#ifdef _WIN32
    // getenv is deprecated there; _dupenv_s hands over a copy to free.
    char* valor = nullptr;
    std::size_t largo = 0;
    if (_dupenv_s(&valor, &largo, nombre) != 0 || valor == nullptr) return std::nullopt;
    std::string texto(valor);
    std::free(valor);
    return texto;
#else
    const char* valor = std::getenv(nombre);
    if (valor == nullptr) return std::nullopt;
    return std::string(valor);
#endif
}

} // namespace tt::platform
