#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/adofield.h"
#include "platform/types.h"

class TADOConnection;
struct sqlite3_stmt;

// A Jet SQL query on a TADOConnection with a client-side cursor: Open runs the text
// and keeps every row, so moving and reading never touch the database again.
//
// Cursor rules: after Open the first row is current (Bof set). Next on the last row
// sets Eof and keeps that row current (RecNo = RecordCount); Prior on the first row
// sets Bof and keeps it current; Last sets Eof. Without rows RecNo is 0 and Eof and
// Bof are set. A closed query has Eof and Bof set; moving, counting and reading on it
// raise EDatabaseError.
//
// Filter narrows the open rows while Filtered is set; RecordCount, RecNo and the moves
// then count only the rows that pass. Edit, field assignment and Post update the
// current row in the one table its columns come from.
class TADOQuery {
public:
    explicit TADOQuery(TADOConnection* connection = nullptr);
    ~TADOQuery();
    TADOQuery(const TADOQuery&) = delete;
    TADOQuery& operator=(const TADOQuery&) = delete;

    TADOConnection* Connection() const { return connection_; }
    void SetConnection(TADOConnection* connection);

    const AnsiString& SQL() const { return sql_; }
    // A new text closes the query.
    void SetSQL(AnsiString sql);

    // Runs a text that returns rows; nothing happens when the query is open already.
    void Open();
    // Drops the rows and an unfinished edit.
    void Close();
    bool Active() const { return active_; }
    // Runs an action statement; the number of rows it changed. The open rows stay.
    int ExecSQL();

    int RecordCount() const;
    int RecNo() const;  // 1-based, 0 without rows
    bool Eof() const { return eof_; }
    bool Bof() const { return bof_; }
    void First();
    void Next();
    void Prior();
    void Last();

    // The column of that name, in any letter case; a missing name raises EDatabaseError.
    // The field stays valid until the query closes.
    TField* FieldByName(std::string_view name);

    // ADO filter text: Column='text' and Column LIKE 'text*' (* or % for any run of
    // characters) joined by AND, quotes doubled inside a text; compared without regard
    // to letter case. Text that cannot be read, or a column the rows lack, raises
    // EDatabaseError when the filter is applied. Both stay set across Close and Open.
    const AnsiString& Filter() const { return filter_; }
    void SetFilter(AnsiString filter);
    bool Filtered() const { return filtered_; }
    void SetFiltered(bool filtered);

    // Puts the current row into edit mode; moving to another row posts first.
    void Edit();
    // Writes the assigned fields to the current row's table and to the open rows.
    void Post();

private:
    friend class TADOConnection;
    friend class TField;

    // A materialised value: an integer, a real or a slice of text_.
    struct Cell {
        union {
            std::int64_t integer;
            double real;
            std::size_t offset;
        };
        std::uint32_t length;
        TStorage storage;
    };
    struct PendingValue {
        TStorage storage = TStorage::Null;
        std::int64_t integer = 0;
        double real = 0.0;
        std::string text;
    };
    // Where a column comes from, for Post; empty for expressions.
    struct ColumnOrigin {
        std::string database;
        std::string table;
        std::string column;
    };

    // Inline: every field read passes here.
    void CheckActive() const
    {
        if (!active_)
            RaiseClosed();
    }
    [[noreturn]] static void RaiseClosed();
    TFieldValue ValueAt(int row, int column) const;
    TFieldValue CurrentValue(int column) const;
    void Assign(int column, PendingValue value);

    void ReadColumns(sqlite3_stmt* statement);
    void ReadRows(sqlite3_stmt* statement);
    Cell StoreCell(sqlite3_stmt* statement, int column);
    void StoreText(Cell& cell, const void* bytes, int size);
    void ApplyFilter();
    void MoveTo(int position);
    void PostIfEditing();
    // The columns of the one table the assigned columns come from, each once.
    std::vector<int> RowColumns(const std::vector<int>& assigned) const;
    std::string UpdateText(const std::vector<int>& assigned, const std::vector<int>& rowColumns) const;
    void StoreReturnedRow(sqlite3_stmt* statement, const std::vector<int>& columns);

    TADOConnection* connection_ = nullptr;
    AnsiString sql_;
    AnsiString filter_;
    bool filtered_ = false;

    bool active_ = false;
    bool eof_ = true;
    bool bof_ = true;
    std::vector<TField> fields_;
    std::vector<bool> firstOfName_;
    std::vector<ColumnOrigin> origins_;
    std::vector<Cell> cells_;
    std::string text_;
    int rowCount_ = 0;
    // Rows that pass the filter, in order; unused while no filter applies.
    std::vector<int> visible_;
    bool useVisible_ = false;
    int position_ = 0;  // index into the visible rows
    int currentRow_ = -1;
    int nextLookup_ = 0;

    bool editing_ = false;
    std::vector<std::optional<PendingValue>> pending_;
};

inline TFieldValue TADOQuery::ValueAt(int row, int column) const
{
    const Cell& cell = cells_[static_cast<std::size_t>(row) * fields_.size() + column];
    TFieldValue value;
    value.storage = cell.storage;
    switch (cell.storage) {
    case TStorage::Null: break;
    case TStorage::Integer: value.integer = cell.integer; break;
    case TStorage::Real: value.real = cell.real; break;
    case TStorage::Text:
    case TStorage::Blob: value.text = std::string_view(text_).substr(cell.offset, cell.length); break;
    }
    return value;
}

inline TFieldValue TADOQuery::CurrentValue(int column) const
{
    CheckActive();
    if (editing_ && pending_[column]) {
        const PendingValue& pending = *pending_[column];
        return TFieldValue{pending.storage, pending.integer, pending.real, pending.text};
    }
    if (currentRow_ < 0)
        return {};
    return ValueAt(currentRow_, column);
}
