#include "setup/programfoldersetup.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <set>

#include "configfolder.h"
#include "data/constants.h"
#include "data/dbsetting.h"
#include "data/schema.h"
#include "datafolderfixture.h"
#include "platform/codepage.h"
#include "platform/exceptions.h"
#include "platform/programfolder.h"
#include "platform/registry.h"
#include "platform/sysutils.h"

namespace fs = std::filesystem;

namespace {

// The settings values the program reads as numbers and as yes/no; the others are texts.
const std::set<std::string> IntegerSettings = {"ProxyPort", "StartTime", "FavDays", "TodayDays", "TodayDaysMinus",
                                               "SeriesSeason", "FavNext", "UpdServ", "TourHandicap", "TourTotal"};
const std::set<std::string> BooleanSettings = {"UseProxy", "SaveHistory", "AutoUpdate", "FilterTop", "NoShowFilter"};

// How the windows read their remembered values, index by index: Text, Integer or Boolean.
const std::map<std::string, std::string> RememberedKinds = {
    {"DlgSelectTeam", "TTT"}, {"DlgSelectChamp", "ITT"}, {"DlgSelectFixed", "TTTTTT"}, {"DlgToday", "TITBIITII"}};

class SetupTest : public DatabaseFixture {
protected:
    void Setup(const SetupOptions& options = {}) { SetupProgramFolder(Folder(), options); }

    static std::unique_ptr<TRegistry> Registry()
    {
        auto registry = std::make_unique<TRegistry>();
        EXPECT_TRUE(registry->OpenKey(SettingsKey, false));
        return registry;
    }

    // Every row, settings value and file a program folder needs, each readable the way
    // the program reads it (the tables are the schema every test creates).
    void ExpectCompleteFolder()
    {
        for (const char* file : {"data.mdb", "setting.mdb", "Lang/ru.lng", "Lang/en.lng", "Flags/NOT.bmp"})
            EXPECT_TRUE(fs::is_regular_file(File(file))) << file;
        EXPECT_TRUE(fs::is_directory(File("Predict")));

        EXPECT_EQ(Value("SELECT COUNT(*) FROM Version"), "1");
        EXPECT_EQ(Value("SELECT COUNT(*) FROM Filter WHERE Cur=True"), "1");
        EXPECT_EQ(SettingValue("SELECT COUNT(*) FROM FormSetting WHERE FormName='DlgMain'"), "1");

        DBSetting* setting = DBSetting::Global();
        ASSERT_NE(setting, nullptr);
        for (const auto& [key, kinds] : RememberedKinds) {
            EXPECT_EQ(SelectSetting("SELECT COUNT(*), MAX(ControlIndex) FROM FormData WHERE FormName='" + key + "'"),
                      (Rows{{std::to_string(kinds.size()), std::to_string(kinds.size() - 1)}}))
                << key << ": indexes run from 0 without gaps";
            setting->LoadFormData(key);
            for (size_t index = 0; index < kinds.size(); ++index) {
                if (kinds[index] == 'I')
                    setting->GetFormInt(static_cast<int>(index));
                if (kinds[index] == 'B')
                    setting->GetFormBool(static_cast<int>(index));
            }
        }
        EXPECT_TRUE(Messages().empty()) << Messages().front().text;

        const std::unique_ptr<TRegistry> registry = Registry();
        for (const std::string name : SettingValueNames) {
            const bool unused = name == "LastFixed" || name == "SeriesFixed";
            EXPECT_EQ(registry->ValueExists(name), !unused) << name;
            if (IntegerSettings.count(name)) {
                EXPECT_NO_THROW(setting->ReadInteger(name)) << name;
            } else if (BooleanSettings.count(name)) {
                EXPECT_NO_THROW(setting->ReadBool(name)) << name;
            }
        }
        EXPECT_TRUE(setting->LoadLanguage());
        EXPECT_FALSE(setting->GetLangText(1001).empty());
    }

    ConfigFolder config_;
};

}  // namespace

