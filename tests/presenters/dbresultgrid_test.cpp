#include "presenters/dbresultgrid.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QChart>
#include <QPieSeries>
#include <QXYSeries>

#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "data/codes.h"
#include "data/dbseason.h"
#include "data/dbsetting.h"
#include "data/dbtable.h"
#include "foundation/jxgrid.h"
#include "platform/colors.h"
#include "platform/sysutils.h"
#include "sampledata/sampleids.h"
#include "samplefolderfixture.h"

namespace {

constexpr TColor White = 0xFFFFFF;
constexpr TColor Blue = 0xFF0000;
constexpr TColor Green = 0x008000;
constexpr TColor Red = 0x0000FF;
constexpr int NewTeam = 999999;
const int EnglishTeam = SampleIds::FirstTeam(SampleIds::England);
// Country indexes of the sample: an 18-team league and another one.
constexpr int Spain = 1;
constexpr int Germany = 2;

class DBResultGridTest : public SampleFolderFixture {
protected:
    DBResultGridTest()
    {
        Exec("INSERT INTO Team VALUES(" + IntToStr(NewTeam) + ", 'New Town', 'ENG')");
        grid.resize(700, 7 * 18 + 4);
        presenter.SetupLastColumns();
    }

    // The settings file outlives the test; the lines go back to what they were.
    ~DBResultGridTest() override
    {
        DBSetting::Global()->WriteInteger("TourTotal", tourTotal);
        DBSetting::Global()->WriteInteger("TourHandicap", tourHandicap);
    }

    static std::string Lang(int id) { return DBSetting::Global()->GetLangText(id); }

    // Results of a team the sample does not know, one a day from the oldest: own:rival.
    static void AddResults(const std::vector<std::pair<int, int>>& results)
    {
        Exec("DELETE FROM TeamResults WHERE TeamID=" + IntToStr(NewTeam));
        for (size_t i = 0; i < results.size(); ++i)
            Exec("INSERT INTO TeamResults(Date,TeamID,Field,Gol1,Gol2) VALUES(#01/01/2020# + " + IntToStr(i) + ", " +
                 IntToStr(NewTeam) + ", 1, " + IntToStr(results[i].first) + ", " + IntToStr(results[i].second) + ")");
    }

    // The slices of a chart's pie as "label value" texts.
    static std::vector<std::string> Slices(QChart& chart)
    {
        std::vector<std::string> slices;
        for (QPieSlice* slice : qobject_cast<QPieSeries*>(chart.series().at(0))->slices())
            slices.push_back(slice->label().toStdString() + " " + std::to_string(static_cast<int>(slice->value())));
        return slices;
    }

    static std::vector<QColor> SliceColors(QChart& chart)
    {
        std::vector<QColor> colors;
        for (QPieSlice* slice : qobject_cast<QPieSeries*>(chart.series().at(0))->slices())
            colors.push_back(slice->color());
        return colors;
    }

    // The marks of a strip row, columns 1 to 30, "." for a blank white cell.
    std::string MarkRow(int row)
    {
        std::string marks;
        for (int col = 1; col <= 30; ++col) {
            const bool blank = grid.Cell(row, col).empty() && grid.GetCellsProperty(row, col).Color == White;
            marks += blank ? "." : grid.Cell(row, col);
        }
        return marks;
    }

