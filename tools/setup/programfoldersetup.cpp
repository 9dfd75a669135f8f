#include "setup/programfoldersetup.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <variant>

#include "data/codes.h"
#include "data/constants.h"
#include "data/dbfilter.h"
#include "data/dbconnect.h"
#include "data/dbseason.h"
#include "data/dbsetting.h"
#include "data/schema.h"
#include "platform/adofield.h"
#include "platform/adoquery.h"
#include "platform/codepage.h"
#include "platform/jetsql.h"
#include "platform/programfolder.h"
#include "platform/registry.h"
#include "platform/sysutils.h"
#include "sampledata/sampleloader.h"
#include "setup/flagbitmap.h"
#include "setup/installationdefaults.h"
#include "setup/languagetexts.h"

namespace fs = std::filesystem;

namespace {

void WriteFileIfMissing(const fs::path& path, const std::string& bytes)
{
    if (fs::exists(path))
        return;
    std::ofstream out(path, std::ios::binary);
    out << bytes;
    out.close();
    if (!out)
        throw SetupError("Cannot write " + path.string());
}

void InstallProgram(const std::string& executable, const fs::path& folder)
{
    if (executable.empty() || !fs::is_regular_file(executable))
        return;
    const fs::path target = folder / fs::path(executable).filename();
    if (!fs::exists(target))
        fs::copy_file(executable, target);
}

// The program's copies are cp1251 with CR LF line ends, as on Windows.
std::string ProgramLanguageFile(std::string_view utf8)
{
    std::string text;
    text.reserve(utf8.size() + utf8.size() / 16);
    for (char c : utf8) {
        if (c == '\n')
            text += '\r';
        text += c;
    }
    return Utf8ToCp1251(text);
}

void InstallFiles(const fs::path& folder, const SetupOptions& options)
{
    for (const char* subfolder : {"Lang", "Flags", "Predict"})
        fs::create_directories(folder / subfolder);
    InstallProgram(options.programExecutable, folder);
    for (const LanguageText& language : LanguageTexts())
        WriteFileIfMissing(folder / "Lang" / (language.name + ".lng"), ProgramLanguageFile(language.utf8));
    WriteFileIfMissing(folder / "Flags" / "NOT.bmp", NeutralFlagBitmap());
}

// Points the program's connections and its global settings at folder.
void UseProgramFolder(const fs::path& folder)
{
    DBSetting::FreeGlobal();
    DBConnect::ResetForTests();
    SetProgramFolderForTests(folder.string());
}

bool HasRow(DBConnect* connect, const std::string& jetSql)
{
    TADOQuery query(connect->GetConnection());
    query.SetSQL(jetSql);
    query.Open();
    return query.RecordCount() > 0;
}

void AddMissingWindowRows()
{
    DBConnect* setting = DBConnect::GetSetting();
    const WindowPlacement& placement = InstallationPlacement();
    if (!HasRow(setting, "SELECT FormName FROM FormSetting WHERE FormName=" + JetQuoted(placement.formName)))
        setting->ExecSQL("INSERT INTO FormSetting(FormName, IsMax, Width, Height, [Top], [Left]) VALUES(" +
                             JetQuoted(placement.formName) + ", " + BoolToStr(placement.isMax) + ", " +
                             IntToStr(placement.width) + ", " + IntToStr(placement.height) + ", " +
                             IntToStr(placement.top) + ", " + IntToStr(placement.left) + ")",
                         true);
    for (const RememberedValue& row : InstallationFormData()) {
        const std::string key = JetQuoted(row.formName);
        const std::string index = IntToStr(row.controlIndex);
        if (!HasRow(setting, "SELECT FormName FROM FormData WHERE FormName=" + key + " AND ControlIndex=" + index))
            setting->ExecSQL("INSERT INTO FormData(FormName, ControlIndex, [Value]) VALUES(" + key + ", " + index +
                                 ", " + JetQuoted(row.value) + ")",
                             true);
    }
}

// Loads the sample data with the fixtures starting today, unless data.mdb holds played
// matches already: the sample's files replace every table, and the user's data stays.
// It runs with the tables, the window rows, the settings key and the global DBSetting
// in place (the series rebuild reads its total line from them), and before the rows
// and settings that depend on the data (Version, the first view, SeriesSeason).
void LoadSample()
{
    if (HasRow(DBConnect::GetData(), "SELECT TOP 1 FixedIND FROM Fixed"))
        return;
    if (!LoadSampleData(SampleDataOptions{}))
        throw SetupError("The sample data did not load; log.txt in the folder says why");
}

void AddVersionRowWhenNone()
{
    DBConnect* data = DBConnect::GetData();
    if (!HasRow(data, "SELECT UpdateNum FROM Version"))
        data->ExecSQL("INSERT INTO Version(UpdateNum, UpdateDate, UpdateSeries) VALUES('0', '', False)", true);
}

// The first view: the newest season of a favourite league when the data has one,
// else a team view that shows an empty list.
void AddFirstViewWhenNone()
{
    DBConnect* data = DBConnect::GetData();
    if (HasRow(data, "SELECT FilterID FROM Filter"))
        return;
    TADOQuery league(data->GetConnection());
    league.SetSQL("SELECT TOP 1 F.ChampID AS ChampID, F.SeasonID AS SeasonID FROM Fixed AS F INNER JOIN Champ AS C "
                  "ON C.ChampID = F.ChampID WHERE C.Fav=True AND C.TypeID=" + IntToStr(ChampTypeID::League) +
                  " AND C.ChampID>0 "
                  "ORDER BY F.SeasonID DESC, C.SortName, C.ChampID");
    league.Open();
    if (league.RecordCount() > 0)
        data->ExecSQL("INSERT INTO Filter(FilterID,Mode,ChampID,SeasonWith)VALUES(1," +
                          IntToStr(FilterMode::Tournament) + "," +
                          league.FieldByName("ChampID")->AsString() + "," +
                          league.FieldByName("SeasonID")->AsString() + ")",
                      true);
    else
        data->ExecSQL("INSERT INTO Filter(FilterID,TeamID,SeasonWith)VALUES(1,0,0)", true);
}

void WriteSetting(TRegistry& registry, const std::string& name, const SettingValue& value)
{
    if (const auto* text = std::get_if<std::string>(&value))
        registry.WriteString(name, *text);
    else if (const auto* number = std::get_if<int>(&value))
        registry.WriteInteger(name, *number);
    else
        registry.WriteBool(name, std::get<bool>(value));
}

void WriteMissingSettings(TRegistry& registry, const SetupOptions& options)
{
    for (const SettingDefault& setting : InstallationSettings(std::max(0, DBSeason::GetMaxSeasonID())))
        if (!registry.ValueExists(setting.name))
            WriteSetting(registry, setting.name, setting.value);
    if (options.userName)
        registry.WriteString("UserName", *options.userName);
    if (options.userPassword)
        registry.WriteString("UserPwd", *options.userPassword);
}

}  // namespace

void SetupProgramFolder(const std::string& folder, const SetupOptions& options)
{
    const fs::path root = fs::absolute(folder);
    fs::create_directories(root);
    InstallFiles(root, options);
    CreateDataSchema((root / "data.mdb").string());
    CreateSettingSchema((root / "setting.mdb").string());

    UseProgramFolder(root);
    AddMissingWindowRows();
    TRegistry registry;
    registry.RootKey = HKEY_LOCAL_MACHINE;
    if (!registry.OpenKey(SettingsKey, true))
        throw SetupError("Cannot create the settings file " + RegistryFilePath(SettingsKey));
    // Later steps read remembered values through the program's own settings object.
    DBSetting::CreateGlobal();

    if (options.sampleData)
        LoadSample();
    AddVersionRowWhenNone();
    AddFirstViewWhenNone();
    WriteMissingSettings(registry, options);
}