TEST_F(SetupTest, FreshFolderIsCompleteWithTheInstallationDefaults)
{
    Setup();
    ExpectCompleteFolder();

    DBSetting& setting = *DBSetting::Global();
    EXPECT_EQ(setting.ReadString("Lang"), "ru");
    EXPECT_TRUE(setting.ReadBool("SaveHistory"));
    EXPECT_TRUE(setting.ReadBool("FilterTop"));
    EXPECT_FALSE(setting.ReadBool("UseProxy"));
    EXPECT_EQ(setting.ReadInteger("TodayDays"), 1);
    EXPECT_EQ(setting.ReadInteger("TourTotal"), 2);
    EXPECT_EQ(setting.ReadInteger("TourHandicap"), 0);
    EXPECT_EQ(setting.ReadString("UserName"), "");
    setting.LoadFormData("DlgToday");
    EXPECT_EQ(setting.GetFormInt(7), 2) << "the streak threshold 2.5";
    EXPECT_EQ(Select("SELECT UpdateNum, UpdateDate, UpdateSeries FROM Version"), (Rows{{"0", "", "False"}}));
    EXPECT_EQ(Select("SELECT FilterID, Mode, TeamID, SeasonWith FROM Filter"), (Rows{{"1", "1", "0", "0"}}))
        << "a team view that shows an empty list";
    EXPECT_EQ(ProgramFolder(), Folder());
    EXPECT_TRUE(fs::is_empty(File("Predict")));
    EXPECT_TRUE(LogLines().empty());
    // The language files are the texts of the source tree in cp1251 with CR LF.
    for (const std::string name : {"ru", "en"}) {
        const std::string source = ReadFile(std::string(KOVRAL_SOURCE_DIR) + "/tools/lang/" + name + ".lng.txt");
        std::string installed = Cp1251ToUtf8(ReadFile(File("Lang/" + name + ".lng")));
        std::erase(installed, '\r');
        EXPECT_EQ(installed, source) << name;
    }
}

TEST_F(SetupTest, SecondRunKeepsTheUsersDataAndSettingsAndAddsWhatIsMissing)
{
    SetupOptions login;
    login.userName = "Иван";
    login.userPassword = "p'ss \"word\"";
    Setup(login);
    DBSetting& setting = *DBSetting::Global();
    EXPECT_EQ(setting.ReadString("UserName"), "Иван");
    EXPECT_EQ(setting.ReadString("UserPwd"), "p'ss \"word\"");
    setting.WriteInteger("TourTotal", 4);
    setting.WriteString("Lang", "en");
    setting.SetFormInt("DlgToday", 7, 3);
    setting.SetFormString("DlgSelectTeam", 2, "Спартак");
    Exec("INSERT INTO Team VALUES(7, 'Спартак', 'RUS')");
    Exec("UPDATE Filter SET Cur=False");
    Exec("INSERT INTO Filter(FilterID,TeamID,SeasonWith)VALUES(2,7,0)");
    Exec("UPDATE Version SET UpdateNum='15'");
    WriteFile(File("Lang/ru.lng"), Utf8ToCp1251("1001=Своя команда\r\n"));
    // Lost since the first run: a row, a setting and a file.
    ExecSetting("DELETE * FROM FormData WHERE FormName='DlgToday' AND ControlIndex=8");
    std::string settings = ReadFile(config_.SettingsFile());
    settings.erase(settings.find("FavDays=7\n"), 10);
    WriteFile(config_.SettingsFile(), settings);
    fs::remove(File("Flags/NOT.bmp"));

    SetupOptions options;
    options.userName = "reader";
    Setup(options);
    ExpectCompleteFolder();

    DBSetting& again = *DBSetting::Global();
    EXPECT_EQ(again.ReadInteger("TourTotal"), 4);
    EXPECT_EQ(again.ReadString("Lang"), "en");
    EXPECT_EQ(again.ReadString("UserName"), "reader") << "a given login replaces the stored one";
    EXPECT_EQ(again.ReadString("UserPwd"), "p'ss \"word\"") << "kept without the option";
    EXPECT_EQ(again.ReadInteger("FavDays"), 7);
    again.LoadFormData("DlgToday");
    EXPECT_EQ(again.GetFormInt(7), 3);
    EXPECT_EQ(again.GetFormInt(8), 1) << "the lost row is back with its first value";
    again.LoadFormData("DlgSelectTeam");
    EXPECT_EQ(again.GetFormString(2), "Спартак");
    EXPECT_EQ(Value("SELECT Name FROM Team WHERE TeamID=7"), "Спартак");
    EXPECT_EQ(Value("SELECT COUNT(*) FROM Filter"), "2");
    EXPECT_EQ(Value("SELECT UpdateNum FROM Version"), "15");
    EXPECT_EQ(Cp1251ToUtf8(ReadFile(File("Lang/ru.lng"))), "1001=Своя команда\r\n");
    EXPECT_TRUE(fs::is_regular_file(File("Flags/NOT.bmp")));
}

