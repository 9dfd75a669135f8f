#include "research/dlgtestpredict.h"

#include <gtest/gtest.h>

#include <QCalendarWidget>
#include <QLineEdit>
#include <QPushButton>

#include <ctime>
#include <map>
#include <string>
#include <vector>

#include "computingmodel.h"
#include "configfolder.h"
#include "currentfolder.h"
#include "exportlines.h"
#include "platform/sysutils.h"
#include "realseasonfixture.h"
#include "research/testpredictcut.h"
#include "setup/programfoldersetup.h"
#include "updateservice/footballdatacsv.h"
#include "updateservice/seasonloader.h"

namespace {

// The 2022-23 and 2023-24 Premier League with Bet365's closing odds, taken in as an
// update brings them into a program folder made by the setup; the bench runs a model
// named "inform" that passes every fixture.
class DlgTestPredictRealDataTest : public RealSeasonFixture {
protected:
    void SetUp() override
    {
        RealSeasonFixture::SetUp();
        if (IsSkipped())
            return;
        std::vector<SeasonSource> sources = {Source(Season2223), Source(Season2324)};
        for (SeasonSource& source : sources)
            source.odds = OddsChoice::Closing;
        LoadSeasons(sources);
        SetupProgramFolder(Folder(), SetupOptions{});
        WriteFile(File("Predict/inform.prd"), "30;");
        for (const char* name : {"export_predict1.csv", "export_predict3.csv"})
            WriteFile(name, "");
    }

    std::vector<std::vector<std::string>> RunFrom(const QDate& day, int days)
    {
        TDlgTestPredict bench(nullptr, [] { return std::make_unique<ComputingModel>(); });
        bench.MonthCalendar1->setSelectedDate(day);
        bench.Edit1->setText(QString::number(days));
        bench.Button1->click();
        EXPECT_TRUE(Messages().empty());
        return FileLines("export_predict1.csv");
    }

    std::string Points(const std::string& team)
    {
        return Value("SELECT SUM(S.Point) FROM Stats AS S INNER JOIN Team AS T ON S.TeamID = T.TeamID WHERE T.Name='" +
                     team + "' AND S.SeasonID=(SELECT MAX(SeasonID) FROM Season)");
    }

    static inline const std::string Season2223 = "football-data-co-uk/E0_2223.csv";
    static inline const std::string Season2324 = "football-data-co-uk/E0_2324.csv";

private:
    ConfigFolder config_;
    TempFolder work_;
    CurrentFolder current_{work_.Path()};
};

TEST_F(DlgTestPredictRealDataTest, CutAtBoxingDay2023)
{
    TestPredictCut(EncodeDate(2023, 12, 26), nullptr);
    EXPECT_EQ(Value("SELECT COUNT(*) FROM Fixed"), "558");
    EXPECT_EQ(Value("SELECT COUNT(*) FROM Calendar"), "202");
    EXPECT_EQ(Points("Arsenal"), "40");
    EXPECT_EQ(Points("Liverpool"), "39");
    EXPECT_EQ(Points("Aston Villa"), "39");
}

TEST_F(DlgTestPredictRealDataTest, WeekFromBoxingDayCarriesTheClosingOddsAndScores)
{
    const auto lines = RunFrom(QDate(2023, 12, 26), 7);
    ASSERT_EQ(lines.size(), 19u);
    std::map<std::pair<std::string, std::string>, FileMatch> csv;
    for (const FileMatch& match : ReadFootballDataCsv(ReadFile(shared_ + Season2324), OddsChoice::Closing).matches)
        csv[{match.team1, match.team2}] = match;
    double homeWinBets = 0;
    for (const auto& line : lines) {
        const FileMatch& match = csv.at({line.at(2), line.at(3)});
        const MatchOdds& odds = match.odds;
        // Odds, score and handicap: columns 15 to 24 of the line.
        const std::vector<std::string> numbers = {odds.kef1, odds.kefX, odds.kef2, odds.un25, odds.ov25,
                                                  std::to_string(match.score->first),
                                                  std::to_string(match.score->second), odds.handicap,
                                                  odds.asianKef1, odds.asianKef2};
        for (size_t i = 0; i < numbers.size(); ++i)
            EXPECT_DOUBLE_EQ(StrToFloat(line.at(14 + i)), StrToFloat(numbers[i])) << line[2] << " column " << 15 + i;
        homeWinBets += match.score->first > match.score->second ? StrToFloat(line[14]) - 1 : -1;
    }
    EXPECT_NEAR(homeWinBets, 9.11, 0.005);
}

TEST_F(DlgTestPredictRealDataTest, DaysAcrossTheClockChangeOfSpring2024)
{
    // Declared first, so the zone is read again once TZ is restored.
    struct ReadZoneOnExit {
        ~ReadZoneOnExit() { tzset(); }
    } readZoneOnExit;
    SavedVariable savedZone("TZ");
    setenv("TZ", "Europe/London", 1);
    tzset();
    std::map<std::string, int> perDay;
    for (const auto& line : RunFrom(QDate(2024, 3, 30), 4))
        ++perDay[line.at(0)];
    const auto day = [](int month, int dayOfMonth) { return ShortDateToStr(EncodeDate(2024, month, dayOfMonth)); };
    EXPECT_EQ(perDay, (std::map<std::string, int>{{day(3, 30), 8}, {day(3, 31), 2}, {day(4, 2), 5}}));
}

}  // namespace
