#include "platform/adoquery.h"

#include "platform/adoconnection.h"
#include "platform/adofilter.h"
#include "platform/exceptions.h"

#include <sqlite3.h>

#include <algorithm>

namespace {

char AsciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view left, std::string_view right)
{
    if (left.size() != right.size())
        return false;
    if (left == right)
        return true;
    for (size_t i = 0; i < left.size(); ++i)
        if (AsciiLower(left[i]) != AsciiLower(right[i]))
            return false;
    return true;
}

std::string Text(const char* text)
{
    return text ? std::string(text) : std::string();
}

std::string QuotedName(std::string_view name)
{
    std::string quoted = "\"";
    for (char c : name) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

void BindValue(sqlite3_stmt* statement, int parameter, const TFieldValue& value)
{
    const auto size = static_cast<int>(value.text.size());
    switch (value.storage) {
    case TStorage::Null: sqlite3_bind_null(statement, parameter); break;
    case TStorage::Integer: sqlite3_bind_int64(statement, parameter, value.integer); break;
    case TStorage::Real: sqlite3_bind_double(statement, parameter, value.real); break;
    case TStorage::Text: sqlite3_bind_text(statement, parameter, value.text.data(), size, SQLITE_TRANSIENT); break;
    case TStorage::Blob: sqlite3_bind_blob(statement, parameter, value.text.data(), size, SQLITE_TRANSIENT); break;
    }
}

}  // namespace

TADOQuery::TADOQuery(TADOConnection* connection)
{
    SetConnection(connection);
}

TADOQuery::~TADOQuery()
{
    if (connection_)
        connection_->Detach(this);
}

void TADOQuery::SetConnection(TADOConnection* connection)
{
    if (connection == connection_)
        return;
    Close();
    if (connection_)
        connection_->Detach(this);
    connection_ = connection;
    if (connection_)
        connection_->Attach(this);
}

void TADOQuery::SetSQL(AnsiString sql)
{
    Close();
    sql_ = std::move(sql);
}

void TADOQuery::Open()
{
    if (active_)
        return;
    if (!connection_)
        throw EDatabaseError("The query has no connection");
    try {
        SqliteStatement statement = connection_->PrepareJet(sql_);
        if (sqlite3_column_count(statement.get()) == 0)
            throw EDatabaseError("The SQL text returns no rows");
        ReadColumns(statement.get());
        ReadRows(statement.get());
        active_ = true;
        ApplyFilter();
    } catch (...) {
        Close();
        throw;
    }
}

void TADOQuery::Close()
{
    active_ = false;
    eof_ = bof_ = true;
    fields_.clear();
    firstOfName_.clear();
    origins_.clear();
    // The storage keeps its capacity: a query is mostly reopened with a like result.
    cells_.clear();
    text_.clear();
    rowCount_ = 0;
    visible_.clear();
    useVisible_ = false;
    position_ = 0;
    currentRow_ = -1;
    nextLookup_ = 0;
    editing_ = false;
    pending_.clear();
}

int TADOQuery::ExecSQL()
{
    if (!connection_)
        throw EDatabaseError("The query has no connection");
    return connection_->Execute(sql_);
}

int TADOQuery::RecordCount() const
{
    CheckActive();
    return useVisible_ ? static_cast<int>(visible_.size()) : rowCount_;
}

int TADOQuery::RecNo() const
{
    return RecordCount() == 0 ? 0 : position_ + 1;
}

void TADOQuery::First()
{
    PostIfEditing();
    if (RecordCount() == 0)
        return;
    MoveTo(0);
    bof_ = true;
    eof_ = false;
}

void TADOQuery::Next()
{
    PostIfEditing();
    CheckActive();
    if (eof_)
        return;
    bof_ = false;
    if (position_ + 1 < RecordCount())
        MoveTo(position_ + 1);
    else
        eof_ = true;
}

void TADOQuery::Prior()
{
    PostIfEditing();
    CheckActive();
    if (bof_)
        return;
    eof_ = false;
    if (position_ > 0)
        MoveTo(position_ - 1);
    else
        bof_ = true;
}

void TADOQuery::Last()
{
    PostIfEditing();
    const int count = RecordCount();
    if (count == 0)
        return;
    MoveTo(count - 1);
    bof_ = false;
    eof_ = true;
}

