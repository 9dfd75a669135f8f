#pragma once

#include <memory>

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
    std::unique_ptr<TADOQuery> Query;
};
