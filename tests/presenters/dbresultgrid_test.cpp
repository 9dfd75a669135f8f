#include "presenters/dbresultgrid.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QChart>
#include <QPieSeries>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "data/codes.h"
#include "data/dbseason.h"
#include "data/dbsetting.h"
#include "data/dbtable.h"
#include "foundation/jxgrid.h"
#include "platform/sysutils.h"
#include "sampledata/sampleids.h"
#include "samplefolderfixture.h"

namespace {

constexpr int NewTeam = 999999;
// Country indexes of the sample: an 18-team league and another one.
constexpr int Spain = 1;
constexpr int Germany = 2;

// A row's marks and their tones.
using MarkRow = std::pair<std::string, std::string>;

// Colours as letters: B blue 0xFF0000, G green 0x008000, R red 0x0000FF, . white.
char Tone(TColor color)
{
    switch (color) {
    case 0xFF0000: return 'B';
    case 0x008000: return 'G';
    case 0x0000FF: return 'R';
    case 0xFFFFFF: return '.';
    default: return '?';
    }
}

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

    // Results of a team the sample does not know, one a day from the oldest: own:rival.
    static void AddResults(const std::vector<std::pair<int, int>>& results, int team = NewTeam)
    {
        Exec("DELETE FROM TeamResults WHERE TeamID=" + IntToStr(team));
        for (size_t i = 0; i < results.size(); ++i)
            Exec("INSERT INTO TeamResults(Date,TeamID,Field,ChampID,SeasonID,RivalID,Gol1,Gol2) VALUES(#01/01/2026# "
                 "+ " + IntToStr(i) + ", " + IntToStr(team) + ", 1, 900, " + IntToStr(DBSeason::GetMaxSeasonID()) +
                 ", 0, " + IntToStr(results[i].first) + ", " + IntToStr(results[i].second) + ")");
    }

    void FillLastOf(int team, QChart* results = nullptr, QChart* totals = nullptr)
    {
        ASSERT_TRUE(presenter.Data->OpenLast(30, team, "", "", FieldCode::Both));
        presenter.FillLast(results, totals);
    }

    // A row's mark texts and their background tones from column 1, "." for blanks,
    // up to the last mark.
    MarkRow Marks(int row)
    {
        std::string marks, tones;
        for (int col = 1; col < grid.ColCount(); ++col) {
            marks += grid.Cell(row, col).empty() ? "." : grid.Cell(row, col);
            tones += Tone(grid.GetCellsProperty(row, col).Color);
        }
        const size_t end = marks.find_last_not_of('.') + 1;
        return {marks.substr(0, end), tones.substr(0, tones.find_last_not_of('.') + 1)};
    }

    // The slices of a chart's pie as "label value" with their tones.
    static std::vector<std::string> Slices(QChart& chart)
    {
        std::vector<std::string> slices;
        for (QPieSlice* slice : qobject_cast<QPieSeries*>(chart.series().at(0))->slices()) {
            const QColor c = slice->color();
            slices.push_back(slice->label().toStdString() + " " + std::to_string(static_cast<int>(slice->value())) +
                             " " + Tone(static_cast<TColor>(c.red() | c.green() << 8 | c.blue() << 16)));
        }
        return slices;
    }

    // The slices of a chart's pie whose labels are shown, as "label value".
    static std::vector<std::string> LabelledSlices(QChart& chart)
    {
        std::vector<std::string> labelled;
        for (QPieSlice* slice : qobject_cast<QPieSeries*>(chart.series().at(0))->slices())
            if (slice->isLabelVisible())
                labelled.push_back(slice->label().toStdString() + " " + std::to_string(int(slice->value())));
        return labelled;
    }

    const int tourTotal = DBSetting::Global()->ReadInteger("TourTotal");
    const int tourHandicap = DBSetting::Global()->ReadInteger("TourHandicap");
    TJXGrid grid;
    DBResultGrid presenter{&grid};
};

