#include "platform/dbf/dbf_layout.hpp"

#include "error.hpp"

#include <cstdint>
#include <ctime>
#include <utility>

namespace tt::dbf::detail {

namespace {

// Where things sit in the two header layouts.
struct Format {
    unsigned char version;
    std::size_t headerSize;     // fixed part, before the first descriptor
    std::size_t descriptorSize;
    std::size_t nameSize;       // NUL-padded; one byte stays NUL
    std::size_t typeAt;
    std::size_t widthAt;
    std::size_t decimalsAt;
};

constexpr Format kLevel3{0x03, 32, 32, 11, 11, 16, 17};
constexpr Format kLevel7{0x04, 68, 48, 32, 32, 33, 34};

constexpr std::size_t kDateAt = 1;
constexpr std::size_t kRecordCountAt = 4;
constexpr std::size_t kHeaderLengthAt = 8;
constexpr std::size_t kRecordLengthAt = 10;
constexpr std::size_t kProductionIndexAt = 28;
constexpr std::size_t kLanguageDriverAt = 29;
constexpr std::size_t kLanguageDriverNameAt = 32; // level 7 only

// Windows-1252, the code page of our text.
constexpr unsigned char kLanguageDriver = 0x03;
constexpr std::string_view kLanguageDriverName = "DBWINWE0";

constexpr char kFieldsEnd = 0x0D;
constexpr char kFileEnd = 0x1A;

constexpr std::size_t kMaxFieldsRead = 1024;
constexpr std::size_t kMaxFieldsLevel3 = 255;
constexpr std::size_t kMaxFieldsLevel7 = 1024;
constexpr std::size_t kMaxLevel3Name = kLevel3.nameSize - 1;
constexpr int kMaxCharacterWidth = 254;
constexpr int kMaxNumericWidth = 20;
constexpr int kDefaultIntegerWidth = 11; // holds any 32-bit value, sign included
constexpr int kDefaultFloatWidth = 20;
constexpr int kDefaultFloatDecimals = 4;

unsigned Byte(std::string_view bytes, std::size_t at) {
    return static_cast<unsigned char>(bytes[at]);
}

std::uint32_t LittleEndian(std::string_view bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = (value << 8) | Byte(bytes, at + i);
    return value;
}

void PutLittleEndian(std::string& bytes, std::size_t at, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes[at + i] = static_cast<char>(value & 0xFF);
        value >>= 8;
    }
}

std::string Hex(unsigned value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    return std::string("0x") + kDigits[(value >> 4) & 0xF] + kDigits[value & 0xF];
}

std::string TypeShown(char code) {
    const auto byte = static_cast<unsigned char>(code);
    if (byte > 0x20 && byte < 0x7F) return std::string("'") + code + "'";
    return "byte " + Hex(byte);
}

// Builds the errors of one kind about one table: a fixed opening, then the problem.
class Problem {
public:
    explicit Problem(std::string opening) : opening_(std::move(opening)) {}
    Error operator()(const std::string& problem) const { return Error(opening_ + problem); }

private:
    std::string opening_;
};

// The width a type must have, or 0 when its width is free.
std::size_t FixedWidth(char code) {
    switch (code) {
    case 'L': return 1;
    case 'I':
    case '+': return 4;
    case 'D':
    case '@':
    case 'O': return 8;
    default: return 0;
    }
}

Column ReadDescriptor(std::string_view descriptor, const Format& format, bool level7,
                      std::size_t number, const Problem& damaged) {
    const std::string_view nameBytes = descriptor.substr(0, format.nameSize);
    const std::string name(nameBytes.substr(0, nameBytes.find('\0')));
    if (name.empty()) throw damaged("el campo " + std::to_string(number) + " no tiene nombre");
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F)
            throw damaged("el nombre del campo " + std::to_string(number) + " no es válido");
    }

    Column column;
    column.def.name = name;
    column.code = descriptor[format.typeAt];
    std::size_t width = Byte(descriptor, format.widthAt);
    const int decimals = static_cast<int>(Byte(descriptor, format.decimalsAt));
    switch (column.code) {
    case 'C':
        // Older tools keep the high byte of a long character field in the
        // decimals byte; the record length check catches anything else there.
        if (!level7) width += static_cast<std::size_t>(decimals) * 256;
        column.def.type = FieldType::Character;
        break;
    case 'N':
        column.def.type = decimals == 0 ? FieldType::Integer : FieldType::Float;
        column.def.decimals = decimals;
        break;
    case 'F':
        column.def.type = FieldType::Float;
        column.def.decimals = decimals;
        break;
    case 'L': column.def.type = FieldType::Logical; break;
    case 'D': column.def.type = FieldType::Date; break;
    case 'I':
    case '+':
    case '@': column.def.type = FieldType::Integer; break;
    case 'O': column.def.type = FieldType::Float; break;
    case 'M': // memo, binary and OLE: block numbers into a memo file, shown as text
    case 'B':
    case 'G': column.def.type = FieldType::Character; break;
    default:
        throw damaged("el campo " + name + " tiene un tipo no admitido (" +
                      TypeShown(column.code) + ")");
    }
    if (width == 0) throw damaged("el campo " + name + " tiene ancho 0");
    const std::size_t fixed = FixedWidth(column.code);
    if (fixed != 0 && width != fixed)
        throw damaged("el campo " + name + " de tipo " + TypeShown(column.code) + " tiene ancho " +
                      std::to_string(width) + " en lugar de " + std::to_string(fixed));
    if ((column.code == 'N' || column.code == 'F') && decimals > 0 &&
        static_cast<std::size_t>(decimals) >= width)
        throw damaged("el campo " + name + " tiene más decimales que ancho");
    column.width = width;
    column.def.width = static_cast<int>(width);
    return column;
}

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool IsValidName(const std::string& name, std::size_t maxLength) {
    if (name.empty() || name.size() > maxLength || !IsAsciiLetter(name.front())) return false;
    for (const char c : name)
        if (!IsAsciiLetter(c) && !(c >= '0' && c <= '9') && c != '_') return false;
    return true;
}