TField* TADOQuery::FieldByName(std::string_view name)
{
    CheckActive();
    // Readers ask for the columns of a row in the same order row after row, so the
    // search starts behind the last column found.
    const int count = static_cast<int>(fields_.size());
    for (int i = 0, k = nextLookup_; i < count; ++i, k = (k + 1 == count ? 0 : k + 1)) {
        if (firstOfName_[k] && SameName(fields_[k].FieldName(), name)) {
            nextLookup_ = (k + 1 == count ? 0 : k + 1);
            return &fields_[k];
        }
    }
    throw EDatabaseError("Field '" + std::string(name) + "' not found");
}

int TADOQuery::FieldCount() const
{
    CheckActive();
    return static_cast<int>(fields_.size());
}

TField* TADOQuery::Fields(int index)
{
    CheckActive();
    if (index < 0 || index >= FieldCount())
        throw EDatabaseError("Field index " + std::to_string(index) + " out of range");
    return &fields_[static_cast<std::size_t>(index)];
}

void TADOQuery::SetFilter(AnsiString filter)
{
    filter_ = std::move(filter);
    if (active_ && filtered_)
        ApplyFilter();
}

void TADOQuery::SetFiltered(bool filtered)
{
    if (filtered == filtered_)
        return;
    filtered_ = filtered;
    if (active_)
        ApplyFilter();
}

void TADOQuery::Edit()
{
    if (RecordCount() == 0)
        throw EDatabaseError("There is no current record to edit");
    if (editing_)
        return;
    editing_ = true;
    pending_.assign(fields_.size(), std::nullopt);
}

void TADOQuery::Post()
{
    CheckActive();
    if (!editing_)
        throw EDatabaseError("The query is not in edit mode");
    std::vector<int> assigned;
    for (int column = 0; column < static_cast<int>(pending_.size()); ++column)
        if (pending_[column])
            assigned.push_back(column);
    if (!assigned.empty()) {
        const std::vector<int> rowColumns = RowColumns(assigned);
        SqliteStatement statement = connection_->PrepareSqlite(UpdateText(assigned, rowColumns));
        int parameter = 1;
        for (int column : assigned)
            BindValue(statement.get(), parameter++, CurrentValue(column));
        for (int column : rowColumns)
            BindValue(statement.get(), parameter++, ValueAt(currentRow_, column));
        if (!connection_->Step(statement.get()))
            throw EDatabaseError("Row cannot be located for updating; it may have been changed since it was read");
        StoreReturnedRow(statement.get(), rowColumns);
        while (connection_->Step(statement.get())) {
        }
    }
    editing_ = false;
    pending_.clear();
}

void TADOQuery::RaiseClosed()
{
    throw EDatabaseError("Cannot perform this operation on a closed query");
}

void TADOQuery::Assign(int column, PendingValue value)
{
    CheckActive();
    if (!editing_)
        throw EDatabaseError("The query is not in edit mode");
    pending_[column] = std::move(value);
}

void TADOQuery::ReadColumns(sqlite3_stmt* statement)
{
    const int count = sqlite3_column_count(statement);
    fields_.reserve(count);
    for (int column = 0; column < count; ++column) {
        fields_.emplace_back(*this, column, Text(sqlite3_column_name(statement, column)),
                             FieldKindOfDeclaredType(sqlite3_column_decltype(statement, column)));
        origins_.push_back(ColumnOrigin{Text(sqlite3_column_database_name(statement, column)),
                                        Text(sqlite3_column_table_name(statement, column)),
                                        Text(sqlite3_column_origin_name(statement, column))});
        const std::string& name = fields_.back().FieldName();
        firstOfName_.push_back(std::none_of(fields_.begin(), fields_.end() - 1,
                                            [&](const TField& other) { return SameName(other.FieldName(), name); }));
    }
}

void TADOQuery::ReadRows(sqlite3_stmt* statement)
{
    const int count = static_cast<int>(fields_.size());
    while (connection_->Step(statement)) {
        for (int column = 0; column < count; ++column)
            cells_.push_back(StoreCell(statement, column));
        ++rowCount_;
    }
}

