#include "data/dbsetting.h"

#include "data/constants.h"
#include "data/dbconnect.h"
#include "foundation/jxerr.h"
#include "foundation/jxfile.h"
#include "platform/adofield.h"
#include "platform/codepage.h"
#include "platform/exceptions.h"
#include "platform/jetsql.h"
#include "platform/messagebox.h"
#include "platform/registry.h"
#include "platform/sysutils.h"

namespace {

std::unique_ptr<DBSetting>& GlobalInstance()
{
    static std::unique_ptr<DBSetting> instance;
    return instance;
}

}  // namespace

DBSetting::DBSetting()
    : DBase(DBConnect::GetSetting()->GetConnection()), Registry(std::make_unique<TRegistry>())
{
    Registry->RootKey = HKEY_LOCAL_MACHINE;
    // Without the key every later read and write raises, which callers see.
    Registry->OpenKey(SettingsKey, false);
}

DBSetting::~DBSetting() = default;

DBSetting* DBSetting::Global()
{
    return GlobalInstance().get();
}

DBSetting* DBSetting::CreateGlobal()
{
    FreeGlobal();
    GlobalInstance() = std::make_unique<DBSetting>();
    return Global();
}

void DBSetting::FreeGlobal()
{
    GlobalInstance().reset();
}

AnsiString DBSetting::ReadString(const AnsiString& name)
{
    return Registry->ReadString(name);
}

void DBSetting::WriteString(const AnsiString& name, const AnsiString& value)
{
    Registry->WriteString(name, value);
}

int DBSetting::ReadInteger(const AnsiString& name)
{
    return Registry->ReadInteger(name);
}

void DBSetting::WriteInteger(const AnsiString& name, int value)
{
    Registry->WriteInteger(name, value);
}

bool DBSetting::ReadBool(const AnsiString& name)
{
    return Registry->ReadBool(name);
}

void DBSetting::WriteBool(const AnsiString& name, bool value)
{
    Registry->WriteBool(name, value);
}

bool DBSetting::LoadLanguage()
{
    const AnsiString path = GetAppPath().GetAnsi() + "Lang/" + ReadString("Lang") + ".lng";
    if (LoadTextFile(path, LangTexts, true))
        return true;
    // The windows go on with empty captions; the log says why.
    JXErr::Error("DBSetting::LoadLanguage " + path);
    return false;
}

AnsiString DBSetting::GetLangText(int id)
{
    return JXStr::Replace(LangTexts[IntToStr(id)], "[rn]", "\r\n");
}

bool DBSetting::LoadTextFile(const AnsiString& path, std::map<AnsiString, AnsiString>& map, bool clear)
{
    if (clear)
        map.clear();
    try {
        JXFile file;
        file.LoadFromFile(path);
        for (int i = 0; i < file.Count(); ++i) {
            const AnsiString line = Cp1251ToUtf8(file.GetLine(i).GetAnsi());
            const size_t equals = line.find('=');
            if (equals == AnsiString::npos || equals == 0)
                continue;
            map[line.substr(0, equals)] = line.substr(equals + 1);
        }
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void DBSetting::OpenFormSetting(const AnsiString& key)
{
    Select("SELECT * FROM FormSetting WHERE FormName=" + JetQuoted(key));
}

template <typename Assign>
void DBSetting::SaveFormSetting(const char* column, Assign assign)
{
    // Called while the main window is destroyed: a missing row is logged, not raised.
    try {
        Query->Edit();
        assign(*Query->FieldByName(column));
        Query->Post();
    } catch (const std::exception&) {
        JXErr::Error(AnsiString("DBSetting::Save") + column);
    }
}

void DBSetting::SaveIsMax(bool value)
{
    SaveFormSetting("IsMax", [value](TField& field) { field.SetAsBoolean(value); });
}

void DBSetting::SaveWidth(int value)
{
    SaveFormSetting("Width", [value](TField& field) { field.SetAsInteger(value); });
}

void DBSetting::SaveHeight(int value)
{
    SaveFormSetting("Height", [value](TField& field) { field.SetAsInteger(value); });
}

void DBSetting::SaveTop(int value)
{
    SaveFormSetting("Top", [value](TField& field) { field.SetAsInteger(value); });
}

void DBSetting::SaveLeft(int value)
{
    SaveFormSetting("Left", [value](TField& field) { field.SetAsInteger(value); });
}

void DBSetting::LoadFormData(const AnsiString& key)
{
    FormName = key;
    FormValues.clear();
    if (!Select("SELECT * FROM FormData WHERE FormName=" + JetQuoted(key) + " ORDER BY ControlIndex"))
        return;
    // Numbered by position, not by ControlIndex: the stored indexes run without gaps.
    int index = 0;
    for (Query->First(); !Query->Eof(); Query->Next())
        FormValues[index++] = Query->FieldByName("Value")->AsString();
}

AnsiString DBSetting::GetFormString(int index)
{
    return FormValues[index];
}

int DBSetting::GetFormInt(int index)
{
    int value = 0;
    if (TryStrToInt(GetFormString(index), value))
        return value;
    ShowFormError("Error return int", index);
    return 0;
}

bool DBSetting::GetFormBool(int index)
{
    try {
        return StrToBool(GetFormString(index));
    } catch (const EConvertError&) {
        ShowFormError("Error return bool", index);
        return false;
    }
}

void DBSetting::ShowFormError(const char* text, int index)
{
    MessageBox(text + IntToStr(index) + "[" + FormName + "]", "Error", MB_OK);
}

void DBSetting::SetFormString(const AnsiString& key, int index, const AnsiString& text)
{
    FormValues[index] = text;
    // Quoted, so a value holding a quote is stored as typed.
    DBConnect::GetSetting()->ExecSQL("UPDATE FormData SET [Value]=" + JetQuoted(text) + " WHERE FormName=" +
                                         JetQuoted(key) + " AND ControlIndex=" + IntToStr(index),
                                     false);
}

void DBSetting::SetFormBool(const AnsiString& key, int index, bool value)
{
    SetFormString(key, index, BoolToStr(value));
}

void DBSetting::SetFormInt(const AnsiString& key, int index, int value)
{
    SetFormString(key, index, IntToStr(value));
}
