#include "platform/dbf/dbf_number.hpp"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>

namespace tt::dbf::detail {

namespace {

constexpr std::uint64_t kSign64 = std::uint64_t{1} << 63;
constexpr std::uint32_t kSign32 = std::uint32_t{1} << 31;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::uint64_t ReadBigEndian(const char* bytes, int size) {
    std::uint64_t value = 0;
    for (int i = 0; i < size; ++i) value = (value << 8) | static_cast<unsigned char>(bytes[i]);
    return value;
}

void WriteBigEndian(std::uint64_t value, char* bytes, int size) {
    for (int i = size - 1; i >= 0; --i) {
        bytes[i] = static_cast<char>(value & 0xFF);
        value >>= 8;
    }
}

} // namespace

std::string WholeText(std::int64_t value) {
    std::array<char, 24> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

std::optional<std::string> FixedText(double value, int decimals) {
    if (!std::isfinite(value)) return std::nullopt;
    // Room for the 309 integer digits of the largest double, sign, point and decimals.
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, decimals);
    if (result.ec != std::errc()) return std::nullopt;
    std::string text(buffer.data(), result.ptr);
    if (text.front() == '-' && text.find_first_not_of("0.", 1) == std::string::npos)
        text.erase(0, 1);
    return text;
}

std::string ShortestText(double value) {
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

std::optional<std::int64_t> ParseWhole(std::string_view text) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    const std::size_t digitsFrom = !text.empty() && text.front() == '-' ? 1 : 0;
    if (text.size() == digitsFrom) return std::nullopt;
    for (std::size_t i = digitsFrom; i < text.size(); ++i)
        if (!IsDigit(text[i])) return std::nullopt;
    std::int64_t value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<double> ParseDecimal(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // from_chars would also take "inf" and "nan"; a stored number starts with
    // a digit or the point.
    if (text.empty() || !(IsDigit(text.front()) || text.front() == '.')) return std::nullopt;
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value,
                                        std::chars_format::general);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
    return negative ? -value : value;
}

std::int32_t DecodeLong(const char* bytes) {
    const auto raw = static_cast<std::uint32_t>(ReadBigEndian(bytes, 4));
    return static_cast<std::int32_t>(raw ^ kSign32);
}

void EncodeLong(std::int32_t value, char* bytes) {
    WriteBigEndian(static_cast<std::uint32_t>(value) ^ kSign32, bytes, 4);
}

double DecodeOrderedDouble(const char* bytes) {
    const std::uint64_t raw = ReadBigEndian(bytes, 8);
    return std::bit_cast<double>((raw & kSign64) ? raw ^ kSign64 : ~raw);
}

void EncodeOrderedDouble(double value, char* bytes) {
    const auto raw = std::bit_cast<std::uint64_t>(value);
    WriteBigEndian((raw & kSign64) ? ~raw : raw | kSign64, bytes, 8);
}

double DecodeTimestamp(const char* bytes) {
    // A timestamp is never negative, so a set sign bit can only be the
    // ordered encoding's marker.
    return std::bit_cast<double>(ReadBigEndian(bytes, 8) & ~kSign64);
}

} // namespace tt::dbf::detail