std::string AsciiUpper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

// The stored type letter, width and decimals of a new field.
void SizeNewColumn(Column& column, const Problem& invalid) {
    FieldDef& def = column.def;
    const std::string widthShown = std::to_string(def.width);
    switch (def.type) {
    case FieldType::Character:
        if (def.width < 1 || def.width > kMaxCharacterWidth)
            throw invalid("el campo de texto " + def.name + " tiene ancho " + widthShown +
                          " (se admite de 1 a 254)");
        column.code = 'C';
        def.decimals = 0;
        break;
    case FieldType::Logical:
        column.code = 'L';
        def.width = 1;
        def.decimals = 0;
        break;
    case FieldType::Date:
        column.code = 'D';
        def.width = 8;
        def.decimals = 0;
        break;
    case FieldType::Integer:
        column.code = 'N';
        if (def.width == 0) def.width = kDefaultIntegerWidth;
        def.decimals = 0;
        if (def.width < 1 || def.width > kMaxNumericWidth)
            throw invalid("el campo numérico " + def.name + " tiene ancho " + widthShown +
                          " (se admite de 1 a 20)");
        break;
    case FieldType::Float:
        column.code = 'N';
        if (def.width == 0) def.width = kDefaultFloatWidth;
        if (def.decimals == 0) def.decimals = kDefaultFloatDecimals;
        // Room for at least "0." before the decimals.
        if (def.width < 3 || def.width > kMaxNumericWidth || def.decimals < 1 ||
            def.decimals > def.width - 2)
            throw invalid("el campo numérico " + def.name + " tiene ancho " +
                          std::to_string(def.width) + " y " + std::to_string(def.decimals) +
                          " decimales");
        break;
    }
    column.width = static_cast<std::size_t>(def.width);
}

std::string NewHeader(const Layout& layout, const Format& format) {
    const std::size_t headerLength =
        format.headerSize + layout.columns.size() * format.descriptorSize + 1;
    std::string header(headerLength, '\0');
    header[0] = static_cast<char>(format.version);
    PutLittleEndian(header, kHeaderLengthAt, static_cast<std::uint32_t>(headerLength), 2);
    PutLittleEndian(header, kRecordLengthAt, static_cast<std::uint32_t>(layout.recordLength), 2);
    header[kLanguageDriverAt] = static_cast<char>(kLanguageDriver);
    if (format.version == kLevel7.version)
        header.replace(kLanguageDriverNameAt, kLanguageDriverName.size(), kLanguageDriverName);
    for (std::size_t i = 0; i < layout.columns.size(); ++i) {
        const Column& column = layout.columns[i];
        const std::size_t at = format.headerSize + i * format.descriptorSize;
        header.replace(at, column.def.name.size(), column.def.name);
        header[at + format.typeAt] = column.code;
        header[at + format.widthAt] = static_cast<char>(column.width);
        header[at + format.decimalsAt] = static_cast<char>(column.def.decimals);
    }
    header[headerLength - 1] = kFieldsEnd;
    return header;
}

std::tm Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return local;
}

} // namespace

