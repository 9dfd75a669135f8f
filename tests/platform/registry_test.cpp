#include "platform/registry.h"

#include "platform/exceptions.h"
#include "configfolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

const char* const kKey = "\\SOFTWARE\\Tarvik\\Kovral";

class TRegistryTest : public ::testing::Test {
protected:
    TRegistryTest() { setenv("XDG_CONFIG_HOME", config_.Path().c_str(), 1); }

    std::string SettingsFile() const { return config_.File("Tarvik/Kovral.conf"); }

    // A registry object with the key open, the file created when needed.
    static std::unique_ptr<TRegistry> Opened()
    {
        auto registry = std::make_unique<TRegistry>();
        registry->RootKey = HKEY_LOCAL_MACHINE;
        EXPECT_TRUE(registry->OpenKey(kKey, true));
        return registry;
    }

    SavedVariable savedConfigHome_{"XDG_CONFIG_HOME"};
    SavedVariable savedHome_{"HOME"};
    TempFolder config_;
};

TEST_F(TRegistryTest, KeyIsOneFileUnderTheConfigFolder)
{
    EXPECT_EQ(RegistryFilePath(kKey), SettingsFile());
    EXPECT_EQ(RegistryFilePath("software\\Tarvik\\Kovral"), SettingsFile()) << "leading \\ and case are free";
    EXPECT_EQ(RegistryFilePath("\\SYSTEM\\Tarvik\\Kovral"), "");
    EXPECT_EQ(RegistryFilePath("\\SOFTWARE\\..\\Kovral"), "");

    TempFolder home;
    setenv("HOME", home.Path().c_str(), 1);
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(RegistryFilePath(kKey), home.File(".config/Tarvik/Kovral.conf"));
    setenv("XDG_CONFIG_HOME", "relative/config", 1);
    EXPECT_EQ(RegistryFilePath(kKey), home.File(".config/Tarvik/Kovral.conf"));
}

TEST_F(TRegistryTest, MissingFileMakesOpenFailAndEveryAccessRaise)
{
    TRegistry registry;
    registry.RootKey = HKEY_LOCAL_MACHINE;
    EXPECT_FALSE(registry.OpenKey(kKey, false));
    EXPECT_FALSE(std::filesystem::exists(SettingsFile())) << "opening without creating leaves no file";

    EXPECT_THROW(registry.ReadInteger("TodayDays"), ERegistryException);
    EXPECT_THROW(registry.ReadBool("SaveHistory"), ERegistryException);
    EXPECT_THROW(registry.ReadString("Lang"), ERegistryException);
    EXPECT_THROW(registry.WriteInteger("TodayDays", 1), ERegistryException);
    EXPECT_THROW(registry.WriteBool("SaveHistory", true), ERegistryException);
    EXPECT_THROW(registry.WriteString("Lang", "ru"), ERegistryException);
    EXPECT_FALSE(registry.ValueExists("Lang"));
    EXPECT_FALSE(std::filesystem::exists(SettingsFile()));
}

TEST_F(TRegistryTest, OpeningWithCreateMakesTheFileForLaterOpens)
{
    Opened()->WriteString("Lang", "ru");
    ASSERT_TRUE(std::filesystem::is_regular_file(SettingsFile()));

    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey(kKey, false));
    EXPECT_EQ(registry.ReadString("Lang"), "ru");
    registry.CloseKey();
    EXPECT_THROW(registry.ReadString("Lang"), ERegistryException) << "a closed key reads nothing";
}

TEST_F(TRegistryTest, MissingValuesRaiseForNumbersAndReadEmptyForText)
{
    auto registry = Opened();
    EXPECT_FALSE(registry->ValueExists("TourTotal"));
    try {
        registry->ReadInteger("TourTotal");
        FAIL() << "a missing integer must raise";
    } catch (const ERegistryException& error) {
        EXPECT_EQ(error.Message(), "Failed to get data for 'TourTotal'");
    }
    EXPECT_THROW(registry->ReadBool("FilterTop"), ERegistryException);
    EXPECT_EQ(registry->ReadString("ProxyAddress"), "");
    EXPECT_FALSE(registry->ValueExists("ProxyAddress")) << "reading creates nothing";
}

