#include "data/dbsetting.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "configfolder.h"
#include "data/constants.h"
#include "datafolderfixture.h"
#include "platform/codepage.h"
#include "platform/exceptions.h"
#include "platform/registry.h"

namespace {

using TextMap = std::map<AnsiString, AnsiString>;

class DBSettingTest : public DataFolderFixture {
protected:
    // Creates the settings key with its language value.
    void CreateSettingsKey(const std::string& lang = "ru")
    {
        TRegistry registry;
        ASSERT_TRUE(registry.OpenKey(SettingsKey, true));
        registry.WriteString("Lang", lang);
    }

    // Writes Lang/<name>.lng in cp1251 from UTF-8 text.
    void WriteLanguage(const std::string& name, const std::string& utf8)
    {
        std::filesystem::create_directories(File("Lang"));
        WriteFile(File("Lang/" + name + ".lng"), Utf8ToCp1251(utf8));
    }

    void AddFormData(const std::string& key, int index, const std::string& value)
    {
        ExecSetting("INSERT INTO FormData(FormName, ControlIndex, [Value]) VALUES('" + key + "', " +
                    std::to_string(index) + ", '" + value + "')");
    }

    std::string StoredFormValue(const std::string& key, int index)
    {
        return SettingValue("SELECT [Value] FROM FormData WHERE FormName='" + key +
                            "' AND ControlIndex=" + std::to_string(index));
    }

    ConfigFolder config_;
};

}  // namespace

TEST_F(DBSettingTest, TextFileLinesSplitAtTheFirstEqualsAndTheLaterLineWins)
{
    // CR LF, LF and CR all end a line; the file is cp1251.
    WriteFile(File("texts.lng"), Utf8ToCp1251("1005=Обновление[rn]данных\r\n"
                                              "=1006 starts with equals\r\n"
                                              "a line without the sign\n"
                                              "1007= blanks kept \r"
                                              "1008=a=b\n"
                                              "1005=Позже\r\n"
                                              " 1009 =key with blanks"));
    TextMap map{{"1", "kept"}};
    ASSERT_TRUE(DBSetting::LoadTextFile(File("texts.lng"), map, false));
    EXPECT_EQ(map, (TextMap{{"1", "kept"},
                            {"1005", "Позже"},
                            {"1007", " blanks kept "},
                            {"1008", "a=b"},
                            {" 1009 ", "key with blanks"}}));

    ASSERT_TRUE(DBSetting::LoadTextFile(File("texts.lng"), map, true));
    EXPECT_FALSE(map.count("1")) << "a clearing load starts empty";

    EXPECT_FALSE(DBSetting::LoadTextFile(File("missing.lng"), map, false));
    EXPECT_EQ(map.at("1005"), "Позже") << "a failed load keeps what the map held";
    EXPECT_FALSE(DBSetting::LoadTextFile(File("missing.lng"), map, true));
    EXPECT_TRUE(map.empty());
}

TEST_F(DBSettingTest, LanguageTextsComeFromTheChosenFileWithLineBreaks)
{
    CreateSettingsKey("en");
    WriteLanguage("en", "1005=Update[rn]data\r\n1006=Team\r\n");
    WriteLanguage("ru", "1006=Команда\r\n");
    DBSetting setting;
    ASSERT_TRUE(setting.LoadLanguage());
    EXPECT_EQ(setting.GetLangText(1005), "Update\r\ndata");
    EXPECT_EQ(setting.GetLangText(1006), "Team");
    EXPECT_EQ(setting.GetLangText(1404), "");
    EXPECT_EQ(setting.GetLangText(1404), "") << "a missing id stays empty when asked again";

    setting.WriteString("Lang", "ru");
    ASSERT_TRUE(setting.LoadLanguage());
    EXPECT_EQ(setting.GetLangText(1006), "Команда");
    EXPECT_EQ(setting.GetLangText(1005), "") << "texts of the former language are gone";

    setting.WriteString("Lang", "de");
    EXPECT_FALSE(setting.LoadLanguage());
    EXPECT_EQ(setting.GetLangText(1006), "") << "a missing file leaves every text empty";
    ASSERT_EQ(LogTexts().size(), 1u);
    EXPECT_EQ(LogTexts()[0], "[ERROR] DBSetting::LoadLanguage " + File("Lang/de.lng"));
}

TEST_F(DBSettingTest, RegistryNeedsTheSettingsFileAndMissingNumbersRaise)
{
    DBSetting setting;
    EXPECT_THROW(setting.ReadString("Lang"), ERegistryException);
    EXPECT_THROW(setting.ReadBool("UseProxy"), ERegistryException);
    EXPECT_THROW(setting.WriteInteger("TourTotal", 2), ERegistryException);
    EXPECT_THROW(setting.LoadLanguage(), ERegistryException);
    EXPECT_FALSE(std::filesystem::exists(config_.SettingsFile())) << "the key is never created";

    CreateSettingsKey();
    DBSetting opened;
    opened.WriteInteger("ProxyPort", 8080);
    opened.WriteBool("UseProxy", true);
    EXPECT_EQ(opened.ReadInteger("ProxyPort"), 8080);
    EXPECT_TRUE(opened.ReadBool("UseProxy"));
    EXPECT_EQ(opened.ReadString("MyMail"), "");
    EXPECT_THROW(opened.ReadInteger("TourTotal"), ERegistryException);
    EXPECT_THROW(opened.ReadBool("FilterTop"), ERegistryException);
}

