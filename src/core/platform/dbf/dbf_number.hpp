#pragma once

// Numbers as dBase stores them: decimal text written and read without any
// locale ('.' for decimals, whatever the user's settings), and the big-endian
// binary encodings of level 7, which flip the sign so that bytes sort like values.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tt::dbf::detail {

std::string WholeText(std::int64_t value);

// `decimals` digits after the point, rounded; empty for NaN and infinities.
// A result that rounds to zero carries no minus sign.
std::optional<std::string> FixedText(double value, int decimals);

// The shortest text that reads back as the same double.
std::string ShortestText(double value);

// Strict readers of already trimmed text: an optional sign, then digits
// (ParseWhole) or digits with an optional point and exponent (ParseDecimal).
// Empty on anything else, or when the value does not fit.
std::optional<std::int64_t> ParseWhole(std::string_view text);
std::optional<double> ParseDecimal(std::string_view text);

// Level 7 "I" (and "+"): 4 bytes, big-endian, sign bit inverted.
std::int32_t DecodeLong(const char* bytes);
void EncodeLong(std::int32_t value, char* bytes);

// Level 7 "O": 8 bytes, big-endian IEEE double; a positive value has its sign
// bit set, a negative one has every bit inverted.
double DecodeOrderedDouble(const char* bytes);
void EncodeOrderedDouble(double value, char* bytes);

// Level 7 "@": a big-endian double counting milliseconds from 0001-01-01
// (day 1). Files are seen both with and without the sign bit set.
double DecodeTimestamp(const char* bytes);

} // namespace tt::dbf::detail
