#pragma once

#include <optional>
#include <string>

namespace tt::testing {

// Sets (or, with nullptr, unsets) a variable of the environment for its
// lifetime, and puts back what was there before. Programs the test starts
// inherit it.
class EntornoTemporal {
public:
    EntornoTemporal(const char* nombre, const char* valor);
    ~EntornoTemporal();
    EntornoTemporal(const EntornoTemporal&) = delete;
    EntornoTemporal& operator=(const EntornoTemporal&) = delete;

private:
    std::string nombre_;
    std::optional<std::string> anterior_;
};

} // namespace tt::testing
