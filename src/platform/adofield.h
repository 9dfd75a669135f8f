#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/types.h"

class TADOQuery;

// How a column's values read as text. SQLite results carry no column types, so the
// kind comes from the type the table declares for the column:
//   "YESNO" (or "BOOLEAN")   yes/no column holding -1 / 0: text "True" / "False"
//   "DATETIME" (or "DATE")   day number as REAL: text "dd.mm.yyyy[ hh:nn:ss]"
//   anything else            INTEGER, REAL (or DOUBLE), TEXT: the value's own text,
//                            a REAL in general float form with the user's separator
// Expressions have no declared type and read by their value alone.
enum class TFieldKind : std::uint8_t { Plain, YesNo, Date };

TFieldKind FieldKindOfDeclaredType(const char* declaredType);

// SQLite's storage classes, as kept in a materialised result.
enum class TStorage : std::uint8_t { Null, Integer, Real, Text, Blob };

// One value of a row; text points into storage owned by the query.
struct TFieldValue {
    TStorage storage = TStorage::Null;
    std::int64_t integer = 0;
    double real = 0.0;
    std::string_view text;
};

// The value's text form for a column of the given kind ("" for NULL).
AnsiString FieldValueText(const TFieldValue& value, TFieldKind kind);

// One column of an open query, reading the query's current row. NULL, and a read on
// an open result without rows, read as 0, "", false and 0.0. Valid until the query
// closes or opens again.
class TField {
public:
    TField(TADOQuery& query, int index, std::string name, TFieldKind kind);

    const std::string& FieldName() const { return name_; }
    TFieldKind Kind() const { return kind_; }
    bool IsNull() const;

    AnsiString AsString() const;
    int AsInteger() const;   // a REAL rounds half to even; text must be an integer
    double AsFloat() const;
    bool AsBoolean() const;  // non-zero is true; text "True"/"False" or a number
    TDateTime AsDateTime() const;

    // Assignments need the query in edit mode; Post writes them to the table.
    void SetAsString(const AnsiString& value);
    void SetAsInteger(int value);
    void SetAsFloat(double value);
    void SetAsBoolean(bool value);  // stored as -1 / 0
    void SetAsDateTime(TDateTime value);

private:
    TFieldValue Value() const;

    TADOQuery* query_;
    int index_;
    std::string name_;
    TFieldKind kind_;
};
