#include "presenters/dbfixedgrid.h"

#include <gtest/gtest.h>

#include <QChart>
#include <QValueAxis>
#include <QXYSeries>

#include <algorithm>
#include <array>
#include <cmath>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "data/dbfixed.h"
#include "data/dbteam.h"
#include "foundation/jxgrid.h"
#include "foundation/jxstr.h"
#include "platform/adofield.h"
#include "platform/adoquery.h"
#include "platform/sysutils.h"
#include "sampledata/sampleids.h"
#include "samplefolderfixture.h"

void PrintTo(const MatchCounters& c, std::ostream* out)
{
    *out << "games " << c.games << " wins " << c.wins << " losses " << c.losses << " overs " << c.overs
         << " scoredIn " << c.scoredIn << " concededIn " << c.concededIn << " goals " << c.goalsFor << ":"
         << c.goalsAgainst << " wonBy2 " << c.wonBy2 << " notLostBy2 " << c.notLostBy2;
}

namespace {

// Result colours by code: win, draw, loss, decided after extra time.
constexpr std::array<TColor, 4> ResultColors = {0xF44F41, 0x11AA11, 0x1C17F1, 0xF44FF4};
constexpr int NoSuchTeam = 999999;
// Main-list grid columns.
constexpr int DateCol = 0, ChampCol = 1, Team1Col = 2, ScoreCol = 3, Team2Col = 4, IconCol = 6, Kef1Col = 7;

const int RussianLeague = SampleIds::League(SampleIds::Russia);
// A real second-tier name, longer than any cut.
const std::string LongCyrillicName = "Первенство Футбольной Национальной Лиги";

struct Match {
    int team1ID;
    int team2ID;
    int gol1;
    int gol2;
    bool aet;
    double kef1;
};

// A match seen from one of its teams, with the result code the lists show for it.
struct TeamSide {
    bool home;
    int own;
    int rival;
    int result;

    TeamSide(const Match& m, int team)
        : home(m.team1ID == team), own(home ? m.gol1 : m.gol2), rival(home ? m.gol2 : m.gol1),
          result(own == rival ? 1 : m.aet ? 3 : own > rival ? 0 : 2)
    {
    }
};

// Goals and counts of one match from one side, the way the summary counts them.
void Count(MatchCounters& counters, int own, int rival)
{
    ++counters.games;
    counters.overs += own + rival > 2;
    counters.goalsFor += own;
    counters.goalsAgainst += rival;
    counters.scoredIn += own > 0;
    counters.concededIn += rival > 0;
    counters.wonBy2 += own - rival >= 2;
    counters.notLostBy2 += rival - own <= 1;
}

class DBFixedGridTest : public SampleFolderFixture {
protected:
    // The open query's rows, read straight from its columns.
    std::vector<Match> Matches()
    {
        std::vector<Match> matches;
        TADOQuery* query = fixed.GetQuery();
        for (query->First(); !query->Eof(); query->Next())
            matches.push_back({query->FieldByName("Team1ID")->AsInteger(), query->FieldByName("Team2ID")->AsInteger(),
                               query->FieldByName("Gol1")->AsInteger(), query->FieldByName("Gol2")->AsInteger(),
                               query->FieldByName("AET")->AsBoolean(), query->FieldByName("Kef1")->AsFloat()});
        return matches;
    }

    static std::string TeamName(int teamID) { return Value("SELECT Name FROM Team WHERE TeamID=" + IntToStr(teamID)); }

    // A club of the country that played the international tournament and has a match
    // decided after extra time.
    static int TeamWithEverything(const std::string& country)
    {
        return StrToInt(Value("SELECT TOP 1 T.TeamID FROM Team AS T WHERE T.NationalID='" + country +
                              "' AND T.TeamID IN (SELECT Team1ID FROM Fixed WHERE ChampID=" +
                              IntToStr(SampleIds::EuroCup) +
                              ") AND (T.TeamID IN (SELECT Team1ID FROM Fixed WHERE AET=True) OR T.TeamID IN "
                              "(SELECT Team2ID FROM Fixed WHERE AET=True)) ORDER BY T.TeamID"));
    }

    // The different texts of a column's data rows.
    std::set<std::string> Names(int col = ChampCol)
    {
        std::set<std::string> texts;
        for (int row = 1; row < grid.RowCount(); ++row)
            texts.insert(grid.Cell(row, col));
        return texts;
    }

