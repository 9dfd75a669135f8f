#pragma once

#include <map>
#include <vector>

#include "foundation/jxstr.h"

// The text-table format of the update service and the pick uploads: a head naming
// the column and row separators, a row of column names, then data rows. Line breaks
// carry no meaning and nothing is escaped.
class JXParse {
public:
    JXParse() = default;

    // Replaces the table by the parsed text; failures are logged and leave the table
    // empty or partial. Linear in the size of the text.
    void ParseText(JXStr text);
    // A column name the header lacks is added with index 0, so it reads column 0.
    JXStr GetField(int row, JXStr column);
    // Whether the header holds the name; ask before GetField, which adds a missing name.
    bool HasColumn(const JXStr& column) const;
    JXStr GetFieldAt(int row, int column) const;
    int RowCount() const;
    // The number of fields of data row 0; 0 without rows.
    int ColCount() const;
    void AddRow(JXStr line, JXStr separator);
    // The table with ":" and ";", each row cut to ColCount fields, no names row.
    JXStr ToText() const;

    // Items of the text before its first ";", split at ":" (the list of model files).
    void Split(JXStr text);
    JXStr GetItem(int i) const;

    // Expands the tag shorthand of instruction files into SQL.
    static JXStr ExpandSql(JXStr text);

private:
    JXStr Field(int row, int column, const JXStr& errorText) const;

    std::vector<std::vector<JXStr>> rows_;
    std::map<JXStr, int> header_;
    std::vector<JXStr> items_;
    JXStr split1_ = ":";
    JXStr split2_ = ";";
};
