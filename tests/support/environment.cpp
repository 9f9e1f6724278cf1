#include "support/environment.hpp"

#include "platform/environment.hpp"

#include <cstdlib>

namespace tt::testing {

namespace {

void FijarVariable(const std::string& nombre, const std::optional<std::string>& valor) {
#ifdef _WIN32
    _putenv_s(nombre.c_str(), valor ? valor->c_str() : ""); // an empty value removes it
#else
    if (valor)
        setenv(nombre.c_str(), valor->c_str(), 1);
    else
        unsetenv(nombre.c_str());
#endif
}

} // namespace

EntornoTemporal::EntornoTemporal(const char* nombre, const char* valor)
    : nombre_(nombre), anterior_(platform::VariableDeEntorno(nombre)) {
    FijarVariable(nombre_, valor ? std::optional<std::string>(valor) : std::nullopt);
}

EntornoTemporal::~EntornoTemporal() { FijarVariable(nombre_, anterior_); }

} // namespace tt::testing
