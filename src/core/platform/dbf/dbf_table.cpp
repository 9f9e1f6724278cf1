#include "platform/dbf/dbf_table.hpp"

#include "error.hpp"
#include "platform/dbf/dbf_cell.hpp"
#include "platform/dbf/dbf_layout.hpp"
#include "platform/display_path.hpp"
#include "text/clipper.hpp"
#include "platform/file_lock.hpp"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <optional>

namespace tt::dbf {

namespace fs = std::filesystem;
using detail::Column;
using platform::FileLock;

namespace {

constexpr std::size_t kNoRow = static_cast<std::size_t>(-1);

Error Locked(const std::string& shownName) {
    return Error("La tabla " + shownName + " está bloqueada por otro programa");
}

// Stable sort of `rows` by keys[i], the key of rows[i].
template <class Key>
void SortRows(std::vector<std::size_t>& rows, const std::vector<Key>& keys) {
    std::vector<std::size_t> order(rows.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
    std::vector<std::size_t> sorted(rows.size());
    for (std::size_t i = 0; i < order.size(); ++i) sorted[i] = rows[order[i]];
    rows = std::move(sorted);
}

// The state of a table that must be open, whatever its constness.
template <class State>
State& Opened(const std::unique_ptr<State>& impl) {
    if (!impl) throw Error("La tabla no está abierta");
    if (!impl->lock) throw Error("La tabla " + impl->shown + " está cerrada");
    return *impl;
}

} // namespace

void CreateTable(const fs::path& file, const std::vector<FieldDef>& fields,
                 const std::vector<IndexDef>& indexes) {
    const std::string shown = platform::DisplayPath(file);
    const detail::Layout layout = detail::NewLayout(fields, shown);
    for (const IndexDef& index : indexes) {
        const bool known = std::any_of(layout.columns.begin(), layout.columns.end(),
                                       [&](const Column& c) { return text::IgualesSinMayusculasAscii(c.def.name, index.field); });
        if (!known)
            throw Error("No se puede crear la tabla " + shown + ": el índice " + index.tag +
                        " usa el campo " + index.field + ", que la tabla no tiene");
    }
    const auto lock = FileLock::tryLock(file, FileLock::Kind::Exclusive, /*create=*/true);
    if (!lock) throw Locked(shown);
    lock->overwrite(detail::TableImage(layout, {}));
}

bool DeleteTableFiles(const fs::path& file) {
    std::error_code error;
    if (fs::exists(file, error)) {
        try {
            if (!FileLock::tryLock(file, FileLock::Kind::Exclusive)) return false;
        } catch (const Error&) {
            return false; // cannot even be opened for writing: CreateTable will say why
        }
        if (!fs::remove(file, error)) return false;
    }
    fs::path index = file;
    index.replace_extension(".MDX");
    fs::remove(index, error);
    return true;
}

struct Table::Impl {
    fs::path file;
    std::string shown;
    OpenMode mode = OpenMode::Exclusive;
    std::unique_ptr<FileLock> lock; // held while open
    detail::Layout layout;
    std::vector<FieldDef> fields;

    std::string records;            // every record back to back, deleted ones included
    std::size_t physicalCount = 0;  // records stored, the pending one included
    std::size_t liveCount = 0;      // records not deleted, the pending one excluded
    bool pending = false;           // the last record is appended but not posted
    bool modified = false;

    std::optional<std::size_t> orderColumn;
    std::optional<std::size_t> filterColumn;
    std::string filterValue;

    // The visible rows in order, rebuilt when invalid; the cursor is a
    // physical row and, while the view is valid, its place in the view.
    std::vector<std::size_t> view;
    bool viewValid = false;
    std::size_t current = kNoRow;
    std::size_t place = 0;
    bool placeValid = false;

    std::string_view cell(std::size_t row, const Column& column) const {
        return std::string_view(records).substr(row * layout.recordLength + column.offset, column.width);
    }
    char* cellForWrite(std::size_t row, const Column& column) {
        return records.data() + row * layout.recordLength + column.offset;
    }
    bool isLive(std::size_t row) const {
        return records[row * layout.recordLength] != detail::kDeletedFlag &&
               !(pending && row + 1 == physicalCount);
    }
    bool passesFilter(std::size_t row) const {
        return !filterColumn ||
               detail::CellText(layout.columns[*filterColumn], cell(row, layout.columns[*filterColumn])) ==
                   filterValue;
    }

    std::size_t columnIndex(const std::string& name) const {
        for (std::size_t i = 0; i < layout.columns.size(); ++i)
            if (text::IgualesSinMayusculasAscii(layout.columns[i].def.name, name)) return i;
        throw Error("La tabla " + shown + " no tiene el campo " + name);
    }

