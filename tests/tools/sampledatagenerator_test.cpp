#include "sampledata/sampledatagenerator.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "instructionfiles.h"
#include "platform/exceptions.h"
#include "platform/sysutils.h"
#include "tempfolder.h"

namespace {

class SampleDataGeneratorTest : public ::testing::Test {
protected:
    static SampleDataOptions Options()
    {
        SampleDataOptions options;
        options.today = EncodeDate(2025, 3, 14);
        return options;
    }

    // The files of a folder in their numbered order.
    static std::vector<std::string> Files(const TempFolder& folder, int count)
    {
        std::vector<std::string> texts;
        for (int n = 1; n <= count; ++n)
            texts.push_back(ReadFile(folder.File(std::to_string(n) + ".txt")));
        return texts;
    }

    static int FileCount(const TempFolder& folder)
    {
        int count = 0;
        for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
            count += entry.path().extension() == ".txt";
        return count;
    }

    TempFolder folder_;
};

}  // namespace

TEST_F(SampleDataGeneratorTest, SameOptionsWriteTheSameBytes)
{
    const SampleDataSummary first = SampleDataGenerator(Options()).Generate(folder_.Path());
    TempFolder again;
    const SampleDataSummary second = SampleDataGenerator(Options()).Generate(again.Path());
    ASSERT_EQ(first.files, second.files);
    EXPECT_EQ(FileCount(again), second.files);
    EXPECT_EQ(Files(folder_, first.files), Files(again, second.files));

    SampleDataOptions otherSeed = Options();
    otherSeed.seed += 1;
    TempFolder other;
    const SampleDataSummary third = SampleDataGenerator(otherSeed).Generate(other.Path());
    EXPECT_NE(Files(folder_, first.files), Files(other, third.files));
}

// That every statement is whole and runs, the load test shows.
TEST_F(SampleDataGeneratorTest, FilesHoldTheStatementsAskedForAndEachNamesItselfTheUpdate)
{
    SampleDataOptions options = Options();
    options.statementsPerFile = 2500;
    const SampleDataSummary summary = SampleDataGenerator(options).Generate(folder_.Path());
    ASSERT_GT(summary.files, 4);
    EXPECT_EQ(FileCount(folder_), summary.files);
    size_t statements = 0;
    for (int n = 1; n <= summary.files; ++n) {
        const std::vector<std::string> file = ReadInstructions(folder_.File(std::to_string(n) + ".txt"));
        EXPECT_LE(file.size(), 2501u) << "and the closing version statement";
        EXPECT_EQ(file.back(), "{u}Version{s}UpdateNum='" + std::to_string(n) +
                                       "', UpdateDate='14.03.2025', UpdateSeries=-1");
        statements += file.size();
    }
    EXPECT_EQ(statements, static_cast<size_t>(summary.statements));
    const std::vector<std::string> first = ReadInstructions(folder_.File("1.txt"));
    EXPECT_EQ(first.at(0), "{d}Version");
    EXPECT_EQ(first.at(1), "{i}Version{v}'0','',0{/v}");
}

TEST_F(SampleDataGeneratorTest, ScaleAddsCountriesAndSeasons)
{
    const SampleDataSummary normal = SampleDataGenerator(Options()).Generate(folder_.Path());
    EXPECT_GE(normal.playedMatches, SampleDataOptions::DefaultScale);
    EXPECT_EQ(normal.seasons, 4);

    SampleDataOptions bigger = Options();
    bigger.scale = 45000;
    TempFolder big;
    const SampleDataSummary large = SampleDataGenerator(bigger).Generate(big.Path());
    EXPECT_GE(large.playedMatches, 45000);
    EXPECT_GT(large.countries, normal.countries);
    EXPECT_EQ(large.seasons, 5);

    SampleDataOptions smallest = Options();
    smallest.scale = 1;
    TempFolder small;
    const SampleDataSummary least = SampleDataGenerator(smallest).Generate(small.Path());
    EXPECT_EQ(least.countries, 4);  // always a Cyrillic country among them
}

TEST_F(SampleDataGeneratorTest, FirstSeasonYearSetsHowFarBackTheSeasonsGo)
{
    SampleDataOptions options = Options();
    options.firstSeasonYear = 2022;  // the season under way on 14.03.2025 is 2024/2025
    const SampleDataSummary summary = SampleDataGenerator(options).Generate(folder_.Path());
    EXPECT_EQ(summary.seasons, 3);
    EXPECT_EQ(summary.rows.at("Season"), 4);  // and the row 0
    const std::string text = ReadFile(folder_.File("1.txt"));
    EXPECT_NE(text.find("{i}Season{v}1,'2022/2023',2022{/v}"), std::string::npos);
    EXPECT_NE(text.find("{i}Season{v}3,'2024/2025',2024{/v}"), std::string::npos);
}

TEST_F(SampleDataGeneratorTest, UnwritableFolderRaises)
{
    EXPECT_THROW(SampleDataGenerator(Options()).Generate(folder_.File("missing/")), EFileError);
}
