#include "research/dlgtestpredict.h"

#include <gtest/gtest.h>

#include <QCalendarWidget>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>
#include <ctime>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "computingmodel.h"
#include "configfolder.h"
#include "currentfolder.h"
#include "platform/sysutils.h"
#include "realseasonfixture.h"
#include "research/testpredictcut.h"
#include "setup/programfoldersetup.h"
#include "tempfolder.h"
#include "updateservice/seasonloader.h"

namespace {

using Fields = std::vector<std::string>;

Fields Split(const std::string& line, char separator)
{
    Fields fields;
    std::stringstream stream(line);
    for (std::string field; std::getline(stream, field, separator);)
        fields.push_back(field);
    if (!line.empty() && line.back() == separator)
        fields.emplace_back();
    return fields;
}

// The lines of a file without their CR LF, each split at ";".
std::vector<Fields> CsvLines(const std::string& bytes, char separator)
{
    std::vector<Fields> lines;
    std::stringstream stream(bytes);
    for (std::string line; std::getline(stream, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(Split(line, separator));
    }
    return lines;
}

// Sets the process's time zone while it lives.
class TimeZone {
public:
    explicit TimeZone(const char* zone)
    {
        setenv("TZ", zone, 1);
        tzset();
    }
    ~TimeZone() { tzset(); }

private:
    SavedVariable saved_{"TZ"};
};

// The 2022-23 and 2023-24 Premier League seasons with Bet365's closing odds, taken in
// as an update brings them, in a program folder made by the setup; the bench runs a
// model named "inform" that passes every fixture.
class DlgTestPredictRealDataTest : public RealSeasonFixture {
protected:
    void SetUp() override
    {
        RealSeasonFixture::SetUp();
        if (IsSkipped())
            return;
        std::vector<SeasonSource> sources = {Source(SeasonFile("E0_2223.csv")), Source(SeasonFile("E0_2324.csv"))};
        for (SeasonSource& source : sources)
            source.odds = OddsChoice::Closing;
        LoadSeasons(sources);
        SetupProgramFolder(Folder(), SetupOptions{});
        WriteFile(File("Predict/inform.prd"), "30;");
        for (const char* name : {"export_predict1.csv", "export_predict3.csv"})
            WriteFile(work_.File(name), "");
    }

    static std::string SeasonFile(const char* name) { return std::string("football-data-co-uk/") + name; }

    std::vector<Fields> RunFrom(const QDate& day, int days)
    {
        TDlgTestPredict bench(nullptr, [] { return std::make_unique<ComputingModel>(); });
        bench.MonthCalendar1->setSelectedDate(day);
        bench.Edit1->setText(QString::number(days));
        bench.Button1->click();
        EXPECT_TRUE(Messages().empty());
        return CsvLines(ReadFile(work_.File("export_predict1.csv")), ';');
    }

    // The rows of the season file in the shared data from one day to another, by their
    // columns' names.
    std::vector<std::map<std::string, std::string>> CsvMatches(const char* file, const QDate& from, const QDate& to)
    {
        const std::vector<Fields> rows = CsvLines(ReadFile(shared_ + SeasonFile(file)), ',');
        std::vector<std::map<std::string, std::string>> matches;
        for (size_t r = 1; r < rows.size(); ++r) {
            const QDate date = QDate::fromString(QString::fromStdString(rows[r].at(1)), "dd/MM/yyyy");
            if (date < from || date > to)
                continue;
            auto& match = matches.emplace_back();
            for (size_t c = 0; c < rows[0].size() && c < rows[r].size(); ++c)
                match[rows[0][c]] = rows[r][c];
        }
        return matches;
    }

    std::string Points(const std::string& team)
    {
        return Value("SELECT SUM(S.Point) FROM Stats AS S INNER JOIN Team AS T ON S.TeamID = T.TeamID WHERE T.Name='" +
                     team + "' AND S.SeasonID=(SELECT MAX(SeasonID) FROM Season)");
    }

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
    const std::vector<Fields> lines = RunFrom(QDate(2023, 12, 26), 7);
    auto expected = CsvMatches("E0_2324.csv", QDate(2023, 12, 26), QDate(2024, 1, 1));
    ASSERT_EQ(lines.size(), 19u);
    ASSERT_EQ(expected.size(), 19u);

    // Line columns (1-based) beside the file's columns.
    const std::pair<int, const char*> numbers[] = {
            {15, "B365CH"}, {16, "B365CD"}, {17, "B365CA"}, {18, "B365C<2.5"}, {19, "B365C>2.5"},
            {20, "FTHG"},   {21, "FTAG"},   {22, "AHCh"},   {23, "B365CAHH"},  {24, "B365CAHA"},
    };
    double homeWinBets = 0;
    for (const Fields& line : lines) {
        ASSERT_EQ(line.size(), 28u);
        const auto match = std::find_if(expected.begin(), expected.end(), [&](const auto& row) {
            return row.at("HomeTeam") == line[2] && row.at("AwayTeam") == line[3];
        });
        ASSERT_NE(match, expected.end()) << line[2] << " - " << line[3];
        for (const auto& [column, name] : numbers)
            EXPECT_DOUBLE_EQ(StrToFloat(line[column - 1]), StrToFloat(match->at(name))) << line[2] << " " << name;
        homeWinBets += StrToInt(line[19]) > StrToInt(line[20]) ? StrToFloat(line[14]) - 1 : -1;
        expected.erase(match);
    }
    EXPECT_NEAR(homeWinBets, 9.11, 0.005);
}

TEST_F(DlgTestPredictRealDataTest, DaysAcrossTheClockChangeOfSpring2024)
{
    TimeZone london("Europe/London");
    std::map<std::string, int> perDay;
    for (const Fields& line : RunFrom(QDate(2024, 3, 30), 4))
        ++perDay[line.at(0)];
    const auto day = [](int month, int dayOfMonth) { return ShortDateToStr(EncodeDate(2024, month, dayOfMonth)); };
    EXPECT_EQ(perDay, (std::map<std::string, int>{{day(3, 30), 8}, {day(3, 31), 2}, {day(4, 2), 5}}));
}

}  // namespace
