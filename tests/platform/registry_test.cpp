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
    // A registry object with the key open, the file created when needed.
    static std::unique_ptr<TRegistry> Opened()
    {
        auto registry = std::make_unique<TRegistry>();
        registry->RootKey = HKEY_LOCAL_MACHINE;
        EXPECT_TRUE(registry->OpenKey(kKey, true));
        return registry;
    }

    SavedVariable savedHome_{"HOME"};
    ConfigFolder config_;
};

TEST_F(TRegistryTest, KeyIsOneFileUnderTheConfigFolder)
{
    EXPECT_EQ(RegistryFilePath(kKey), config_.SettingsFile());
    EXPECT_EQ(RegistryFilePath("software\\Tarvik\\Kovral"), config_.SettingsFile()) << "leading \\ and case are free";
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
    EXPECT_FALSE(registry.OpenKey(kKey, false));
    EXPECT_THROW(registry.ReadInteger("TodayDays"), ERegistryException);
    EXPECT_THROW(registry.ReadBool("SaveHistory"), ERegistryException);
    EXPECT_THROW(registry.ReadString("Lang"), ERegistryException);
    EXPECT_THROW(registry.WriteInteger("TodayDays", 1), ERegistryException);
    EXPECT_THROW(registry.WriteBool("SaveHistory", true), ERegistryException);
    EXPECT_THROW(registry.WriteString("Lang", "ru"), ERegistryException);
    EXPECT_FALSE(registry.ValueExists("Lang"));
    EXPECT_FALSE(std::filesystem::exists(config_.SettingsFile())) << "opening without creating leaves no file";
}

TEST_F(TRegistryTest, WritesAreOnDiskAndReachEveryReaderAtOnce)
{
    auto writer = Opened();
    TRegistry reader;
    ASSERT_TRUE(reader.OpenKey(kKey, false)) << "the created file opens without creating";
    EXPECT_EQ(reader.ReadString("MyMail"), "");
    writer->WriteString("MyMail", "user@example.org");
    EXPECT_EQ(reader.ReadString("MyMail"), "user@example.org");
    EXPECT_NE(ReadFile(config_.SettingsFile()).find("user@example.org"), std::string::npos) << "before closing";

    // Another program rewriting the file is seen on the next read as well.
    WriteFile(config_.SettingsFile(), "[General]\nMyMail=other@example.org\nUpdServ=1\n");
    EXPECT_EQ(reader.ReadString("MyMail"), "other@example.org");
    EXPECT_EQ(reader.ReadInteger("UpdServ"), 1);
    reader.CloseKey();
    EXPECT_THROW(reader.ReadString("MyMail"), ERegistryException) << "a closed key reads nothing";
}

TEST_F(TRegistryTest, MissingOrNonNumericValuesRaiseForNumbersAndReadAsTextForText)
{
    auto registry = Opened();
    try {
        registry->ReadInteger("TourTotal");
        FAIL() << "a missing integer must raise";
    } catch (const ERegistryException& error) {
        EXPECT_EQ(error.Message(), "Failed to get data for 'TourTotal'");
    }
    EXPECT_THROW(registry->ReadBool("FilterTop"), ERegistryException);
    EXPECT_EQ(registry->ReadString("ProxyAddress"), "");
    EXPECT_FALSE(registry->ValueExists("ProxyAddress")) << "reading creates nothing";

    registry->WriteString("ProxyPort", "8080a");
    EXPECT_THROW(registry->ReadInteger("ProxyPort"), ERegistryException);
    EXPECT_THROW(registry->ReadBool("ProxyPort"), ERegistryException);
    EXPECT_EQ(registry->ReadString("ProxyPort"), "8080a");
}

TEST_F(TRegistryTest, IntegersAndBooleansAreDecimalTextOnDisk)
{
    auto registry = Opened();
    registry->WriteInteger("TodayDays", -3);
    registry->WriteBool("SaveHistory", true);
    registry->WriteBool("FilterTop", false);
    registry->WriteInteger("AutoUpdate", 5);

    const std::string file = ReadFile(config_.SettingsFile());
    for (const char* line : {"TodayDays=-3", "SaveHistory=1", "FilterTop=0"})
        EXPECT_NE(file.find(line), std::string::npos) << file;
    EXPECT_EQ(registry->ReadInteger("TodayDays"), -3);
    EXPECT_TRUE(registry->ReadBool("SaveHistory"));
    EXPECT_FALSE(registry->ReadBool("FilterTop"));
    EXPECT_EQ(registry->ReadInteger("SaveHistory"), 1);
    EXPECT_TRUE(registry->ReadBool("AutoUpdate")) << "any non-zero integer is true";
}

TEST_F(TRegistryTest, TextsRoundTripUnchanged)
{
    const std::vector<std::string> texts = {
        "Иван \"Ваня\" О'Брайен", "a, b; c # d = e", "  blanks kept  ", "C:\\Путь\\к файлу",
        "@String(not a variant)", "[rn]two[rn]lines", "",
    };
    for (size_t i = 0; i < texts.size(); ++i)
        Opened()->WriteString("Text" + std::to_string(i), texts[i]);
    auto registry = Opened();
    for (size_t i = 0; i < texts.size(); ++i) {
        EXPECT_TRUE(registry->ValueExists("Text" + std::to_string(i)));
        EXPECT_EQ(registry->ReadString("Text" + std::to_string(i)), texts[i]);
    }
    EXPECT_NE(ReadFile(config_.SettingsFile()).find("Иван"), std::string::npos) << "Cyrillic is readable UTF-8";
}

TEST_F(TRegistryTest, FailedWriteRaises)
{
    auto registry = Opened();
    registry->WriteString("Lang", "ru");
    // A file where the folder was makes every write fail, also for root.
    std::filesystem::remove_all(config_.Path() + "Tarvik");
    WriteFile(config_.Path() + "Tarvik", "not a folder");
    EXPECT_THROW(registry->WriteString("Lang", "en"), ERegistryException);
    EXPECT_THROW(registry->WriteInteger("UpdServ", 1), ERegistryException);
}

}  // namespace