    const int tourTotal = DBSetting::Global()->ReadInteger("TourTotal");
    const int tourHandicap = DBSetting::Global()->ReadInteger("TourHandicap");
    TJXGrid grid;
    DBResultGrid presenter{&grid};
};

TEST_F(DBResultGridTest, StripTitlesCarryTheSettingsLines)
{
    DBSetting::Global()->WriteInteger("TourTotal", 1);
    DBSetting::Global()->WriteInteger("TourHandicap", 0);
    presenter.SetupLastColumns();
    ASSERT_EQ(grid.ColCount(), 31);
    ASSERT_EQ(grid.RowCount(), 7);
    const std::string total = Lang(1107);
    const std::vector<std::string> titles = {Lang(1235),           Lang(1032), total + " 2.5", total + " 1(1.5)",
                                             total + " 2(1.5)", "-0.5",     "+0.5"};
    for (int row = 0; row < 7; ++row) {
        EXPECT_EQ(grid.Cell(row, 0), titles[row]);
        EXPECT_EQ(grid.GetCellsProperty(row, 0).Bold, row > 0) << row;
    }
    EXPECT_EQ(grid.Cell(0, 1), "1");
    EXPECT_EQ(grid.Cell(0, 30), "30");
    EXPECT_EQ(grid.GetColsProperty(30).Width, "20");
}

TEST_F(DBResultGridTest, StripWritesTheOldestResultLeftAndStaysWholeAfterAnEmptySet)
{
    DBSetting::Global()->WriteInteger("TourTotal", 1);
    DBSetting::Global()->WriteInteger("TourHandicap", 1);
    // Oldest first; the strip shows the last 12.
    AddResults({{5, 5}, {3, 1}, {1, 1}, {0, 1}, {2, 0}, {0, 0}, {4, 1}, {1, 2}, {2, 2}, {0, 3}, {1, 0}, {3, 2},
                {2, 1}});
    ASSERT_TRUE(presenter.Data->OpenLast(30, NewTeam + 1, "", "", FieldCode::Both));
    presenter.FillLast(nullptr, nullptr);
    EXPECT_EQ(grid.RowCount(), 7) << "an empty set keeps the strip's rows";
    for (int row = 1; row < 7; ++row)
        EXPECT_EQ(MarkRow(row), std::string(30, '.')) << row;

    ASSERT_TRUE(presenter.Data->OpenLast(12, NewTeam, "", "", FieldCode::Both));
    presenter.FillLast(nullptr, nullptr);
    const std::string blank(18, '.');
    EXPECT_EQ(MarkRow(1), "+=-+=+-=-+++" + blank);
    EXPECT_EQ(MarkRow(2), "><<<<>>>><>>" + blank);
    EXPECT_EQ(MarkRow(3), "><<><><><<>>" + blank);
    EXPECT_EQ(MarkRow(4), "<<<<<<>>><><" + blank);
    EXPECT_EQ(MarkRow(5), "+--+-+------" + blank);
    EXPECT_EQ(MarkRow(6), "++++++++-+++" + blank);
    // Colours by verdict: a rival's goal over the line is bad, under it good.
    EXPECT_EQ(grid.GetCellsProperty(1, 1).Color, Blue);
    EXPECT_EQ(grid.GetCellsProperty(1, 2).Color, Green);
    EXPECT_EQ(grid.GetCellsProperty(1, 3).Color, Red);
    EXPECT_EQ(grid.GetCellsProperty(4, 1).Color, Blue);
    EXPECT_EQ(grid.GetCellsProperty(4, 7).Color, Red);
}

TEST_F(DBResultGridTest, MarksAreDrawnInTheirColours)
{
    AddResults({{2, 0}, {1, 1}, {0, 1}});
    ASSERT_TRUE(presenter.Data->OpenLast(30, NewTeam, "", "", FieldCode::Both));
    presenter.FillLast(nullptr, nullptr);
    grid.show();
    QApplication::processEvents();
    const QImage image = grid.viewport()->grab().toImage();
    // Blue 0xFF0000, green 0x008000 and red 0x0000FF are BGR values.
    const std::pair<int, QColor> marks[] = {{1, QColor(0, 0, 255)}, {2, QColor(0, 128, 0)}, {3, QColor(255, 0, 0)}};
    for (const auto& [col, color] : marks) {
        const QRect cell = grid.CellRect(1, col);
        ASSERT_FALSE(cell.isEmpty());
        EXPECT_EQ(image.pixelColor(cell.left() + 1, cell.bottom() - 1), color) << col;
    }
}

TEST_F(DBResultGridTest, PiesShowWholePercentsOfTheStripsResultsAndTotals)
{
    QChart results, totals;
    AddResults({{1, 0}, {2, 1}, {3, 0}, {4, 4}, {1, 1}, {0, 0}, {0, 1}, {1, 3}, {0, 5}, {2, 0}});
    ASSERT_TRUE(presenter.Data->OpenLast(30, NewTeam, "", "", FieldCode::Both));
    presenter.FillLast(&results, &totals);
    const std::string over = Lang(1136) + " (2.5)", under = Lang(1137) + " (2.5)";
    EXPECT_EQ(Slices(results), (std::vector<std::string>{Lang(1095) + " 40", Lang(1096) + " 30", Lang(1097) + " 30"}));
    EXPECT_EQ(SliceColors(results), (std::vector<QColor>{ToQColor(Blue), ToQColor(Green), ToQColor(Red)}));
    EXPECT_EQ(Slices(totals), (std::vector<std::string>{over + " 50", under + " 50"}));
    EXPECT_EQ(SliceColors(totals), (std::vector<QColor>{ToQColor(Blue), ToQColor(Red)}));

    AddResults({{1, 0}, {1, 1}, {2, 2}, {0, 1}, {0, 2}, {1, 2}, {0, 3}});
    ASSERT_TRUE(presenter.Data->OpenLast(30, NewTeam, "", "", FieldCode::Both));
    presenter.FillLast(&results, nullptr);
    EXPECT_EQ(Slices(results).back(), Lang(1097) + " 30") << "without both charts no pie is touched";
    presenter.FillLast(&results, &totals);
    EXPECT_EQ(Slices(results), (std::vector<std::string>{Lang(1095) + " 14", Lang(1096) + " 28", Lang(1097) + " 57"}));
    EXPECT_EQ(Slices(totals), (std::vector<std::string>{over + " 42", under + " 58"}));

    ASSERT_TRUE(presenter.Data->OpenLast(30, NewTeam + 1, "", "", FieldCode::Both));
    presenter.FillLast(&results, &totals);
    EXPECT_TRUE(Slices(results).empty());
    EXPECT_TRUE(Slices(totals).empty());
}

TEST_F(DBResultGridTest, RatingChartStartsBothSeasonsAt1000)
{
    QChart chart;
    DBResultGrid::LoadEloChart(&chart, EnglishTeam);
    ASSERT_EQ(chart.series().size(), 2);
    for (int index = 0; index < 2; ++index) {
        const auto* series = qobject_cast<QXYSeries*>(chart.series().at(index));
        ASSERT_NE(series, nullptr);
        EXPECT_EQ(series->points(), QList<QPointF>{QPointF(0, 1000)}) << "no ratings yet";
    }

    // Ratings of the team's matches in its last season, in date order.
    const int season = DBSeason::GetLastSeasonOfTeam(EnglishTeam);
    const Rows matches = Select("SELECT FixedIND, Team1ID FROM Fixed WHERE SeasonID=" + IntToStr(season) +
                                " AND (Team1ID=" + IntToStr(EnglishTeam) + " OR Team2ID=" + IntToStr(EnglishTeam) +
                                ") ORDER BY Date");
    ASSERT_GT(matches.size(), 5u);
    QList<QPointF> expected = {QPointF(0, 1000)};
    for (size_t i = 0; i < matches.size(); ++i) {
        const int own = 1010 + static_cast<int>(i), rival = 900 - static_cast<int>(i);
        const bool home = matches[i][1] == IntToStr(EnglishTeam);
        Exec("INSERT INTO EloFixed(FixedIND, NewRang1, NewRang2) VALUES(" + matches[i][0] + ", " +
             IntToStr(home ? own : rival) + ".4, " + IntToStr(home ? rival : own) + ".4)");
        expected.append(QPointF(static_cast<double>(i + 1), own));
    }
    DBResultGrid::LoadEloChart(&chart, EnglishTeam);
    ASSERT_EQ(chart.series().size(), 2);
    EXPECT_EQ(qobject_cast<QXYSeries*>(chart.series().at(0))->points(), expected);
    EXPECT_EQ(qobject_cast<QXYSeries*>(chart.series().at(1))->count(), 1);
    EXPECT_EQ(chart.axes(Qt::Vertical).size(), 1) << "both curves share the axes";
}

// A tournament of three new teams in the sample's last season: standings Beta, Alpha,
// Gamma; results of kind 1 repeat win 2:0, draw 1:1, loss 0:1 from each team's oldest.
class DBResultGridChampTest : public DBResultGridTest {
protected:
    static constexpr int Champ = 900;
    static constexpr int Alpha = 900001, Beta = 900002, Gamma = 900003;