TEST_F(DBResultGridTest, StripWritesTheOldestResultLeftAndStaysWholeAfterAnEmptySet)
{
    DBSetting::Global()->WriteInteger("TourTotal", 1);
    DBSetting::Global()->WriteInteger("TourHandicap", 1);
    presenter.SetupLastColumns();
    ASSERT_EQ(grid.ColCount(), 31);
    const std::string total = Lang(1107);
    const std::vector<std::string> titles = {Lang(1235),        Lang(1032), total + " 2.5", total + " 1(1.5)",
                                             total + " 2(1.5)", "-1.5",     "+1.5"};
    for (int row = 0; row < 7; ++row) {
        EXPECT_EQ(grid.Cell(row, 0), titles[row]);
        EXPECT_EQ(grid.GetCellsProperty(row, 0).Bold, row > 0) << row;
    }
    EXPECT_EQ(grid.Cell(0, 30), "30");

    FillLastOf(NewTeam);
    EXPECT_EQ(grid.RowCount(), 7) << "an empty set keeps the strip's rows";
    // Oldest first; the strip shows the last 12.
    AddResults({{3, 1}, {1, 1}, {0, 1}, {2, 0}, {0, 0}, {4, 1}, {1, 2}, {2, 2}, {0, 3}, {1, 0}, {3, 2}, {2, 1}});
    FillLastOf(NewTeam);
    // Kind by kind: result, total 2.5, own and rival goals over 1.5, handicaps -1.5 and +1.5.
    const std::vector<MarkRow> rows = {
            {"+=-+=+-=-+++", "BGRBGBRGRBBB"}, {"><<<<>>>><>>", "BRRRRBBBBRBB"}, {"><<><><><<>>", "BRRBRBRBRRBB"},
            {"<<<<<<>>><><", "BBBBBBRRRBRB"}, {"+--+-+------", "BRRBRBRRRRRR"}, {"++++++++-+++", "BBBBBBBBRBBB"}};
    for (int row = 1; row <= 6; ++row)
        EXPECT_EQ(Marks(row), rows[row - 1]) << "kind " << row;

    // Other lines for goals and handicap: each kind reads its own.
    DBSetting::Global()->WriteInteger("TourTotal", 2);
    DBSetting::Global()->WriteInteger("TourHandicap", 0);
    presenter.SetupLastColumns();
    FillLastOf(NewTeam);
    const std::vector<std::pair<std::string, std::string>> lines = {
            {total + " 1(2.5)", "><<<<><<<<><"}, {total + " 2(2.5)", "<<<<<<<<><<<"},
            {"-0.5", "+--+-+---+++"}, {"+0.5", "++-+++-+-+++"}};
    for (int row = 3; row <= 6; ++row)
        EXPECT_EQ(std::pair(grid.Cell(row, 0), Marks(row).first), lines[row - 3]) << "kind " << row;

    FillLastOf(NewTeam + 1);
    for (int row = 1; row <= 6; ++row)
        EXPECT_EQ(Marks(row), MarkRow()) << "kind " << row;
}

TEST_F(DBResultGridTest, MarksAreDrawnInTheirColours)
{
    AddResults({{2, 0}, {1, 1}, {0, 1}});
    FillLastOf(NewTeam);
    grid.show();
    QApplication::processEvents();
    const QImage image = grid.viewport()->grab().toImage();
    // 0xFF0000, 0x008000 and 0x0000FF are BGR values: blue, green, red.
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
    const std::string win = Lang(1095), draw = Lang(1096), loss = Lang(1097);
    const std::string over = Lang(1136) + " (2.5)", under = Lang(1137) + " (2.5)";
    AddResults({{1, 0}, {2, 1}, {3, 0}, {4, 4}, {1, 1}, {0, 0}, {0, 1}, {1, 3}, {0, 5}, {2, 0}});
    FillLastOf(NewTeam, &results, &totals);
    EXPECT_EQ(Slices(results), (std::vector<std::string>{win + " 40 B", draw + " 30 G", loss + " 30 R"}));
    EXPECT_EQ(Slices(totals), (std::vector<std::string>{over + " 50 B", under + " 50 R"}));

    AddResults({{1, 0}, {1, 1}, {2, 2}, {0, 1}, {0, 2}, {1, 2}, {0, 3}});
    FillLastOf(NewTeam, &results);
    EXPECT_EQ(Slices(results).back(), loss + " 30 R") << "without both charts no pie is touched";
    FillLastOf(NewTeam, &results, &totals);
    EXPECT_EQ(Slices(results), (std::vector<std::string>{win + " 14 B", draw + " 28 G", loss + " 57 R"}));
    EXPECT_EQ(Slices(totals), (std::vector<std::string>{over + " 42 B", under + " 58 R"}));

    FillLastOf(NewTeam + 1, &results, &totals);
    EXPECT_TRUE(Slices(results).empty() && Slices(totals).empty());
}

TEST_F(DBResultGridTest, PiesOfOneKindOfResultKeepEverySliceAndLabelOnlyTheFullOne)
{
    QChart results, totals;
    // Wins only, each of at most two goals.
    AddResults({{1, 0}, {2, 0}, {1, 0}});
    FillLastOf(NewTeam, &results, &totals);
    EXPECT_EQ(Slices(results).size(), 3u);
    EXPECT_EQ(LabelledSlices(results), std::vector<std::string>{Lang(1095) + " 100"});
    EXPECT_EQ(Slices(totals).size(), 2u);
    EXPECT_EQ(LabelledSlices(totals), std::vector<std::string>{Lang(1137) + " (2.5) 100"});
}

