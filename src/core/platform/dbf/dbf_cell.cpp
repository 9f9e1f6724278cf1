#include "platform/dbf/dbf_cell.hpp"

#include "error.hpp"
#include "text/codepage.hpp"
#include "platform/dbf/dbf_number.hpp"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <limits>

namespace tt::dbf::detail {

namespace {

constexpr std::string_view kPadding(" \0", 2);
// First letters of text that means true or false ("S" as in "sí").
constexpr std::string_view kTrueLetters = "TtYySs";
constexpr std::string_view kFalseLetters = "FfNn";

enum class Kind {
    Text,    // C; memo block numbers (M, B, G) read the same way
    Date,    // D, YYYYMMDD
    Logical, // L
    Number,  // N, F: right-aligned decimal text
    Long,    // I, +: level 7 binary
    Double,  // O: level 7 binary
    Stamp,   // @: level 7 binary, milliseconds
};

Kind KindOf(char code) {
    switch (code) {
    case 'D': return Kind::Date;
    case 'L': return Kind::Logical;
    case 'N':
    case 'F': return Kind::Number;
    case 'I':
    case '+': return Kind::Long;
    case 'O': return Kind::Double;
    case '@': return Kind::Stamp;
    default: return Kind::Text;
    }
}

// Memo block numbers point into a memo file we do not keep, and a timestamp
// has no writer here.
bool IsReadOnly(char code) { return code == 'M' || code == 'B' || code == 'G' || code == '@'; }

std::string_view TrimRight(std::string_view text) {
    const std::size_t end = text.find_last_not_of(kPadding);
    return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

std::string_view Trim(std::string_view text) {
    text = TrimRight(text);
    const std::size_t begin = text.find_first_not_of(kPadding);
    return begin == std::string_view::npos ? std::string_view() : text.substr(begin);
}

// The trimmed text of a cell holding text or decimal digits; a numeric field
// filled with '*' (a value that did not fit, written by another tool) is blank.
std::string_view NumberText(const Column& column, std::string_view cell) {
    const std::string_view text = Trim(cell);
    if (KindOf(column.code) == Kind::Number && text.find_first_not_of('*') == std::string_view::npos)
        return {};
    return text;
}

bool IsNoValue(std::string_view cell) {
    return cell.find_first_not_of('\0') == std::string_view::npos;
}

// The value inside a message, which is UTF-8.
std::string Quoted(std::string_view ansi) { return "'" + text::Widen(ansi) + "'"; }

Error NotInteger(std::string_view text) {
    return Error(Quoted(text) + " no es un valor entero válido");
}

Error NotNumber(std::string_view text) {
    return Error(Quoted(text) + " no es un valor numérico válido");
}

std::string Where(const Column& column, const std::string& shownName) {
    return "el campo " + column.def.name + " de la tabla " + shownName;
}

Error TooWide(const Column& column, const std::string& shownName, const std::string& value) {
    return Error("El valor " + value + " no cabe en " + Where(column, shownName) + " (ancho " +
                 std::to_string(column.width) + ")");
}

Error Unfit(const Column& column, const std::string& shownName, std::string_view value,
            const std::string& what) {
    return Error(Quoted(value) + " no es " + what + " para " + Where(column, shownName));
}

std::optional<std::int64_t> RoundToWhole(double value) {
    // 2^63 is exactly representable; anything at or past it is not an int64.
    constexpr double kLimit = 9223372036854775808.0;
    if (!std::isfinite(value) || std::fabs(value) >= kLimit) return std::nullopt;
    return std::llround(value);
}

std::optional<std::int64_t> ExactWhole(double value) {
    if (!std::isfinite(value) || value != std::trunc(value)) return std::nullopt;
    return RoundToWhole(value);
}

bool IsValidDate(std::string_view text) {
    if (text.size() != 8) return false;
    for (const char c : text)
        if (c < '0' || c > '9') return false;
    const auto digits = [&](std::size_t from, std::size_t count) {
        int value = 0;
        for (std::size_t i = from; i < from + count; ++i) value = value * 10 + (text[i] - '0');
        return value;
    };
    const std::chrono::year_month_day date{std::chrono::year{digits(0, 4)},
                                           std::chrono::month{static_cast<unsigned>(digits(4, 2))},
                                           std::chrono::day{static_cast<unsigned>(digits(6, 2))}};
    return date.ok();
}

// Right-aligned decimal text, as N and F fields keep it.
void PutNumberText(const Column& column, char* cell, const std::string& text,
                   const std::string& shownName) {
    if (text.size() > column.width) throw TooWide(column, shownName, text);
    std::memset(cell, ' ', column.width - text.size());
    std::memcpy(cell + column.width - text.size(), text.data(), text.size());
}

// A number into a character or date field: never cut, unlike text.
void PutNumberAsText(const Column& column, char* cell, const std::string& text,
                     const std::string& shownName) {
    if (text.size() > column.width) throw TooWide(column, shownName, text);
    PutText(column, cell, text, shownName);
}

void CheckWritable(const Column& column, const std::string& shownName) {
    if (IsReadOnly(column.code))
        throw Error("No se puede modificar " + Where(column, shownName));
}

} // namespace

void BlankCell(const Column& column, char* cell) {
    const Kind kind = KindOf(column.code);
    const bool binary = kind == Kind::Long || kind == Kind::Double || kind == Kind::Stamp;
    std::memset(cell, binary ? '\0' : ' ', column.width);
}

std::string CellText(const Column& column, std::string_view cell) {
    switch (KindOf(column.code)) {
    case Kind::Text: return std::string(TrimRight(cell));
    case Kind::Date:
    case Kind::Number: return std::string(NumberText(column, cell));
    case Kind::Logical: {
        const char flag = cell[0];
        if (flag == 'T' || flag == 't' || flag == 'Y' || flag == 'y') return "T";
        if (flag == 'F' || flag == 'f' || flag == 'N' || flag == 'n') return "F";
        return "";
    }
    case Kind::Long: return IsNoValue(cell) ? "" : WholeText(DecodeLong(cell.data()));
    case Kind::Double: return IsNoValue(cell) ? "" : ShortestText(DecodeOrderedDouble(cell.data()));
    case Kind::Stamp: {
        if (IsNoValue(cell)) return "";
        const double stamp = DecodeTimestamp(cell.data());
        const auto whole = RoundToWhole(stamp);
        return whole ? WholeText(*whole) : ShortestText(stamp);
    }
    }
    return "";
}

std::int64_t CellInteger(const Column& column, std::string_view cell) {
    switch (KindOf(column.code)) {
    case Kind::Text:
    case Kind::Date:
    case Kind::Number: {
        const std::string_view text = NumberText(column, cell);
        if (text.empty()) return 0;
        if (column.def.type == FieldType::Float) {
            const auto value = ParseDecimal(text);
            const auto whole = value ? RoundToWhole(*value) : std::nullopt;
            if (!whole) throw NotInteger(text);
            return *whole;
        }
        const auto value = ParseWhole(text);
        if (!value) throw NotInteger(text);
        return *value;
    }
    case Kind::Logical: return CellBool(column, cell) ? 1 : 0;
    case Kind::Long: return IsNoValue(cell) ? 0 : DecodeLong(cell.data());
    case Kind::Double:
    case Kind::Stamp: {
        if (IsNoValue(cell)) return 0;
        const double value = CellFloat(column, cell);
        const auto whole = RoundToWhole(value);
        if (!whole) throw NotInteger(ShortestText(value));
        return *whole;
    }
    }
    return 0;
}

double CellFloat(const Column& column, std::string_view cell) {
    switch (KindOf(column.code)) {
    case Kind::Text:
    case Kind::Date:
    case Kind::Number: {
        const std::string_view text = NumberText(column, cell);
        if (text.empty()) return 0;
        const auto value = ParseDecimal(text);
        if (!value) throw NotNumber(text);
        return *value;
    }
    case Kind::Logical: return CellBool(column, cell) ? 1 : 0;
    case Kind::Long: return IsNoValue(cell) ? 0 : DecodeLong(cell.data());
    case Kind::Double: return IsNoValue(cell) ? 0 : DecodeOrderedDouble(cell.data());
    case Kind::Stamp: return IsNoValue(cell) ? 0 : DecodeTimestamp(cell.data());
    }
    return 0;
}

bool CellBool(const Column& column, std::string_view cell) {
    switch (KindOf(column.code)) {
    case Kind::Logical: return CellText(column, cell) == "T";
    case Kind::Text:
    case Kind::Date: {
        const std::string_view text = Trim(cell);
        return !text.empty() && kTrueLetters.find(text.front()) != std::string_view::npos;
    }
    default: return CellFloat(column, cell) != 0;
    }
}

std::optional<std::int64_t> CellWholeNumber(const Column& column, std::string_view cell) {
    switch (KindOf(column.code)) {
    case Kind::Logical: return std::nullopt;
    case Kind::Long: return IsNoValue(cell) ? std::nullopt : std::optional<std::int64_t>(DecodeLong(cell.data()));
    case Kind::Double:
    case Kind::Stamp: return IsNoValue(cell) ? std::nullopt : ExactWhole(CellFloat(column, cell));
    case Kind::Text:
    case Kind::Date:
    case Kind::Number: {
        const std::string_view text = NumberText(column, cell);
        if (column.def.type == FieldType::Float) {
            const auto value = ParseDecimal(text);
            return value ? ExactWhole(*value) : std::nullopt;
        }
        return ParseWhole(text);
    }
    }
    return std::nullopt;
}

void PutText(const Column& column, char* cell, std::string_view value, const std::string& shownName) {
    CheckWritable(column, shownName);
    const std::string_view trimmed = Trim(value);
    switch (KindOf(column.code)) {
    case Kind::Text: {
        const std::size_t kept = std::min(value.size(), column.width);
        std::memcpy(cell, value.data(), kept);
        std::memset(cell + kept, ' ', column.width - kept);
        return;
    }
    case Kind::Date:
        if (trimmed.empty()) return BlankCell(column, cell);
        if (!IsValidDate(trimmed)) throw Unfit(column, shownName, trimmed, "una fecha válida (AAAAMMDD)");
        std::memcpy(cell, trimmed.data(), trimmed.size());
        return;
    case Kind::Logical:
        if (trimmed.empty()) return BlankCell(column, cell);
        if (kTrueLetters.find(trimmed.front()) != std::string_view::npos)
            return PutBool(column, cell, true, shownName);
        if (kFalseLetters.find(trimmed.front()) != std::string_view::npos)
            return PutBool(column, cell, false, shownName);
        throw Unfit(column, shownName, trimmed, "un valor lógico válido");
    default:
        if (trimmed.empty()) return BlankCell(column, cell);
        if (column.def.type == FieldType::Integer) {
            const auto number = ParseWhole(trimmed);
            if (!number) throw Unfit(column, shownName, trimmed, "un valor entero válido");
            return PutInteger(column, cell, *number, shownName);
        }
        const auto number = ParseDecimal(trimmed);
        if (!number) throw Unfit(column, shownName, trimmed, "un valor numérico válido");
        return PutFloat(column, cell, *number, shownName);
    }
}

void PutInteger(const Column& column, char* cell, std::int64_t value, const std::string& shownName) {
    CheckWritable(column, shownName);
    switch (KindOf(column.code)) {
    case Kind::Number: {
        std::string text = WholeText(value);
        if (column.def.decimals > 0) text += "." + std::string(static_cast<std::size_t>(column.def.decimals), '0');
        return PutNumberText(column, cell, text, shownName);
    }
    case Kind::Long:
        if (value < std::numeric_limits<std::int32_t>::min() ||
            value > std::numeric_limits<std::int32_t>::max())
            throw TooWide(column, shownName, WholeText(value));
        return EncodeLong(static_cast<std::int32_t>(value), cell);
    case Kind::Double: return EncodeOrderedDouble(static_cast<double>(value), cell);
    case Kind::Logical: return PutBool(column, cell, value != 0, shownName);
    default: return PutNumberAsText(column, cell, WholeText(value), shownName);
    }
}

void PutFloat(const Column& column, char* cell, double value, const std::string& shownName) {
    CheckWritable(column, shownName);
    if (!std::isfinite(value)) throw Unfit(column, shownName, ShortestText(value), "un número válido");
    switch (KindOf(column.code)) {
    case Kind::Number: {
        const auto text = FixedText(value, column.def.decimals);
        return PutNumberText(column, cell, *text, shownName);
    }
    case Kind::Long: {
        const auto whole = RoundToWhole(value);
        if (!whole) throw TooWide(column, shownName, ShortestText(value));
        return PutInteger(column, cell, *whole, shownName);
    }
    case Kind::Double: return EncodeOrderedDouble(value, cell);
    case Kind::Logical: return PutBool(column, cell, value != 0, shownName);
    default: return PutNumberAsText(column, cell, ShortestText(value), shownName);
    }
}

void PutBool(const Column& column, char* cell, bool value, const std::string& shownName) {
    CheckWritable(column, shownName);
    switch (KindOf(column.code)) {
    case Kind::Logical: cell[0] = value ? 'T' : 'F'; return;
    case Kind::Text:
    case Kind::Date: return PutText(column, cell, value ? "T" : "F", shownName);
    default: return PutInteger(column, cell, value ? 1 : 0, shownName);
    }
}

} // namespace tt::dbf::detail