    DBResultGridChampTest()
    {
        Exec("INSERT INTO Champ VALUES(900, 'Test League', 'ENG', 1, False, 'zz', 1)");
        const int season = DBSeason::GetMaxSeasonID();
        for (const auto& [team, name, points] : {std::tuple(Alpha, "Alpha", 20), std::tuple(Beta, "Beta", 30),
                                                 std::tuple(Gamma, "Gamma", 10)}) {
            Exec("INSERT INTO Team VALUES(" + IntToStr(team) + ", '" + name + "', 'ENG')");
            Exec("INSERT INTO Stats(ChampID,SeasonID,TeamID,RoundID,Field,Game,Point) VALUES(900, " +
                 IntToStr(season) + ", " + IntToStr(team) + ", 1, 1, 1, " + IntToStr(points) + ")");
        }
        grid.resize(1050, 200);
        presenter.SetupChampColumns();
    }

    static void PlayResults(int team, int count)
    {
        Exec("DELETE FROM TeamResults WHERE TeamID=" + IntToStr(team));
        const char* scores[] = {"2, 0", "1, 1", "0, 1"};
        for (int i = 0; i < count; ++i)
            Exec("INSERT INTO TeamResults(Date,TeamID,Field,ChampID,SeasonID,RivalID,Gol1,Gol2) VALUES(#01/01/2026# + " +
                 IntToStr(i) + ", " + IntToStr(team) + ", 1, 900, " + IntToStr(DBSeason::GetMaxSeasonID()) + ", " +
                 IntToStr(Gamma) + ", " + scores[i % 3] + ")");
    }

