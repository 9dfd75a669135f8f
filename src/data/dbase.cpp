#include "data/dbase.h"

#include "data/dbconnect.h"
#include "foundation/jxerr.h"
#include "foundation/jxfile.h"
#include "foundation/jxstr.h"
#include "platform/adofield.h"
#include "platform/sysutils.h"

DBase::DBase()
{
    try {
        Query = std::make_unique<TADOQuery>(DBConnect::GetData()->GetConnection());
    } catch (const std::exception&) {
        SaveLog(GetAppPath(), "ERROR DBASE");
    }
}

DBase::DBase(TADOConnection* connection)
{
    try {
        Query = std::make_unique<TADOQuery>(connection);
    } catch (const std::exception&) {
        SaveLog(GetAppPath(), "ERROR DBASEACONN");
    }
}

DBase::~DBase() = default;

bool DBase::Select(const AnsiString& sql)
{
    try {
        Query->Close();
        Query->SetSQL(sql);
        Query->Open();
        return true;
    } catch (const std::exception&) {
        JXErr::Error("DBase::Select " + sql);
        Query->Close();
        return false;
    }
}

int DBase::Max(const AnsiString& table, const AnsiString& field, const AnsiString& where)
{
    AnsiString sql = "SELECT MAX(" + field + ") AS Maximum FROM " + table;
    if (!where.empty())
        sql += " WHERE " + where;
    try {
        TADOQuery query(DBConnect::GetData()->GetConnection());
        query.SetSQL(sql);
        query.Open();
        if (query.RecordCount() == 0)
            return -1;
        return StrToIntDef(query.FieldByName("Maximum")->AsString(), 0);
    } catch (const std::exception&) {
        JXErr::Error("DBase::Max " + sql);
        return -1;
    }
}

void DBase::MoveBy(int index)
{
    try {
        const int steps = index + 1 - Query->RecNo();
        for (int i = 0; i < steps; ++i)
            Query->Next();
        for (int i = 0; i < -steps; ++i)
            Query->Prior();
    } catch (const std::exception&) {
        SaveLog(GetAppPath(), "ERROR MOVEBY");
    }
}

int DBase::Count()
{
    try {
        return Query->RecordCount();
    } catch (const std::exception&) {
        return 0;
    }
}

void DBase::GetItemText(AnsiString& text)
{
    text = "Not[DBase]";
}

TField* DBase::OpenField(std::string_view column) const
{
    if (!Query || !Query->Active())
        return nullptr;
    return Query->FieldByName(column);
}

AnsiString DBase::ReadString(std::string_view column) const
{
    const TField* field = OpenField(column);
    return field ? field->AsString() : AnsiString();
}

int DBase::ReadInteger(std::string_view column) const
{
    const TField* field = OpenField(column);
    return field ? field->AsInteger() : 0;
}

double DBase::ReadFloat(std::string_view column) const
{
    const TField* field = OpenField(column);
    return field ? field->AsFloat() : 0.0;
}

bool DBase::ReadBoolean(std::string_view column) const
{
    const TField* field = OpenField(column);
    return field && field->AsBoolean();
}

TDateTime DBase::ReadDateTime(std::string_view column) const
{
    const TField* field = OpenField(column);
    return field ? field->AsDateTime() : 0.0;
}

AnsiString DBase::QuotedText(const AnsiString& text)
{
    return "'" + JXStr::Replace(text, "'", "''").GetAnsi() + "'";
}

int DBase::SelectInteger(const AnsiString& sql, std::string_view column)
{
    DBase data;
    data.Select(sql);
    return data.ReadInteger(column);
}