    void invalidateView() {
        viewValid = false;
        placeValid = false;
    }

    void ensureView() {
        if (viewValid) return;
        view.clear();
        for (std::size_t row = 0; row < physicalCount; ++row)
            if (isLive(row) && passesFilter(row)) view.push_back(row);
        if (orderColumn) sortView(layout.columns[*orderColumn]);
        viewValid = true;
        placeValid = false;
    }

    // Numbers compare as numbers, everything else by its stored bytes.
    void sortView(const Column& column) {
        if (column.def.type == FieldType::Integer) {
            std::vector<std::int64_t> keys;
            keys.reserve(view.size());
            for (const std::size_t row : view) keys.push_back(detail::CellInteger(column, cell(row, column)));
            SortRows(view, keys);
        } else if (column.def.type == FieldType::Float) {
            std::vector<double> keys;
            keys.reserve(view.size());
            for (const std::size_t row : view) {
                const double key = detail::CellFloat(column, cell(row, column));
                // A NaN from a foreign binary field would break the ordering.
                keys.push_back(std::isnan(key) ? -std::numeric_limits<double>::infinity() : key);
            }
            SortRows(view, keys);
        } else {
            std::vector<std::string_view> keys;
            keys.reserve(view.size());
            for (const std::size_t row : view) keys.push_back(cell(row, column));
            SortRows(view, keys);
        }
    }

    void settle() {
        if (pending) post();
    }

    void post() {
        pending = false;
        ++liveCount;
        modified = true;
        invalidateView();
    }

    void goFirst() {
        settle();
        ensureView();
        place = 0;
        placeValid = true;
        current = view.empty() ? kNoRow : view.front();
    }

    void goNext() {
        settle();
        if (current == kNoRow) return;
        ensureView();
        if (!placeValid) {
            // The current row may have left the view (edited out of the filter).
            const auto found = std::find(view.begin(), view.end(), current);
            place = static_cast<std::size_t>(found - view.begin());
            placeValid = true;
        }
        place = std::min(place + 1, view.size());
        current = place < view.size() ? view[place] : kNoRow;
    }

    void requireWritable() const {
        if (mode == OpenMode::Shared)
            throw Error("La tabla " + shown + " está abierta solo para lectura");
    }

    char* currentCell(const Column& column) {
        requireWritable();
        if (current == kNoRow) throw Error("La tabla " + shown + " no tiene un registro actual");
        return cellForWrite(current, column);
    }

    // A change in place may move the row in the order or out of the filter.
    void noteEdit(std::size_t column) {
        if (pending) return;
        modified = true;
        if (column == orderColumn || column == filterColumn) invalidateView();
    }

    // The current row's field through `reader`, or `blank` past the last row.
    template <class Reader, class Value>
    Value readCurrent(const std::string& field, Reader reader, Value blank) const {
        const Column& column = layout.columns[columnIndex(field)];
        return current == kNoRow ? blank : reader(column, cell(current, column));
    }

    template <class Writer, class Value>
    void writeCurrent(const std::string& field, Writer writer, const Value& value) {
        const std::size_t index = columnIndex(field);
        const Column& column = layout.columns[index];
        writer(column, currentCell(column), value, shown);
        noteEdit(index);
    }

