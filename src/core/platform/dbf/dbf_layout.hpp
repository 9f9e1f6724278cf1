#pragma once

// The file layout of a dBase table: header, field descriptors, record block
// and end marker, for dBase III+/IV (32-byte descriptors) and level 7
// (68-byte header, 48-byte descriptors, names up to 31 characters).

#include "platform/dbf/dbf_table.hpp"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tt::dbf::detail {

struct Column {
    FieldDef def;
    char code = 'C';         // the type letter stored in the descriptor
    std::size_t offset = 0;  // within the record; byte 0 is the deletion flag
    std::size_t width = 0;
};

struct Layout {
    std::string header;      // the stored header, header-length bytes long
    std::vector<Column> columns;
    std::size_t recordLength = 0;
};

struct Contents {
    Layout layout;
    std::string records;     // every record, deleted ones included, back to back
};

constexpr char kLiveFlag = ' ';
constexpr char kDeletedFlag = '*';

// Checks a whole file image against its own header and the file size.
// Throws tt::Error "La tabla <shownName> está dañada: <problem>".
Contents ParseTable(std::string_view image, const std::string& shownName);

// The layout of a new table. A field name longer than 10 characters makes it
// a level 7 table. Throws tt::Error naming the table for a field that cannot
// be stored.
Layout NewLayout(const std::vector<FieldDef>& fields, const std::string& shownName);

// The bytes of the file: the header with today's date and the record count
// (production-index flag cleared, since no index file is kept), the records,
// the end marker.
std::string TableImage(const Layout& layout, std::string_view records);

} // namespace tt::dbf::detail