TEST_F(SetupTest, FirstViewOfExistingDataIsTheNewestSeasonOfAFavouriteLeague)
{
    CreateDataSchema(File("data.mdb"));
    for (const char* sql : {"INSERT INTO Season VALUES(3, '2022', 2022)", "INSERT INTO Season VALUES(5, '2024', 2024)",
                                "INSERT INTO Champ(ChampID, Name, TypeID, Fav) VALUES(4, 'Cup', 2, True)",
                                "INSERT INTO Champ(ChampID, Name, TypeID, Fav) VALUES(8, 'League', 1, True)",
                                "INSERT INTO Champ(ChampID, Name, TypeID, Fav) VALUES(9, 'Other league', 1, False)",
                                "INSERT INTO Fixed(FixedIND, ChampID, SeasonID) VALUES(1, 8, 3)",
                                "INSERT INTO Fixed(FixedIND, ChampID, SeasonID) VALUES(2, 8, 5)",
                                "INSERT INTO Fixed(FixedIND, ChampID, SeasonID) VALUES(3, 4, 5)",
                            "INSERT INTO Fixed(FixedIND, ChampID, SeasonID) VALUES(4, 9, 5)"})
        Exec(sql);
    Setup();
    EXPECT_EQ(Select("SELECT FilterID, Mode, ChampID, SeasonWith FROM Filter"), (Rows{{"1", "2", "8", "5"}}));
    EXPECT_EQ(DBSetting::Global()->ReadInteger("SeriesSeason"), 5);
}

TEST_F(SetupTest, SampleFolderOpensOnAFavouriteLeaguesNewestSeason)
{
    SetupOptions options;
    options.sampleData = true;
    Setup(options);
    ExpectCompleteFolder();
    EXPECT_TRUE(LogLines().empty()) << LogLines().front();

    const std::string newest = Value("SELECT MAX(SeasonID) FROM Season");
    EXPECT_EQ(Select("SELECT F.Mode, C.Fav, C.TypeID, F.SeasonWith FROM Filter AS F INNER JOIN Champ AS C ON "
                     "C.ChampID = F.ChampID"),
              (Rows{{"2", "True", "1", newest}}));
    EXPECT_EQ(Registry()->ReadInteger("SeriesSeason"), std::stoi(newest));
    // The derived tables are built and the series count as current.
    EXPECT_NE(Value("SELECT COUNT(*) FROM Stats"), "0");
    EXPECT_NE(Value("SELECT COUNT(*) FROM TeamResults"), "0");
    EXPECT_NE(Value("SELECT COUNT(*) FROM Series"), "0");
    EXPECT_EQ(Value("SELECT UpdateSeries FROM Version"), "False");
    EXPECT_NE(Value("SELECT COUNT(*) FROM Calendar WHERE [Date]=Date()"), "0") << "fixtures start today";

    // A folder with matches keeps them: the sample would replace every table.
    Exec("UPDATE Team SET Name='Renamed' WHERE TeamID=1");
    Setup(options);
    EXPECT_EQ(Value("SELECT Name FROM Team WHERE TeamID=1"), "Renamed");
}

TEST_F(SetupTest, CommandLineToolCreatesTheFolderAndRejectsBadArguments)
{
    const auto run = [](const std::string& arguments) {
        const std::string command = std::string(KOVRAL_SETUP) + " " + arguments + " >/dev/null 2>&1";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    EXPECT_EQ(run("'" + Folder() + "new folder' --user tester"), 0);
    EXPECT_TRUE(fs::is_regular_file(File("new folder/setting.mdb")));
    EXPECT_EQ(run(""), 2);
    EXPECT_EQ(run("'" + Folder() + "a' '" + Folder() + "b'"), 2);
    EXPECT_EQ(run("'" + Folder() + "a' --user"), 2);
    EXPECT_EQ(run("'" + Folder() + "a' --colour"), 2);
    EXPECT_FALSE(fs::exists(File("a")));
    EXPECT_EQ(Registry()->ReadString("UserName"), "tester");
}