    // The first and last visible result columns.
    std::pair<int, int> VisibleColumns()
    {
        int first = 0, last = 0;
        for (int col = 1; col <= 40; ++col)
            if (grid.ColWidth(col) > 0) {
                EXPECT_EQ(grid.ColWidth(col), 21) << col;
                first = first ? first : col;
                last = col;
            }
        return {first, last};
    }

    // The marks of a row's result columns, up to the last non-blank one.
    std::string Marks(int row)
    {
        std::string marks;
        for (int col = 1; col <= 40; ++col)
            marks += grid.Cell(row, col).empty() ? "." : grid.Cell(row, col);
        return marks.substr(0, marks.find_last_not_of('.') + 1);
    }
};

TEST_F(DBResultGridChampTest, MarkTableFollowsTheStandingsAndShowsTheLongestListsNewestTwenty)
{
    ASSERT_EQ(grid.ColCount(), 41);
    EXPECT_EQ(grid.Cell(0, 0), Lang(1141));
    EXPECT_FALSE(grid.GetCellsProperty(0, 0).Bold);
    EXPECT_EQ(grid.GetColsProperty(0).Align, 0);
    EXPECT_EQ(grid.Cell(0, 40), "40");

    PlayResults(Alpha, 26);
    PlayResults(Beta, 12);
    PlayResults(Gamma, 5);
    presenter.FillChamp(Champ, FieldCode::Both, MarkKind::Result);
    ASSERT_EQ(grid.RowCount(), 4);
    EXPECT_EQ(grid.Cell(1, 0) + " " + grid.Cell(2, 0) + " " + grid.Cell(3, 0), "Beta Alpha Gamma");
    EXPECT_TRUE(grid.GetCellsProperty(2, 0).Bold);
    EXPECT_EQ(Marks(1), "+=-+=-+=-+=-");
    EXPECT_EQ(Marks(2), "+=-+=-+=-+=-+=-+=-+=-+=-+=");
    EXPECT_EQ(Marks(3), "+=-+=");
    EXPECT_EQ(grid.GetCellsProperty(3, 5).Color, Green);
    EXPECT_EQ(grid.GetCellsProperty(3, 6).Color, White);
    EXPECT_EQ(VisibleColumns(), std::pair(7, 26));

    PlayResults(Alpha, 12);
    presenter.FillChamp(Champ, FieldCode::Both, MarkKind::Total);
    EXPECT_EQ(VisibleColumns(), std::pair(1, 20));
    EXPECT_EQ(Marks(2), "<<<<<<<<<<<<") << "the longer list of the earlier fill is gone";

    PlayResults(Alpha, 45);
    presenter.FillChamp(Champ, FieldCode::Both, MarkKind::Result);
    EXPECT_EQ(Marks(2).size(), 40u) << "no result beyond the 40 columns";
    EXPECT_EQ(VisibleColumns(), std::pair(21, 40));

    presenter.FillChamp(Champ + 1, FieldCode::Both, MarkKind::Result);
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(grid.Cell(1, 0), "");
    EXPECT_EQ(VisibleColumns(), std::pair(1, 20));
}

TEST_F(DBResultGridTest, CrossTableShowsEachHomeScoreUnderTheRivalsNumber)
{
    const int champ = SampleIds::League(Germany);
    // The season under way depends on today's date: the complete one before it is the last here.
    Exec("DELETE FROM Stats WHERE ChampID=" + IntToStr(champ) + " AND SeasonID=" +
         IntToStr(DBSeason::GetMaxSeasonID()));
    const int season = DBSeason::GetLastSeasonOfChamp(champ);
    DBTable standings;
    ASSERT_TRUE(standings.SelectTableFull(champ, season, FieldCode::Both));
    std::map<std::string, int> position;  // TeamID -> position
    std::vector<std::string> names;
    for (standings.GetQuery()->First(); !standings.GetQuery()->Eof(); standings.GetQuery()->Next()) {
        names.push_back(standings.GetTeam());
        position[IntToStr(standings.GetTeamID())] = static_cast<int>(names.size());
    }
    ASSERT_EQ(names.size(), 18u);
    // A league match of one of its teams in another tournament of the season.
    const std::string team = IntToStr(standings.GetTeamID());
    Exec("INSERT INTO TeamResults(Date,TeamID,Field,ChampID,SeasonID,RivalID,Gol1,Gol2) VALUES(#01/01/2026#, " +
         team + ", 1, " + IntToStr(SampleIds::League(Spain)) + ", " + IntToStr(season) + ", " +
         IntToStr(SampleIds::FirstTeam(Spain)) + ", 9, 9)");

    grid.resize(1050, 400);
    presenter.FillCross(champ);
    ASSERT_EQ(grid.ColCount(), 20);
    ASSERT_EQ(grid.RowCount(), 19);
    EXPECT_EQ(grid.Cell(0, 0), Lang(1257));
    EXPECT_EQ(grid.Cell(0, 1), Lang(1141));
    for (int p = 1; p <= 18; ++p) {
        SCOPED_TRACE("position " + std::to_string(p));
        EXPECT_EQ(grid.Cell(p, 0), IntToStr(p));
        EXPECT_EQ(grid.Cell(p, 1), names[p - 1]);
        EXPECT_EQ(grid.Cell(0, p + 1), IntToStr(p));
        EXPECT_EQ(grid.GetColsProperty(p + 1).Width, "50");
        EXPECT_EQ(grid.ColWidth(p + 1), 50);
        EXPECT_EQ(grid.GetCellsProperty(p, p + 1).Color, 0x000000u) << "the team against itself";
    }

    const Rows matches = Select("SELECT Team1ID, Team2ID, Gol1, Gol2 FROM Fixed WHERE ChampID=" + IntToStr(champ) +
                                " AND SeasonID=" + IntToStr(season));
    ASSERT_EQ(matches.size(), 18u * 17u) << "one meeting at each ground";
    int draws = 0;
    for (const auto& m : matches) {
        const int row = position.at(m[0]), col = position.at(m[1]) + 1;
        const int gol1 = std::stoi(m[2]), gol2 = std::stoi(m[3]);
        SCOPED_TRACE(m[0] + "-" + m[1]);
        EXPECT_EQ(grid.Cell(row, col), m[2] + ":" + m[3]);
        EXPECT_EQ(grid.GetCellsProperty(row, col).FontColor, gol1 > gol2 ? Blue : gol1 == gol2 ? Green : Red);
        EXPECT_TRUE(grid.GetCellsProperty(row, col).Bold);
        draws += gol1 == gol2;
    }
    EXPECT_GT(draws, 0);
    int scores = 0;
    for (int row = 1; row <= 18; ++row)
        for (int col = 2; col < 20; ++col)
            scores += !grid.Cell(row, col).empty();
    EXPECT_EQ(scores, static_cast<int>(matches.size())) << "no other cell holds a score";

    presenter.FillCross(999);
    EXPECT_EQ(grid.ColCount(), 2);
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(grid.Cell(1, 0) + grid.Cell(1, 1), "");
}

}  // namespace