TEST_F(TRegistryTest, IntegersAndBooleansAreDecimalTextOnDisk)
{
    auto registry = Opened();
    registry->WriteInteger("TodayDays", -3);
    registry->WriteBool("SaveHistory", true);
    registry->WriteBool("FilterTop", false);

    const std::string file = ReadFile(SettingsFile());
    EXPECT_NE(file.find("TodayDays=-3"), std::string::npos) << file;
    EXPECT_NE(file.find("SaveHistory=1"), std::string::npos) << file;
    EXPECT_NE(file.find("FilterTop=0"), std::string::npos) << file;

    EXPECT_EQ(registry->ReadInteger("TodayDays"), -3);
    EXPECT_TRUE(registry->ReadBool("SaveHistory"));
    EXPECT_FALSE(registry->ReadBool("FilterTop"));
    EXPECT_EQ(registry->ReadInteger("SaveHistory"), 1);
    registry->WriteInteger("AutoUpdate", 5);
    EXPECT_TRUE(registry->ReadBool("AutoUpdate")) << "any non-zero integer is true";
}

TEST_F(TRegistryTest, TextThatIsNoNumberRaisesForNumbers)
{
    auto registry = Opened();
    registry->WriteString("ProxyPort", "8080a");
    EXPECT_THROW(registry->ReadInteger("ProxyPort"), ERegistryException);
    EXPECT_THROW(registry->ReadBool("ProxyPort"), ERegistryException);
    EXPECT_EQ(registry->ReadString("ProxyPort"), "8080a");
}

TEST_F(TRegistryTest, WritesReachOtherReadersAtOnce)
{
    auto writer = Opened();
    auto reader = Opened();
    EXPECT_EQ(reader->ReadString("MyMail"), "");
    writer->WriteString("MyMail", "user@example.org");
    EXPECT_EQ(reader->ReadString("MyMail"), "user@example.org");
    EXPECT_NE(ReadFile(SettingsFile()).find("user@example.org"), std::string::npos) << "on disk before closing";

    // Another program rewriting the file is seen on the next read as well.
    WriteFile(SettingsFile(), "[General]\nMyMail=other@example.org\nUpdServ=1\n");
    EXPECT_EQ(reader->ReadString("MyMail"), "other@example.org");
    EXPECT_EQ(reader->ReadInteger("UpdServ"), 1);
}

TEST_F(TRegistryTest, TextsRoundTripUnchanged)
{
    const std::vector<std::string> texts = {
        "Иван \"Ваня\" О'Брайен",
        "a, b; c # d = e",
        "  blanks kept  ",
        "C:\\Путь\\к файлу",
        "@String(not a variant)",
        "[rn]two[rn]lines",
        "",
    };
    {
        auto registry = Opened();
        for (size_t i = 0; i < texts.size(); ++i)
            registry->WriteString("Text" + std::to_string(i), texts[i]);
    }
    auto registry = Opened();
    for (size_t i = 0; i < texts.size(); ++i) {
        EXPECT_TRUE(registry->ValueExists("Text" + std::to_string(i)));
        EXPECT_EQ(registry->ReadString("Text" + std::to_string(i)), texts[i]);
    }
    EXPECT_NE(ReadFile(SettingsFile()).find("Иван"), std::string::npos) << "Cyrillic is stored as readable UTF-8";
}

TEST_F(TRegistryTest, FailedWriteRaises)
{
    auto registry = Opened();
    registry->WriteString("Lang", "ru");
    // A file where the folder was makes every write fail, also for root.
    std::filesystem::remove_all(config_.File("Tarvik"));
    WriteFile(config_.File("Tarvik"), "not a folder");
    EXPECT_THROW(registry->WriteString("Lang", "en"), ERegistryException);
    EXPECT_THROW(registry->WriteInteger("UpdServ", 1), ERegistryException);
}

}  // namespace