    TJXGrid grid;
    DBFixedGrid presenter{&grid};
    DBFixed& fixed = *presenter.Fixed();
};

TEST_F(DBFixedGridTest, ColumnsCarryTheLanguagesHeadersAndFillTheWidth)
{
    ASSERT_EQ(Lang(1022), "Дата") << "the language is loaded";
    grid.resize(799, 300);
    presenter.SetupColumns(true);
    const std::vector<std::string> headers = {Lang(1022), Lang(1023), Lang(1024), Lang(1025), Lang(1026),
                                              Lang(1027), "",         Lang(1028), Lang(1029), Lang(1030)};
    ASSERT_EQ(grid.ColCount(), static_cast<int>(headers.size()));
    int width = 0;
    for (int col = 0; col < grid.ColCount(); ++col) {
        EXPECT_EQ(grid.Cell(0, col), headers[col]) << col;
        EXPECT_EQ(grid.GetColsProperty(col).IsImage, col == IconCol) << col;
        width += grid.ColWidth(col);
    }
    EXPECT_EQ(width, grid.viewport()->width());

    presenter.SetupColumns(false);
    EXPECT_EQ(grid.ColCount(), 7);
    presenter.SetupLastSmallColumns();
    ASSERT_EQ(grid.ColCount(), 5);
    EXPECT_EQ(grid.Cell(0, 2), Lang(1066));
    presenter.SetupCalendarColumns();
    ASSERT_EQ(grid.ColCount(), 5);
    EXPECT_EQ(grid.Cell(0, 4), Lang(1027));
}

TEST_F(DBFixedGridTest, EmptyResultLeavesHeaderAndOneEmptyRow)
{
    presenter.SetupColumns(true);
    ASSERT_TRUE(fixed.OpenLastByTeam(SampleIds::FirstTeam(SampleIds::England), 30, "", 0));
    presenter.FillFixed();
    ASSERT_EQ(grid.RowCount(), 31);
    ASSERT_NE(presenter.Counters(), MatchCounters());

    ASSERT_TRUE(fixed.OpenLastByTeam(NoSuchTeam, 30, "", 0));
    for (bool odds : {false, true}) {
        if (odds)
            presenter.FillFixedOdds(true);
        else
            presenter.FillFixed();
        EXPECT_EQ(grid.RowCount(), 2);
        EXPECT_EQ(presenter.Counters(), MatchCounters());
        EXPECT_EQ(grid.Cell(0, DateCol), Lang(1022));
        for (int col = 0; col < grid.ColCount(); ++col) {
            EXPECT_EQ(grid.Cell(1, col), "") << col;
            EXPECT_FALSE(grid.GetCellsProperty(1, col).Bold) << col;
        }
    }
}

TEST_F(DBFixedGridTest, TeamViewMarksTheTeamColoursTheScoreAndCountsFromTheTeamsSide)
{
    const int team = TeamWithEverything("ENG");
    const std::string name = TeamName(team);
    ASSERT_TRUE(fixed.OpenSeriesByTeam(team, 0, "", 0));
    presenter.SetupColumns(true);
    presenter.FillFixed();

    const std::vector<Match> matches = Matches();
    ASSERT_EQ(grid.RowCount(), static_cast<int>(matches.size()) + 1);
    std::set<int> results;
    MatchCounters expected;
    for (int row = 1; row < grid.RowCount(); ++row) {
        const Match& m = matches[row - 1];
        const auto [home, own, rival, result] = TeamSide(m, team);
        results.insert(result);
        // Draws and matches decided after extra time count in neither.
        expected.wins += result == 0;
        expected.losses += result == 2;
        Count(expected, own, rival);
        SCOPED_TRACE("row " + IntToStr(row));
        EXPECT_EQ(grid.Cell(row, home ? Team1Col : Team2Col), name);
        EXPECT_TRUE(grid.GetCellsProperty(row, home ? Team1Col : Team2Col).Bold);
        EXPECT_FALSE(grid.GetCellsProperty(row, home ? Team2Col : Team1Col).Bold);
        EXPECT_EQ(grid.Cell(row, ScoreCol), IntToStr(m.gol1) + ":" + IntToStr(m.gol2));
        EXPECT_TRUE(grid.GetCellsProperty(row, ScoreCol).Bold);
        EXPECT_EQ(grid.GetCellsProperty(row, ScoreCol).FontColor, ResultColors[result]);
        EXPECT_EQ(grid.Cell(row, IconCol), IntToStr(result));
        EXPECT_FALSE(grid.GetCellsProperty(row, DateCol).Bold);
    }
    EXPECT_EQ(results, (std::set<int>{0, 1, 2, 3}));
    EXPECT_EQ(presenter.Counters(), expected);
}

TEST_F(DBFixedGridTest, TournamentListTellsResultsFromTheHomeSideAndCutsNamesByCharacters)
{
    Exec("UPDATE Champ SET Name='" + LongCyrillicName + "' WHERE ChampID=" + IntToStr(RussianLeague));
    ASSERT_TRUE(fixed.OpenSeriesByTeam(TeamWithEverything("RUS"), 0, "", 0));
    presenter.SetupColumns(true);
    presenter.FillFixedOdds(false);

    const std::vector<Match> matches = Matches();
    ASSERT_EQ(grid.RowCount(), static_cast<int>(matches.size()) + 1);
    MatchCounters expected;
    int extraTime = 0;
    for (int row = 1; row < grid.RowCount(); ++row) {
        const Match& m = matches[row - 1];
        // An extra-time match counts and shows as level, with its own score colour.
        const int outcome = m.aet || m.gol1 == m.gol2 ? 0 : m.gol1 > m.gol2 ? -1 : 1;
        expected.wins += outcome == -1;
        expected.losses += outcome == 1;
        Count(expected, m.gol1, m.gol2);
        extraTime += m.aet;
        SCOPED_TRACE("row " + IntToStr(row));
        EXPECT_EQ(grid.Cell(row, IconCol), IntToStr(outcome + 1));
        EXPECT_EQ(grid.GetCellsProperty(row, ScoreCol).FontColor, ResultColors[m.aet ? 3 : outcome + 1]);
        EXPECT_TRUE(grid.GetCellsProperty(row, ScoreCol).Bold);
        EXPECT_EQ(grid.GetCellsProperty(row, Team1Col).Bold, outcome == -1);
        EXPECT_EQ(grid.GetCellsProperty(row, Team2Col).Bold, outcome == 1);
        EXPECT_EQ(grid.Cell(row, Kef1Col), FloatToStr(std::max(1.0, m.kef1)));
    }
    EXPECT_GT(extraTime, 0);
    EXPECT_EQ(presenter.Counters(), expected);

    EXPECT_EQ(Names(), (std::set<std::string>{LongCyrillicName, "Кубок", "Champions Cup"}));
    presenter.FillFixedOdds(true);
    EXPECT_EQ(Names(), (std::set<std::string>{"RUS. Первенство ", "RUS. Кубок", "Champions Cup"}));
    presenter.FillFixed();
    EXPECT_EQ(Names(), (std::set<std::string>{"Первенство Футбо", "Кубок", "Champions Cup"}));
    presenter.SetupLastSmallColumns();
    presenter.FillLastSmall();
    const std::set<std::string> names = Names(4);
    EXPECT_TRUE(names.count("Первенство"));
    for (const std::string& name : names)
        EXPECT_LE(JXStr(name).Length(), 10) << name;
}

TEST_F(DBFixedGridTest, CompactListTellsEachMatchFromTheTeamsSide)
{
    const int team = SampleIds::FirstTeam(SampleIds::Russia) + 3;
    ASSERT_TRUE(fixed.OpenLastByTeam(team, 5, "", 0));
    presenter.SetupLastSmallColumns();
    presenter.FillLastSmall();

    const std::vector<Match> matches = Matches();
    ASSERT_EQ(grid.RowCount(), 6);
    std::set<std::string> marks;
    for (int row = 1; row < grid.RowCount(); ++row) {
        const Match& m = matches[row - 1];
        const auto [home, own, rival, result] = TeamSide(m, team);
        SCOPED_TRACE("row " + IntToStr(row));
        EXPECT_EQ(grid.Cell(row, 1), Lang(home ? 1067 : 1068));
        EXPECT_TRUE(grid.GetCellsProperty(row, 1).Bold);
        EXPECT_EQ(grid.Cell(row, 2), DBTeam::ShortName(TeamName(home ? m.team2ID : m.team1ID)));
        EXPECT_FALSE(grid.GetCellsProperty(row, 2).Bold);
        EXPECT_EQ(grid.Cell(row, 3), IntToStr(own) + ":" + IntToStr(rival));
        EXPECT_TRUE(grid.GetCellsProperty(row, 3).Bold);
        EXPECT_EQ(grid.GetCellsProperty(row, 3).FontColor, ResultColors[result]);
        marks.insert(grid.Cell(row, 1));
    }
    EXPECT_EQ(marks.size(), 2u) << "home and away matches";
}

TEST_F(DBFixedGridTest, CalendarShowsDateBlocksInTurnAndTheTeamInBold)
{
    const int team = SampleIds::FirstTeam(SampleIds::England);
    const std::string name = TeamName(team);
    ASSERT_TRUE(fixed.OpenCalendarByTeam(team));
    presenter.SetupCalendarColumns();
    presenter.FillCalendar(name);
    ASSERT_GT(grid.RowCount(), 2);
    for (int row = 1; row < grid.RowCount(); ++row) {
        const bool home = grid.Cell(row, 2) == name;
        EXPECT_EQ(grid.Cell(row, home ? 2 : 3), name) << row;
        EXPECT_TRUE(grid.GetCellsProperty(row, home ? 2 : 3).Bold) << row;
        EXPECT_FALSE(grid.GetCellsProperty(row, home ? 3 : 2).Bold) << row;
    }

    // A later fill replaces the marks of an earlier one.
    ASSERT_TRUE(fixed.OpenCalendarByChamp(SampleIds::League(SampleIds::England)));
    presenter.FillCalendar("");
    ASSERT_GT(grid.RowCount(), 2);
    TColor block = 0xE0EEFF;
    int blocks = 1;
    for (int row = 1; row < grid.RowCount(); ++row) {
        if (row > 1 && grid.Cell(row, 0) != grid.Cell(row - 1, 0)) {
            block = block == 0xE0EEFF ? 0xFFEEE0 : 0xE0EEFF;
            ++blocks;
        }
        for (int col = 0; col < grid.ColCount(); ++col) {
            EXPECT_EQ(grid.GetCellsProperty(row, col).Color, block) << row << "/" << col;
            EXPECT_FALSE(grid.GetCellsProperty(row, col).Bold) << row << "/" << col;
        }
    }
    EXPECT_GT(blocks, 2);
    EXPECT_EQ(grid.Cell(1, 0), DateToStr(Date())) << "the fixtures start today";
}

// The points of each mode the team card's test checks; here the list beside the chart
// and the axes around the points.
TEST_F(DBFixedGridTest, TeamChartRangesOverItsPointsAndAnEmptyListLeavesNone)
{
    ASSERT_TRUE(fixed.OpenLastByTeam(SampleIds::FirstTeam(SampleIds::England) + 1, 30, "", 0));
    presenter.SetupColumns(false);
    QChart chart;
    for (int mode = 0; mode < 4; ++mode) {
        presenter.FillTeamFixed(&chart, mode);
        ASSERT_EQ(chart.series().size(), 1);
        const auto* series = qobject_cast<QXYSeries*>(chart.series().first());
        ASSERT_EQ(series->count(), 30);
        double low = 0, high = 1;
        for (const QPointF& point : series->points()) {
            low = std::min(low, point.y());
            high = std::max(high, point.y());
        }
        const auto* x = qobject_cast<QValueAxis*>(chart.axes(Qt::Horizontal).value(0));
        const auto* y = qobject_cast<QValueAxis*>(chart.axes(Qt::Vertical).value(0));
        ASSERT_TRUE(x && y);
        EXPECT_TRUE(x->min() < 1 && x->max() > 30);
        EXPECT_TRUE(y->min() <= low && y->max() >= high) << "mode " << mode;
        // Ticks stand on whole numbers only, so their whole-number labels read true.
        for (const QValueAxis* axis : {x, y}) {
            EXPECT_EQ(axis->tickType(), QValueAxis::TicksDynamic);
            EXPECT_GE(axis->tickInterval(), 1.0);
            EXPECT_EQ(std::fmod(axis->tickInterval(), 1.0), 0.0);
            EXPECT_EQ(std::fmod(axis->tickAnchor(), axis->tickInterval()), 0.0);
        }
    }
    EXPECT_EQ(grid.RowCount(), 31);
    EXPECT_EQ(presenter.Counters().games, 30);

    // A list with no match leaves no point of the previous one.
    ASSERT_TRUE(fixed.OpenLastByTeam(NoSuchTeam, 30, "", 0));
    presenter.FillTeamFixed(&chart, 0);
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(qobject_cast<QXYSeries*>(chart.series().first())->count(), 0);
}

}  // namespace
