#pragma once

#include <stdexcept>
#include <string>

namespace tt {

// Every failure that ends a run is an Error whose text is the message the
// user reads (in Spanish). Shells catch it and show what() as it stands.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& mensaje) : std::runtime_error(mensaje) {}
};

} // namespace tt
