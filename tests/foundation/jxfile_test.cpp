#include "foundation/jxfile.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "jxstrprint.h"
#include "logfixture.h"
#include "platform/exceptions.h"
#include "platform/sysutils.h"

using SaveLogTest = LogFixture;
using JXFileTest = ProgramFolderFixture;

TEST_F(SaveLogTest, LinesOfStampBlankTextInCp1251AreAppendedWithCrLf)
{
    EXPECT_EQ(GetAppPath(), Folder()) << "the program folder, with its trailing slash";
    WriteFile(File("log.txt"), "old line\r\n");
    const TDateTime before = Now();
    SaveLog(GetAppPath(), "Ошибка Łódź");
    const TDateTime after = Now();
    SaveLog(GetAppPath(), "second\r\n");

    const std::string bytes = ReadFile(File("log.txt"));
    ASSERT_EQ(bytes.size(), 10u + 19 + 1 + 11 + 2 + 19 + 1 + 8 + 2);
    EXPECT_EQ(bytes.substr(10 + 19, 14), " \xCE\xF8\xE8\xE1\xEA\xE0 ??d?\r\n") << "letters cp1251 lacks become \"?\"";
    const TDateTime stamp = StrToDateTime(bytes.substr(10, 19));
    const double second = 1.0 / 86400;
    EXPECT_GE(stamp, before - second);
    EXPECT_LE(stamp, after + second);
    const std::vector<std::string> lines = LogLines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "old line");
    EXPECT_EQ(WithoutStamp(lines[2]), "second");
    EXPECT_EQ(lines[3], "") << "a text ending in a line break leaves an empty-looking line";
    EXPECT_TRUE(Messages().empty());
}

TEST_F(SaveLogTest, LogThatCannotBeOpenedShowsTheBoxOncePerLine)
{
    std::filesystem::create_directory(File("log.txt"));
    SaveLog(GetAppPath(), "one");
    SaveLog(GetAppPath(), "two");
    SaveLog(GetAppPath(), "three");
    ASSERT_EQ(Messages().size(), 3u);
    for (const MessageBoxRequest& box : Messages()) {
        EXPECT_EQ(box.text, "Access denied!");
        EXPECT_EQ(box.caption, "Error Save Log");
        EXPECT_EQ(box.flags, MB_OK);
    }
}

TEST_F(SaveLogTest, ReadOnlyLogShowsTheBoxAndStaysUnchanged)
{
    WriteFile(File("log.txt"), "kept\r\n");
    chmod(File("log.txt").c_str(), 0444);
    if (access(File("log.txt").c_str(), W_OK) == 0)
        GTEST_SKIP() << "this user may write read-only files (root); the folder test covers the box";
    SaveLog(GetAppPath(), "one");
    SaveLog(GetAppPath(), "two");
    EXPECT_EQ(Messages().size(), 2u);
    EXPECT_EQ(ReadFile(File("log.txt")), "kept\r\n");
}

TEST_F(JXFileTest, SaveEndsEveryLineWithCrLfAndLoadEndsThemAtCrLfLfOrCr)
{
    JXFile file;
    file.Add("1:Спартак");
    file.Add("");
    file.Add("3");
    WriteFile(File("out.txt"), "a longer earlier content\r\n");
    file.SaveToFile(File("out.txt"));
    EXPECT_EQ(ReadFile(File("out.txt")), "1:Спартак\r\n\r\n3\r\n");
    const auto entries = std::filesystem::directory_iterator(Folder());
    EXPECT_EQ(std::count_if(begin(entries), end(entries),
                            [](const auto& entry) { return entry.path().filename().string().starts_with("out"); }),
              1)
            << "the temporary file is gone";

    WriteFile(File("lines.txt"), "a\r\nb\nc\rd\r\n\r\nf\n");
    file.LoadFromFile(File("lines.txt"));
    ASSERT_EQ(file.Count(), 6) << "loading replaces the lines";
    EXPECT_EQ(file.GetLine(3), "d");
    EXPECT_EQ(file.GetLine(4), "");
    EXPECT_EQ(file.GetLine(5), "f") << "a final line break adds no line";
}

TEST_F(JXFileTest, FileErrorsReachTheCallerButLoadTextFileReadsThemAsEmpty)
{
    JXFile file;
    EXPECT_THROW(file.LoadFromFile(File("missing.txt")), EFileError);
    EXPECT_THROW(file.LoadFromFile(Folder()), EFileError) << "a folder is no file";
    EXPECT_THROW(file.SaveToFile(File("no/such/folder.txt")), EFileError);

    WriteFile(File("model.prd"), "1:2;\r\n3:4;\r\n");
    EXPECT_EQ(LoadTextFile(File("model.prd")), "1:2;3:4;") << "lines joined without separator";
    EXPECT_EQ(LoadTextFile(File("missing.prd")), "");
    EXPECT_EQ(LoadTextFile(Folder()), "");
}
