#pragma once

#include <memory>
#include <string_view>

#include "platform/adoquery.h"
#include "platform/types.h"

class TADOConnection;

// The base of every data class: one query on data.mdb (or on a given connection),
// selects that log their failures, and cursor moves by row index.
class DBase {
public:
    DBase();
    explicit DBase(TADOConnection* connection);
    virtual ~DBase();
    DBase(const DBase&) = delete;
    DBase& operator=(const DBase&) = delete;

    // Replaces the rows by the result of sql; false (logged) when it fails.
    bool Select(const AnsiString& sql);
    // MAX(field) of table under an optional condition: 0 when nothing matches,
    // -1 when the query fails.
    static int Max(const AnsiString& table, const AnsiString& field, const AnsiString& where);
    // Moves the cursor to the 0-based row by stepping from the current one.
    void MoveBy(int index);
    int Count();
    // The display text of the current row, for combo and list boxes.
    virtual void GetItemText(AnsiString& text);

    TADOQuery* GetQuery() const { return Query.get(); }

protected:
    // Column reads of the current row for the readers of the data classes. A closed
    // query (nothing selected yet, or a failed select) reads as 0, "" and false, so a
    // window that reads after a failure shows empty values.
    AnsiString ReadString(std::string_view column) const;
    int ReadInteger(std::string_view column) const;
    double ReadFloat(std::string_view column) const;
    bool ReadBoolean(std::string_view column) const;
    TDateTime ReadDateTime(std::string_view column) const;

    // An integer column of the first row of sql, run on a query of its own; 0 when
    // there is no row or the select fails (logged).
    static int SelectInteger(const AnsiString& sql, std::string_view column);

    // A text literal of SQL and of query filters: in single quotes, quotes doubled, so
    // typed text never ends the literal.
    static AnsiString QuotedText(const AnsiString& text);

    std::unique_ptr<TADOQuery> Query;

private:
    // The column of the open query; nullptr while the query is closed.
    TField* OpenField(std::string_view column) const;
};
