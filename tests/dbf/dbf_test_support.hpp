#pragma once

// Table files built byte by byte, independently of the engine's writer, for
// foreign, level 7 and damaged tables; and catching the engine's errors.

#include "error.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <exception>
#include <string>
#include <vector>

namespace tt::testing {

struct RawField {
    std::string name;
    char type = 'C';
    int width = 1;
    int decimals = 0;
};

// A whole .DBF file: version byte, header, descriptors (32 bytes for level 3,
// 48 for level 7 with a 68-byte header), 0x0D, `afterFields` (level 7 field
// properties, say), records as given (each with its deletion flag), 0x1A.
// The record count and lengths are computed from the arguments.
std::string DbfImage(unsigned char version, const std::vector<RawField>& fields,
                     const std::vector<std::string>& records, const std::string& afterFields = "");

// Little-endian field of a header.
void PutLE(std::string& bytes, std::size_t at, std::uint32_t value, int size);

// The message of the tt::Error that `action` throws; a test failure when it
// throws nothing or something else.
template <class Action>
std::string ErrorOf(Action&& action) {
    try {
        action();
    } catch (const tt::Error& error) {
        return error.what();
    } catch (const std::exception& other) {
        ADD_FAILURE() << "not a tt::Error: " << other.what();
        return {};
    }
    ADD_FAILURE() << "no error thrown";
    return {};
}

} // namespace tt::testing