Contents ParseTable(std::string_view image, const std::string& shownName) {
    const Problem damaged("La tabla " + shownName + " está dañada: ");
    if (image.size() < kLevel3.headerSize)
        throw damaged("el archivo es más corto que un encabezado de tabla");
    const unsigned version = Byte(image, 0);
    const bool level7 = (version & 0x07) == 4;
    if ((version & 0x07) != 3 && !level7)
        throw damaged("versión de formato no admitida (" + Hex(version) + ")");
    const Format& format = level7 ? kLevel7 : kLevel3;
    const std::uint32_t declaredRecords = LittleEndian(image, kRecordCountAt, 4);
    const std::size_t headerLength = LittleEndian(image, kHeaderLengthAt, 2);
    const std::size_t recordLength = LittleEndian(image, kRecordLengthAt, 2);
    if (headerLength < format.headerSize + 1)
        throw damaged("la longitud del encabezado (" + std::to_string(headerLength) +
                      ") no es válida");
    if (headerLength > image.size()) throw damaged("el archivo es más corto que su encabezado");

    Contents contents;
    Layout& layout = contents.layout;
    std::size_t at = format.headerSize;
    std::size_t offset = 1;
    for (;;) {
        if (at >= headerLength || (image[at] != kFieldsEnd && at + format.descriptorSize > headerLength))
            throw damaged("falta la marca de fin de la lista de campos");
        if (image[at] == kFieldsEnd) break;
        if (layout.columns.size() == kMaxFieldsRead)
            throw damaged("tiene más de " + std::to_string(kMaxFieldsRead) + " campos");
        Column column = ReadDescriptor(image.substr(at, format.descriptorSize), format, level7,
                                       layout.columns.size() + 1, damaged);
        column.offset = offset;
        offset += column.width;
        layout.columns.push_back(std::move(column));
        at += format.descriptorSize;
    }
    if (layout.columns.empty()) throw damaged("no tiene campos");
    if (offset != recordLength)
        throw damaged("la longitud de registro (" + std::to_string(recordLength) +
                      ") no corresponde a sus campos (" + std::to_string(offset) + ")");
    layout.recordLength = recordLength;

    const std::uint64_t available = image.size() - headerLength;
    if (std::uint64_t{declaredRecords} * recordLength > available)
        throw damaged("declara " + std::to_string(declaredRecords) +
                      " registros pero el archivo solo contiene " +
                      std::to_string(available / recordLength));
    layout.header.assign(image.substr(0, headerLength));
    contents.records.assign(image.substr(headerLength, declaredRecords * recordLength));
    for (std::size_t i = 0; i < declaredRecords; ++i) {
        const char flag = contents.records[i * recordLength];
        if (flag != kLiveFlag && flag != kDeletedFlag)
            throw damaged("el registro " + std::to_string(i + 1) +
                          " tiene una marca de borrado no válida (" +
                          Hex(static_cast<unsigned char>(flag)) + ")");
    }
    return contents;
}

Layout NewLayout(const std::vector<FieldDef>& fields, const std::string& shownName) {
    const Problem invalid("No se puede crear la tabla " + shownName + ": ");
    if (fields.empty()) throw invalid("no tiene campos");
    bool level7 = false;
    for (const FieldDef& field : fields) level7 = level7 || field.name.size() > kMaxLevel3Name;
    const Format& format = level7 ? kLevel7 : kLevel3;
    const std::size_t maxFields = level7 ? kMaxFieldsLevel7 : kMaxFieldsLevel3;
    if (fields.size() > maxFields)
        throw invalid("tiene más de " + std::to_string(maxFields) + " campos");

    Layout layout;
    std::size_t offset = 1;
    for (const FieldDef& field : fields) {
        if (!IsValidName(field.name, format.nameSize - 1))
            throw invalid("el nombre de campo '" + field.name + "' no es válido");
        Column column;
        column.def = field;
        column.def.name = AsciiUpper(field.name);
        for (const Column& earlier : layout.columns)
            if (earlier.def.name == column.def.name)
                throw invalid("el campo " + column.def.name + " está repetido");
        SizeNewColumn(column, invalid);
        column.offset = offset;
        offset += column.width;
        layout.columns.push_back(std::move(column));
    }
    if (offset > 0xFFFF) throw invalid("los registros ocuparían más de 65535 bytes");
    layout.recordLength = offset;
    layout.header = NewHeader(layout, format);
    return layout;
}

std::string TableImage(const Layout& layout, std::string_view records) {
    std::string image = layout.header;
    const std::tm today = Today();
    image[kDateAt] = static_cast<char>(today.tm_year); // years since 1900
    image[kDateAt + 1] = static_cast<char>(today.tm_mon + 1);
    image[kDateAt + 2] = static_cast<char>(today.tm_mday);
    PutLittleEndian(image, kRecordCountAt,
                    static_cast<std::uint32_t>(records.size() / layout.recordLength), 4);
    image[kProductionIndexAt] = 0;
    image.append(records);
    image.push_back(kFileEnd);
    return image;
}

} // namespace tt::dbf::detail