TEST_F(DBResultGridTest, MarkTableFollowsTheStandingsAndShowsTheLongestListsNewestTwenty)
{
    // Three new teams in the last season of a new tournament, in the standings Beta, Alpha, Gamma.
    constexpr int Alpha = NewTeam + 1, Beta = NewTeam + 2, Gamma = NewTeam + 3;
    Exec("INSERT INTO Champ VALUES(900, 'Test League', 'ENG', 1, False, 'zz', 1)");
    for (const auto& [team, name, points] : {std::tuple(Alpha, "Alpha", 20), std::tuple(Beta, "Beta", 30),
                                             std::tuple(Gamma, "Gamma", 10)}) {
        Exec("INSERT INTO Team VALUES(" + IntToStr(team) + ", '" + name + "', 'ENG')");
        Exec("INSERT INTO Stats(ChampID,SeasonID,TeamID,RoundID,Field,Game,Point) VALUES(900, " +
             IntToStr(DBSeason::GetMaxSeasonID()) + ", " + IntToStr(team) + ", 1, 1, 1, " + IntToStr(points) + ")");
    }
    // Each team's results repeat win, draw, loss from its oldest.
    const auto play = [](int team, int count) {
        std::vector<std::pair<int, int>> results;
        for (int i = 0; i < count; ++i)
            results.push_back(std::vector<std::pair<int, int>>{{2, 0}, {1, 1}, {0, 1}}[i % 3]);
        AddResults(results, team);
    };
    // The first and last visible result columns.
    const auto visible = [this] {
        std::pair<int, int> columns;
        for (int col = 1; col <= 40; ++col)
            if (grid.ColWidth(col) > 0) {
                EXPECT_EQ(grid.ColWidth(col), 21) << col;
                columns = {columns.first ? columns.first : col, col};
            }
        return columns;
    };
    grid.resize(1050, 200);
    presenter.SetupChampColumns();
    ASSERT_EQ(grid.ColCount(), 41);
    EXPECT_EQ(grid.Cell(0, 0), Lang(1141));
    EXPECT_EQ(grid.GetColsProperty(0).Align, 0);

    play(Alpha, 26);
    play(Beta, 12);
    play(Gamma, 5);
    presenter.FillChamp(900, FieldCode::Both, MarkKind::Result);
    ASSERT_EQ(grid.RowCount(), 4);
    EXPECT_EQ(grid.Cell(1, 0) + " " + grid.Cell(2, 0) + " " + grid.Cell(3, 0), "Beta Alpha Gamma");
    EXPECT_TRUE(grid.GetCellsProperty(2, 0).Bold);
    EXPECT_EQ(Marks(1).first, "+=-+=-+=-+=-");
    EXPECT_EQ(Marks(2).first, "+=-+=-+=-+=-+=-+=-+=-+=-+=");
    EXPECT_EQ(Marks(3), MarkRow("+=-+=", "BGRBG"));
    EXPECT_EQ(visible(), std::pair(7, 26));

    play(Alpha, 12);
    presenter.FillChamp(900, FieldCode::Both, MarkKind::Total);
    EXPECT_EQ(visible(), std::pair(1, 20));
    EXPECT_EQ(Marks(2).first, "<<<<<<<<<<<<") << "the longer list of the earlier fill is gone";

    play(Alpha, 45);
    presenter.FillChamp(900, FieldCode::Both, MarkKind::Result);
    EXPECT_EQ(Marks(2).first.size(), 40u) << "no result beyond the 40 columns";
    EXPECT_EQ(visible(), std::pair(21, 40));

    presenter.FillChamp(901, FieldCode::Both, MarkKind::Result);
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(grid.Cell(1, 0), "");
    EXPECT_EQ(visible(), std::pair(1, 20));
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
    ASSERT_EQ(standings.Count(), 18);
    // A league match of the last team in another tournament of the season.
    standings.GetQuery()->Last();
    Exec("INSERT INTO TeamResults(Date,TeamID,Field,ChampID,SeasonID,RivalID,Gol1,Gol2) VALUES(#01/01/2026#, " +
         IntToStr(standings.GetTeamID()) + ", 1, " + IntToStr(SampleIds::League(Spain)) + ", " + IntToStr(season) +
         ", " + IntToStr(SampleIds::FirstTeam(Spain)) + ", 9, 9)");

    grid.resize(1050, 400);
    presenter.FillCross(champ);
    ASSERT_EQ(grid.ColCount(), 20);
    ASSERT_EQ(grid.RowCount(), 19);
    EXPECT_EQ(grid.Cell(0, 0) + " " + grid.Cell(0, 1), Lang(1257) + " " + Lang(1141));
    standings.GetQuery()->First();
    for (int p = 1; p <= 18; ++p, standings.GetQuery()->Next()) {
        EXPECT_EQ(grid.Cell(p, 0) + " " + grid.Cell(p, 1), IntToStr(p) + " " + standings.GetTeam());
        EXPECT_EQ(grid.Cell(0, p + 1), IntToStr(p));
        EXPECT_EQ(grid.ColWidth(p + 1), 50) << "(1050 - 150) div 18";
        EXPECT_EQ(grid.GetCellsProperty(p, p + 1).Color, 0x000000u) << "the team against itself";
    }

    // Each score's cell and colour the tournament card's test checks; here one for each of
    // the 18 x 17 meetings, and none in another cell.
    int scores = 0;
    for (int row = 1; row <= 18; ++row)
        for (int col = 1; col < 20; ++col)
            scores += grid.Cell(row, col).find(':') != std::string::npos;
    EXPECT_EQ(scores, 18 * 17);

    presenter.FillCross(999);
    EXPECT_EQ(grid.ColCount(), 2);
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(grid.Cell(1, 0) + grid.Cell(1, 1), "");
}

}  // namespace
