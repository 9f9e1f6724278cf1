#pragma once

// dBase tables, read and written by hand (see README: "Why the dBase format is
// written by hand"). Text values are Windows-1252 bytes, the code page the
// tables declare in their language-driver byte.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace tt::dbf {

enum class FieldType {
    Character, // C, width 1..254
    Logical,   // L, T/F
    Integer,   // N without decimals, default width 11 (any 32-bit value); level 7 I
               // and @ read as this (@ as milliseconds counted from 0001-01-01 as day 1)
    Float,     // N with decimals, default width 20 with 4 decimals; F and level 7 O read as this
    Date,      // D, read as its YYYYMMDD text
};

struct FieldDef {
    std::string name;      // upper-case ASCII; more than 10 characters makes a level 7 table
    FieldType type = FieldType::Character;
    int width = 0;         // Character: 1..254; Integer/Float: 0 means the engine's default
    int decimals = 0;      // Float only; 0 means the engine's default
};

struct IndexDef {
    std::string tag;       // index tag name, e.g. "ORDEN"
    std::string field;     // the one field it orders by
};

// Creates an empty table at `file`, replacing any table there. The working
// tables fit dBase III+/IV; a field name longer than 10 characters makes a
// dBase level 7 file. Index tags are checked against the fields; their order
// is applied in memory with Table::setIndexOrder (no .MDX is written).
// Throws tt::Error naming the file when it cannot be written.
void CreateTable(const std::filesystem::path& file,
                 const std::vector<FieldDef>& fields,
                 const std::vector<IndexDef>& indexes = {});

// Deletes the table's file and its production index (same name, ".MDX") when
// they exist. A table that someone holds open, in this process or another,
// is left in place and false is returned, as on Windows, where an open file
// cannot be deleted; a CreateTable that follows then reports it as locked.
bool DeleteTableFiles(const std::filesystem::path& file);

enum class OpenMode {
    Exclusive, // no other opener, in this or any other process
    Shared,    // other shared readers allowed; writers excluded. Read-only.
};

// An open table. The rows live in memory while it is open; changes are written
// back on close(), through the locked file. Every failure throws tt::Error
// with a message that names the file and the problem (missing table, unknown
// field, locked by another program, malformed file). Deleted records of
// foreign files are never shown but are kept when the table is written back.
class Table {
public:
    Table(const std::filesystem::path& file, OpenMode mode);
    ~Table(); // closes without throwing; call close() to see write errors
    Table(Table&&) noexcept;
    Table& operator=(Table&&) noexcept;
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    void close();
    bool isOpen() const;
    const std::filesystem::path& path() const;

    const std::vector<FieldDef>& fields() const;
    bool hasField(const std::string& name) const; // name compared ignoring case

    // Navigation over the visible rows: the current order (physical, or the
    // index order), restricted by the filter when one is set. Opening goes to
    // the first row. Past the last row there is no current row, and fields
    // read as blank there. Moving posts a pending append.
    void first();
    void next();
    bool eof() const;

    // Number of records in the table (deleted records of foreign files
    // excluded); the filter does not change it.
    std::size_t recordCount() const;

    // Goes to the first row, in physical order, whose field equals value;
    // rows the filter hides are passed over, and a blank field equals no
    // number. When nothing matches the cursor stays where it was.
    bool locate(const std::string& field, std::int64_t value);

    // Rows in ascending order of `field`, equal keys in physical order; an
    // empty name goes back to physical order. Moves to the first row.
    void setIndexOrder(const std::string& field);

    // Only rows whose field (read as text) equals value exactly, case included.
    // Setting or clearing the filter moves to the first row.
    void setFilter(const std::string& field, const std::string& value);
    void clearFilter();

    // The current row's values. Text comes without padding blanks: character
    // fields lose their trailing blanks (leading ones are data), numbers and
    // dates come trimmed. A blank field reads as "", 0 or false. asInteger on
    // text that is not a whole number throws "'%s' no es un valor entero
    // válido"; a floating-point field read as integer is rounded.
    std::string asText(const std::string& field) const;
    std::int64_t asInteger(const std::string& field) const;
    double asFloat(const std::string& field) const;
    bool asBool(const std::string& field) const;

    // Appends a blank row at the end and makes it current; set fields, then
    // post. A row not posted when the table closes is dropped. The setters
    // change the current row (the appended one, or an existing row in place).
    void append();
    // Text longer than the field is cut to its width without error; a number
    // that does not fit its field is an error, never cut. Numeric, logical and
    // date fields take text they can read ("" makes them blank).
    void setText(const std::string& field, const std::string& value);
    void setBool(const std::string& field, bool value);
    void setInteger(const std::string& field, std::int64_t value);
    void setFloat(const std::string& field, double value);
    void post();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace tt::dbf
