#include "presenters/dbtablegrid.h"

#include <gtest/gtest.h>

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QValueAxis>

#include <string>
#include <tuple>
#include <vector>

#include "data/codes.h"
#include "data/dbtable.h"
#include "data/dbteam.h"
#include "foundation/jxgrid.h"
#include "platform/sysutils.h"
#include "sampledata/sampleids.h"
#include "samplefolderfixture.h"

namespace {

const int EnglishLeague = SampleIds::League(SampleIds::England);
constexpr int MadeUpChamp = 999;

class DBTableGridTest : public SampleFolderFixture {
protected:
    // The cells of a grid row from a column on, joined by "|".
    std::string Row(int row, int fromCol = 0)
    {
        std::string cells;
        for (int col = fromCol; col < grid.ColCount(); ++col)
            cells += (col == fromCol ? "" : "|") + grid.Cell(row, col);
        return cells;
    }

    TJXGrid grid;
    DBTableGrid presenter{&grid};
    DBTable& table = *presenter.Table();
};

TEST_F(DBTableGridTest, LayoutsHaveTheirColumnsHeadersAndAlignment)
{
    grid.resize(600, 300);
    presenter.SetupTableColumns();
    ASSERT_EQ(Row(0), Lang(1257) + "|" + Lang(1141) + "|" + Lang(1142) + "|" + Lang(1143) + "|" + Lang(1144) + "|" +
                              Lang(1145) + "|" + Lang(1146) + "|" + Lang(1147));
    for (int col = 0; col < grid.ColCount(); ++col) {
        EXPECT_TRUE(grid.GetCellsProperty(0, col).Bold) << col;
        EXPECT_EQ(grid.GetColsProperty(col).Align, col == 1 ? 0 : 2) << "only the team column is left-aligned";
    }
    presenter.SetupMatchTableColumns();
    int width = 0;
    for (int col = 0; col < grid.ColCount(); ++col)
        width += grid.ColWidth(col);
    EXPECT_EQ(width, grid.viewport()->width()) << "the shares fill the width";

    // Statistics: a hidden first column, the untranslated line headers, plain header cells.
    // The tournament layouts count home rows, so their result and goal columns are headed
    // home and away.
    const auto statisticsHeaders = [](const std::vector<int>& ids) {
        return Lang(ids[0]) + "|" + Lang(1149) + "|" + Lang(ids[1]) + "|" + Lang(ids[2]) + "|-1.5|+1.5|" +
               Lang(ids[3]) + "|" + Lang(ids[4]);
    };
    const std::string teamHeaders = statisticsHeaders({1155, 1156, 1157, 1158, 1159});
    const std::string homeRowHeaders = statisticsHeaders({1150, 1151, 1152, 1153, 1154});
    for (auto [setup, columns, headers] : {std::tuple{&DBTableGrid::SetupSeasonColumns, 12, teamHeaders},
                                           {&DBTableGrid::SetupChampSeasonColumns, 11, homeRowHeaders},
                                           {&DBTableGrid::SetupChampStatsColumns, 11, teamHeaders},
                                           {&DBTableGrid::SetupFavChampsColumns, 11, homeRowHeaders}}) {
        (presenter.*setup)();
        EXPECT_EQ(grid.ColCount(), columns);
        EXPECT_EQ(grid.ColWidth(0), 0);
        EXPECT_EQ(Row(0, columns - 8), headers) << columns;
        EXPECT_FALSE(grid.GetCellsProperty(0, 1).Bold);
    }
}

TEST_F(DBTableGridTest, StandingsOfTwentyTeamsFillTwentyOneRowsInTheirOrder)
{
    presenter.SetupTableColumns();
    ASSERT_TRUE(table.SelectTable(EnglishLeague, 1, FieldCode::Both, 0));
    std::vector<std::string> ordered;
    for (table.GetQuery()->First(); !table.GetQuery()->Eof(); table.GetQuery()->Next())
        ordered.push_back(table.GetTeam() + "|" + IntToStr(table.GetGame()) + "|" + IntToStr(table.GetWin()) + "|" +
                          IntToStr(table.GetDraw()) + "|" + IntToStr(table.GetLose()) + "|" +
                          IntToStr(table.GetGol1()) + " - " + IntToStr(table.GetGol2()) + "|" +
                          IntToStr(table.GetPoint()));
    presenter.FillTable();
    ASSERT_EQ(grid.RowCount(), 21);
    for (int row = 1; row <= 20; ++row) {
        EXPECT_EQ(Row(row), IntToStr(row) + "|" + ordered[row - 1]);
        EXPECT_TRUE(grid.GetCellsProperty(row, 7).Bold);
    }

    ASSERT_TRUE(table.SelectTable(MadeUpChamp, 1, FieldCode::Both, 0));
    presenter.FillTable();
    ASSERT_EQ(grid.RowCount(), 2) << "an empty result leaves the header and one empty row";
    EXPECT_EQ(Row(1), "|||||||");
    EXPECT_EQ(grid.Cell(0, 1), Lang(1141));
}

TEST_F(DBTableGridTest, StatisticsCellsShowSharesOfTheGamesAndAGamelessRowShowsDashes)
{
    Exec("INSERT INTO Champ VALUES(999, 'Made-up', 'ENG', 1, False, 'zzz', 1)");
    const int team = SampleIds::FirstTeam(SampleIds::England);
    AddStats({.champ = MadeUpChamp, .season = 1, .team = team, .win = 5, .draw = 3, .lose = 2, .gol1 = 17,
              .gol2 = 8, .under = 4, .over = 6, .byScore = 9, .byMiss = 5, .noScore = 1, .noMiss = 5, .minus = 3,
              .plus = 7});
    AddStats({.champ = MadeUpChamp, .season = 1, .team = team + 1});
    presenter.SetupChampStatsColumns();
    ASSERT_TRUE(table.SelectTableFull(MadeUpChamp, 1, FieldCode::Both));
    presenter.FillChampStats();
    ASSERT_EQ(grid.RowCount(), 3);
    const std::string team1 = Value("SELECT Name FROM Team WHERE TeamID=" + IntToStr(team));
    EXPECT_EQ(Row(1, 1), team1 + "|10|50%-30%-20%|40%-60%|90%-10%|50%-50%|30%|70%|" + FloatToStr(1.7) + "|" +
                                 FloatToStr(0.8));
    EXPECT_TRUE(grid.GetCellsProperty(1, 1).Bold);
    EXPECT_EQ(Row(2, 2), "0|-|-|-|-|-|-|-|-");
}

// Each season's row and bar the cards' tests check; here the value labels: the shares are
// percentages already, so "%" is a sign after the value, not a scaling.
TEST_F(DBTableGridTest, SeasonChartLabelsSharesWithAPercentSignAndGoalsWithout)
{
    presenter.SetupChampSeasonColumns();
    ASSERT_TRUE(table.SelectChampSeasons(EnglishLeague));
    QChart chart;
    presenter.FillSeasonStats(true, &chart, DBTableGrid::WinChart);
    auto* series = qobject_cast<QBarSeries*>(chart.series().value(0));
    ASSERT_NE(series, nullptr);
    EXPECT_EQ(series->labelsFormat(), "@value%");
    const int oldest = grid.RowCount() - 1;
    const std::string homeWins = grid.Cell(oldest, 3).substr(0, grid.Cell(oldest, 3).find('%'));
    EXPECT_EQ(FloatToStr(series->barSets().first()->at(0)), homeWins);

    presenter.FillSeasonStats(true, &chart, DBTableGrid::Gol1Chart);
    EXPECT_EQ(series->labelsFormat(), "@value");
    const QBarSet* bars = series->barSets().first();
    EXPECT_EQ(FloatToStr(bars->at(0)), grid.Cell(oldest, 9));
    EXPECT_GT(qobject_cast<QValueAxis*>(chart.axes(Qt::Vertical).value(0))->max(), bars->at(0));
}

TEST_F(DBTableGridTest, MatchTableShowsTheTeamsRowOfItsMainLeagueOrNothing)
{
    const int team = SampleIds::FirstTeam(SampleIds::England) + 5;
    ASSERT_TRUE(table.SelectTable(EnglishLeague, 4, FieldCode::Home, 0));
    int position = 0;
    for (table.GetQuery()->First(); table.GetTeamID() != team; table.GetQuery()->Next())
        ++position;
    const std::string expected = IntToStr(position + 1) + "|" + DBTeam::ShortName(table.GetTeam()) + "|" +
                                 IntToStr(table.GetGame());
    presenter.SetupMatchTableColumns();
    presenter.FillMatchTable(team, FieldCode::Home);
    ASSERT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(Row(1).substr(0, expected.size()), expected);
    EXPECT_TRUE(grid.GetCellsProperty(1, 0).Bold);
    EXPECT_FALSE(grid.GetCellsProperty(1, 1).Bold);

    // A club that played only its country's cup has no league.
    Exec("INSERT INTO Team VALUES(9999, 'Cup Only', 'ENG')");
    AddStats({.champ = SampleIds::Cup(SampleIds::England), .season = 4, .team = 9999, .win = 1});
    presenter.FillMatchTable(9999, FieldCode::Both);
    ASSERT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(Row(1), "|||||||");
}

TEST_F(DBTableGridTest, FavouriteTournamentsAreNamedByCountryAndSorted)
{
    // By sort name the international cup, the first by id, comes last.
    Exec("UPDATE Champ SET SortName='9999' WHERE ChampID=1");
    presenter.SetupFavChampsColumns();
    presenter.FillFavChamps(1, 8);
    std::vector<std::string> names;
    for (int row = 1; row < grid.RowCount(); ++row)
        names.push_back(grid.Cell(row, 1));
    EXPECT_EQ(names.front(), "ENG. " + Value("SELECT Name FROM Champ WHERE ChampID=11"));
    EXPECT_EQ(names.back(), "EUR. " + Value("SELECT Name FROM Champ WHERE ChampID=1"));
    const std::string portugal = "POR. " + Value("SELECT Name FROM Champ WHERE ChampID=81");
    for (const std::string& name : names)
        EXPECT_NE(name, portugal) << "no favourite";
    EXPECT_EQ(names.size(), std::stoul(Value("SELECT COUNT(*) FROM Champ WHERE Fav=True AND ChampID>0")));
}

}  // namespace