    void dropPending() {
        if (!pending) return;
        pending = false;
        --physicalCount;
        records.resize(physicalCount * layout.recordLength);
        if (current == physicalCount) current = kNoRow;
    }
};

Table::Table(const fs::path& file, OpenMode mode) : impl_(std::make_unique<Impl>()) {
    Impl& t = *impl_;
    t.file = file;
    t.shown = platform::DisplayPath(file);
    t.mode = mode;
    std::error_code error;
    if (!fs::is_regular_file(file, error)) throw Error("No se encuentra la tabla " + t.shown);
    auto lock = FileLock::tryLock(
        file, mode == OpenMode::Exclusive ? FileLock::Kind::Exclusive : FileLock::Kind::Shared);
    if (!lock) throw Locked(t.shown);
    detail::Contents contents = detail::ParseTable(lock->readAll(), t.shown);
    t.layout = std::move(contents.layout);
    t.records = std::move(contents.records);
    t.physicalCount = t.records.size() / t.layout.recordLength;
    for (std::size_t row = 0; row < t.physicalCount; ++row)
        if (t.isLive(row)) ++t.liveCount;
    for (const Column& column : t.layout.columns) t.fields.push_back(column.def);
    t.lock = std::move(lock);
    t.goFirst();
}

Table::~Table() {
    try {
        close();
    } catch (...) {
        // A destructor must not throw; callers who care call close().
    }
}

Table::Table(Table&&) noexcept = default;

Table& Table::operator=(Table&& other) noexcept {
    if (this != &other) {
        try {
            close();
        } catch (...) {
        }
        impl_ = std::move(other.impl_);
    }
    return *this;
}

void Table::close() {
    if (!isOpen()) return;
    Impl& t = *impl_;
    t.dropPending();
    // Closed from here on, even when writing fails.
    const std::unique_ptr<FileLock> lock = std::move(t.lock);
    const bool modified = t.modified;
    t.modified = false;
    if (modified) lock->overwrite(detail::TableImage(t.layout, t.records));
    t.records.clear();
    t.view.clear();
    t.current = kNoRow;
}

bool Table::isOpen() const { return impl_ && impl_->lock; }

const fs::path& Table::path() const {
    static const fs::path none;
    return impl_ ? impl_->file : none;
}

const std::vector<FieldDef>& Table::fields() const {
    return Opened(impl_).fields;
}

bool Table::hasField(const std::string& name) const {
    const Impl& t = Opened(impl_);
    return std::any_of(t.fields.begin(), t.fields.end(),
                       [&](const FieldDef& f) { return text::IgualesSinMayusculasAscii(f.name, name); });
}

void Table::first() {
    Opened(impl_).goFirst();
}

void Table::next() {
    Opened(impl_).goNext();
}

bool Table::eof() const {
    return Opened(impl_).current == kNoRow;
}

std::size_t Table::recordCount() const {
    return Opened(impl_).liveCount;
}

bool Table::locate(const std::string& field, std::int64_t value) {
    Impl& t = Opened(impl_);
    const Column& column = t.layout.columns[t.columnIndex(field)];
    t.settle();
    for (std::size_t row = 0; row < t.physicalCount; ++row) {
        if (!t.isLive(row) || !t.passesFilter(row)) continue;
        if (detail::CellWholeNumber(column, t.cell(row, column)) == value) {
            t.current = row;
            t.placeValid = false;
            return true;
        }
    }
    return false;
}

void Table::setIndexOrder(const std::string& field) {
    Impl& t = Opened(impl_);
    const std::optional<std::size_t> previous = t.orderColumn;
    t.orderColumn = field.empty() ? std::nullopt : std::optional<std::size_t>(t.columnIndex(field));
    t.invalidateView();
    try {
        t.goFirst();
    } catch (const Error&) {
        // A foreign field holding something that is no number cannot order the rows.
        t.orderColumn = previous;
        t.invalidateView();
        throw;
    }
}

void Table::setFilter(const std::string& field, const std::string& value) {
    Impl& t = Opened(impl_);
    t.filterColumn = t.columnIndex(field);
    t.filterValue = value;
    t.invalidateView();
    t.goFirst();
}

void Table::clearFilter() {
    Impl& t = Opened(impl_);
    t.filterColumn.reset();
    t.invalidateView();
    t.goFirst();
}

std::string Table::asText(const std::string& field) const {
    return Opened(impl_).readCurrent(field, detail::CellText, std::string());
}

std::int64_t Table::asInteger(const std::string& field) const {
    return Opened(impl_).readCurrent(field, detail::CellInteger, std::int64_t{0});
}

double Table::asFloat(const std::string& field) const {
    return Opened(impl_).readCurrent(field, detail::CellFloat, 0.0);
}

bool Table::asBool(const std::string& field) const {
    return Opened(impl_).readCurrent(field, detail::CellBool, false);
}

void Table::append() {
    Impl& t = Opened(impl_);
    t.requireWritable();
    t.settle();
    if (t.physicalCount == std::numeric_limits<std::uint32_t>::max())
        throw Error("La tabla " + t.shown + " no admite más registros");
    std::string blank(t.layout.recordLength, detail::kLiveFlag);
    for (const Column& column : t.layout.columns) detail::BlankCell(column, blank.data() + column.offset);
    t.records += blank;
    t.current = t.physicalCount++;
    t.pending = true;
    t.placeValid = false;
}

void Table::setText(const std::string& field, const std::string& value) {
    Opened(impl_).writeCurrent(field, detail::PutText, std::string_view(value));
}

void Table::setBool(const std::string& field, bool value) {
    Opened(impl_).writeCurrent(field, detail::PutBool, value);
}

void Table::setInteger(const std::string& field, std::int64_t value) {
    Opened(impl_).writeCurrent(field, detail::PutInteger, value);
}

void Table::setFloat(const std::string& field, double value) {
    Opened(impl_).writeCurrent(field, detail::PutFloat, value);
}

void Table::post() {
    Impl& t = Opened(impl_);
    if (t.pending) t.post();
}

} // namespace tt::dbf
