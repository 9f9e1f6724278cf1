#include "dbf_test_support.hpp"

namespace tt::testing {

void PutLE(std::string& bytes, std::size_t at, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::string DbfImage(unsigned char version, const std::vector<RawField>& fields,
                     const std::vector<std::string>& records, const std::string& afterFields) {
    const bool level7 = (version & 0x07) == 4;
    const std::size_t fixed = level7 ? 68 : 32;
    const std::size_t descriptor = level7 ? 48 : 32;
    std::string header(fixed, '\0');
    header[0] = static_cast<char>(version);
    header[1] = 124; // 2024-05-06
    header[2] = 5;
    header[3] = 6;
    header[29] = 0x03;
    std::size_t recordLength = 1;
    for (const RawField& field : fields) {
        std::string d(descriptor, '\0');
        d.replace(0, field.name.size(), field.name);
        d[level7 ? 32 : 11] = field.type;
        d[level7 ? 33 : 16] = static_cast<char>(field.width);
        d[level7 ? 34 : 17] = static_cast<char>(field.decimals);
        header += d;
        recordLength += static_cast<std::size_t>(field.width);
    }
    header += '\x0D';
    header += afterFields;
    PutLE(header, 4, static_cast<std::uint32_t>(records.size()), 4);
    PutLE(header, 8, static_cast<std::uint32_t>(header.size()), 2);
    PutLE(header, 10, static_cast<std::uint32_t>(recordLength), 2);
    std::string image = header;
    for (const std::string& record : records) image += record;
    image += '\x1A';
    return image;
}

} // namespace tt::testing
