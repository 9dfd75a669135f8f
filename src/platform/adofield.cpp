#include "platform/adofield.h"

#include "platform/adoquery.h"
#include "platform/sysutils.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

std::string UpperTypeName(const char* declaredType)
{
    std::string name;
    for (const char* c = declaredType; *c && *c != '(' && *c != ' '; ++c)
        name += (*c >= 'a' && *c <= 'z') ? static_cast<char>(*c - 'a' + 'A') : *c;
    return name;
}

bool IsNumber(const TFieldValue& value)
{
    return value.storage == TStorage::Integer || value.storage == TStorage::Real;
}

double NumberOf(const TFieldValue& value)
{
    return value.storage == TStorage::Integer ? static_cast<double>(value.integer) : value.real;
}

int RoundedToInt(double value)
{
    // The runtime rounds halves to even.
    const double rounded = std::nearbyint(value);
    return static_cast<int>(std::clamp(rounded, static_cast<double>(std::numeric_limits<int>::min()),
                                       static_cast<double>(std::numeric_limits<int>::max())));
}

}  // namespace

TFieldKind FieldKindOfDeclaredType(const char* declaredType)
{
    if (!declaredType)
        return TFieldKind::Plain;
    const std::string name = UpperTypeName(declaredType);
    if (name == "YESNO" || name == "BOOLEAN")
        return TFieldKind::YesNo;
    if (name == "DATETIME" || name == "DATE")
        return TFieldKind::Date;
    return TFieldKind::Plain;
}

AnsiString FieldValueText(const TFieldValue& value, TFieldKind kind)
{
    if (value.storage == TStorage::Null)
        return {};
    if (!IsNumber(value))
        return AnsiString(value.text);
    if (kind == TFieldKind::YesNo)
        return BoolToStr(NumberOf(value) != 0);
    if (kind == TFieldKind::Date)
        return DateTimeToStr(NumberOf(value));
    return value.storage == TStorage::Integer ? IntToStr(value.integer) : FloatToStr(value.real);
}

TField::TField(TADOQuery& query, int index, std::string name, TFieldKind kind)
    : query_(&query), index_(index), name_(std::move(name)), kind_(kind)
{
}

TFieldValue TField::Value() const
{
    return query_->CurrentValue(index_);
}

bool TField::IsNull() const
{
    return Value().storage == TStorage::Null;
}

AnsiString TField::AsString() const
{
    return FieldValueText(Value(), kind_);
}

int TField::AsInteger() const
{
    const TFieldValue value = Value();
    switch (value.storage) {
    case TStorage::Null: return 0;
    case TStorage::Integer: return static_cast<int>(value.integer);
    case TStorage::Real: return RoundedToInt(value.real);
    default: return StrToInt(std::string(value.text));
    }
}

double TField::AsFloat() const
{
    const TFieldValue value = Value();
    if (value.storage == TStorage::Null)
        return 0.0;
    return IsNumber(value) ? NumberOf(value) : StrToFloat(std::string(value.text));
}

bool TField::AsBoolean() const
{
    const TFieldValue value = Value();
    if (value.storage == TStorage::Null)
        return false;
    return IsNumber(value) ? NumberOf(value) != 0 : StrToBool(std::string(value.text));
}

TDateTime TField::AsDateTime() const
{
    const TFieldValue value = Value();
    if (value.storage == TStorage::Null)
        return 0.0;
    return IsNumber(value) ? NumberOf(value) : StrToDateTime(std::string(value.text));
}

void TField::SetAsString(const AnsiString& value)
{
    query_->Assign(index_, {TStorage::Text, 0, 0.0, value});
}

void TField::SetAsInteger(int value)
{
    query_->Assign(index_, {TStorage::Integer, value, 0.0, {}});
}

void TField::SetAsFloat(double value)
{
    query_->Assign(index_, {TStorage::Real, 0, value, {}});
}

void TField::SetAsBoolean(bool value)
{
    query_->Assign(index_, {TStorage::Integer, value ? -1 : 0, 0.0, {}});
}

void TField::SetAsDateTime(TDateTime value)
{
    SetAsFloat(value);
}