TEST_F(DBSettingTest, FormValuesAreNumberedByTheirOrderNotByControlIndex)
{
    AddFormData("DlgToday", 3, "third");
    AddFormData("DlgToday", 0, "first");
    AddFormData("DlgToday", 1, "second");
    AddFormData("DlgSelectTeam", 2, "other window");
    DBSetting setting;
    setting.LoadFormData("DlgToday");
    EXPECT_EQ(setting.GetFormString(0), "first");
    EXPECT_EQ(setting.GetFormString(1), "second");
    EXPECT_EQ(setting.GetFormString(2), "third");
    EXPECT_EQ(setting.GetFormString(3), "");

    setting.LoadFormData("DlgSelectTeam");
    EXPECT_EQ(setting.GetFormString(0), "other window");
    EXPECT_EQ(setting.GetFormString(1), "") << "values of the former window are cleared";
}

TEST_F(DBSettingTest, BooleansAndNumbersAreReadFromWordsOrNumbersOrShowOneBoxAndReadAsZero)
{
    for (int index = 0; index < 7; ++index)
        AddFormData("DlgToday", index, "");
    DBSetting setting;
    setting.SetFormBool("DlgToday", 0, true);
    setting.SetFormBool("DlgToday", 1, false);
    setting.SetFormString("DlgToday", 2, "-1");
    setting.SetFormInt("DlgToday", 3, 0);
    setting.SetFormInt("DlgToday", 4, 42);
    setting.SetFormString("DlgToday", 5, "abc");
    setting.SetFormString("DlgToday", 6, "maybe");
    EXPECT_EQ(StoredFormValue("DlgToday", 0), "True");
    EXPECT_EQ(StoredFormValue("DlgToday", 1), "False");

    setting.LoadFormData("DlgToday");
    EXPECT_TRUE(setting.GetFormBool(0));
    EXPECT_FALSE(setting.GetFormBool(1));
    EXPECT_TRUE(setting.GetFormBool(2));
    EXPECT_FALSE(setting.GetFormBool(3));
    EXPECT_EQ(setting.GetFormInt(4), 42);
    EXPECT_TRUE(Messages().empty());

    EXPECT_EQ(setting.GetFormInt(5), 0);
    EXPECT_FALSE(setting.GetFormBool(6));
    ASSERT_EQ(Messages().size(), 2u);
    EXPECT_EQ(Messages()[0].text, "Error return int5[DlgToday]");
    EXPECT_EQ(Messages()[1].text, "Error return bool6[DlgToday]");
    EXPECT_EQ(Messages()[1].caption, "Error");
}

TEST_F(DBSettingTest, TextWithQuotesAndCyrillicIsStoredAsTyped)
{
    AddFormData("DlgSelectTeam", 2, "old");
    const std::string typed = "Динамо 'Киев' \"Д\" '' -- [x]";
    DBSetting setting;
    setting.SetFormString("DlgSelectTeam", 2, typed);
    EXPECT_EQ(StoredFormValue("DlgSelectTeam", 2), typed);
    setting.LoadFormData("DlgSelectTeam");
    EXPECT_EQ(setting.GetFormString(0), typed);

    setting.SetFormString("DlgSelectTeam", 5, "new");
    EXPECT_EQ(setting.GetFormString(5), "new") << "the loaded values hold an index without a row";
    EXPECT_EQ(SettingValue("SELECT COUNT(*) FROM FormData"), "1") << "but no row is added";
    EXPECT_TRUE(LogLines().empty());
}

TEST_F(DBSettingTest, PlacementIsWrittenToTheWindowsRowOnlyAndAMissingRowIsLogged)
{
    ExecSetting("INSERT INTO FormSetting VALUES('DlgMain', False, 799, 600, 0, 0)");
    ExecSetting("INSERT INTO FormSetting VALUES('DlgOther', False, 1, 2, 3, 4)");
    DBSetting setting;
    setting.OpenFormSetting("DlgMain");
    setting.SaveIsMax(true);
    setting.SaveWidth(1024);
    setting.SaveHeight(700);
    setting.SaveTop(-5);
    setting.SaveLeft(30);
    const std::string placements = "SELECT IsMax, Width, Height, [Top], [Left] FROM FormSetting ORDER BY FormName";
    const Rows expected = {{"True", "1024", "700", "-5", "30"}, {"False", "1", "2", "3", "4"}};
    EXPECT_EQ(SelectSetting(placements), expected);
    EXPECT_TRUE(LogLines().empty());

    setting.OpenFormSetting("DlgToday");
    EXPECT_NO_THROW(setting.SaveWidth(800));
    EXPECT_EQ(SelectSetting(placements), expected);
    ASSERT_EQ(LogLines().size(), 1u);
    EXPECT_NE(LogLines().back().find("DBSetting::SaveWidth"), std::string::npos) << LogLines().back();
}