TADOQuery::Cell TADOQuery::StoreCell(sqlite3_stmt* statement, int column)
{
    // One call into the statement per cell; the value readers below take no lock,
    // which is sound as a query and its connection stay on one thread.
    sqlite3_value* value = sqlite3_column_value(statement, column);
    Cell cell;
    cell.length = 0;
    switch (sqlite3_value_type(value)) {
    case SQLITE_INTEGER:
        cell.storage = TStorage::Integer;
        cell.integer = sqlite3_value_int64(value);
        break;
    case SQLITE_FLOAT:
        cell.storage = TStorage::Real;
        cell.real = sqlite3_value_double(value);
        break;
    case SQLITE_TEXT:
        cell.storage = TStorage::Text;
        StoreText(cell, sqlite3_value_text(value), sqlite3_value_bytes(value));
        break;
    case SQLITE_BLOB:
        cell.storage = TStorage::Blob;
        StoreText(cell, sqlite3_value_blob(value), sqlite3_value_bytes(value));
        break;
    default:
        cell.storage = TStorage::Null;
        cell.integer = 0;
        break;
    }
    return cell;
}

void TADOQuery::StoreText(Cell& cell, const void* bytes, int size)
{
    cell.offset = text_.size();
    cell.length = static_cast<std::uint32_t>(size);
    text_.append(static_cast<const char*>(bytes), static_cast<size_t>(size));
}

std::vector<int> TADOQuery::RowColumns(const std::vector<int>& assigned) const
{
    for (int column : assigned)
        if (origins_[column].table.empty())
            throw EDatabaseError("Field '" + fields_[column].FieldName() + "' cannot be modified");
    const ColumnOrigin& target = origins_[assigned.front()];
    std::vector<int> rowColumns;
    for (int column = 0; column < static_cast<int>(origins_.size()); ++column) {
        const ColumnOrigin& origin = origins_[column];
        if (origin.table.empty())
            continue;
        if (origin.table != target.table || origin.database != target.database)
            throw EDatabaseError("The row comes from more than one table and cannot be updated");
        const bool seen = std::any_of(rowColumns.begin(), rowColumns.end(),
                                      [&](int other) { return origins_[other].column == origin.column; });
        if (!seen)
            rowColumns.push_back(column);
    }
    return rowColumns;
}

std::string TADOQuery::UpdateText(const std::vector<int>& assigned, const std::vector<int>& rowColumns) const
{
    const auto names = [&](const std::vector<int>& columns, const char* suffix, const char* separator) {
        std::string text;
        for (size_t i = 0; i < columns.size(); ++i)
            text += (i ? separator : "") + QuotedName(origins_[columns[i]].column) + suffix;
        return text;
    };
    const ColumnOrigin& target = origins_[assigned.front()];
    const std::string table = QuotedName(target.database) + "." + QuotedName(target.table);
    // Finds the row by its values as read: the select need not hold a key.
    return "UPDATE " + table + " SET " + names(assigned, "=?", ", ") + " WHERE rowid=(SELECT rowid FROM " + table +
           " WHERE " + names(rowColumns, " IS ? COLLATE BINARY", " AND ") + " LIMIT 1) RETURNING " +
           names(rowColumns, "", ", ");
}

void TADOQuery::ApplyFilter()
{
    PostIfEditing();
    std::vector<int> visible;
    const TADOFilter filter(filtered_ ? filter_ : std::string());
    const bool useVisible = !filter.Empty();
    if (useVisible) {
        std::vector<int> columns;
        for (size_t i = 0; i < filter.ConditionCount(); ++i)
            columns.push_back(static_cast<int>(FieldByName(filter.Column(i)) - fields_.data()));
        for (int row = 0; row < rowCount_; ++row) {
            bool passes = true;
            for (size_t i = 0; passes && i < columns.size(); ++i)
                passes = filter.Matches(i, FieldValueText(ValueAt(row, columns[i]), fields_[columns[i]].Kind()));
            if (passes)
                visible.push_back(row);
        }
    }
    visible_ = std::move(visible);
    useVisible_ = useVisible;
    eof_ = bof_ = true;
    currentRow_ = -1;
    position_ = 0;
    First();
}

void TADOQuery::MoveTo(int position)
{
    position_ = position;
    currentRow_ = useVisible_ ? visible_[position] : position;
}

void TADOQuery::PostIfEditing()
{
    if (editing_)
        Post();
}

void TADOQuery::StoreReturnedRow(sqlite3_stmt* statement, const std::vector<int>& columns)
{
    const size_t rowStart = static_cast<size_t>(currentRow_) * fields_.size();
    for (size_t i = 0; i < columns.size(); ++i) {
        const Cell cell = StoreCell(statement, static_cast<int>(i));
        const std::string& origin = origins_[columns[i]].column;
        for (size_t column = 0; column < origins_.size(); ++column)
            if (!origins_[column].table.empty() && origins_[column].column == origin)
                cells_[rowStart + column] = cell;
    }
}
