#include "presenters/dbseriesgrid.h"

#include <gtest/gtest.h>

#include <string>

#include "data/codes.h"
#include "data/dbsetting.h"
#include "foundation/jxgrid.h"
#include "platform/adoquery.h"
#include "platform/sysutils.h"
#include "sampledata/sampleids.h"
#include "samplefolderfixture.h"

namespace {

constexpr TColor PaleBlue = 0xFFEEE0;
constexpr TColor PalePeach = 0xE0EEFF;
constexpr int NoSuchTeam = 999999;
const int EnglishTeam = SampleIds::FirstTeam(SampleIds::England);

class DBSeriesGridTest : public SampleFolderFixture {
protected:
    // The 13 run rows of a series grid against the runs of series.
    static void ExpectSeriesRows(TJXGrid& grid, const DBSeries& series)
    {
        ASSERT_EQ(grid.RowCount(), 14);
        for (int k = 0; k < SeriesCalcIndex::Count; ++k) {
            const int row = k + 1;
            SCOPED_TRACE("row " + std::to_string(row));
            EXPECT_EQ(grid.Cell(row, 0), k == SeriesCalcIndex::NilNil ? "0:0" : Lang(1163 + k));
            EXPECT_EQ(grid.Cell(row, 1), IntToStr(series.GetCur(k)));
            EXPECT_EQ(grid.Cell(row, 2), IntToStr(series.GetMax(k)));
            EXPECT_TRUE(grid.GetCellsProperty(row, 0).Bold);
            EXPECT_EQ(grid.GetCellsProperty(row, 1).Bold, series.GetCur(k) >= 2);
            EXPECT_TRUE(grid.GetCellsProperty(row, 2).Bold);
        }
    }

    // Score cells of a grid as "text/count/bold" of rows 1 and 2, one per column.
    static std::string ScoreRow(TJXGrid& grid, int col)
    {
        return grid.Cell(1, col) + "/" + grid.Cell(2, col) + (grid.GetCellsProperty(0, col).Bold ? "/bold" : "");
    }

    TJXGrid grid1, grid2, scoreGrid;
};

TEST_F(DBSeriesGridTest, SeriesTableShowsTheRunsInBandsWithTheBoldRules)
{
    DBSeriesGrid presenter(&grid1, nullptr, &scoreGrid);
    presenter.SetupSeriesColumns();
    presenter.SetupScoreColumns();
    ASSERT_EQ(grid1.ColCount(), 3);
    EXPECT_EQ(grid1.Cell(0, 0) + "|" + grid1.Cell(0, 1) + "|" + grid1.Cell(0, 2),
              Lang(1160) + "|" + Lang(1161) + "|" + Lang(1162));
    EXPECT_EQ(grid1.GetColsProperty(0).Align, 0);
    EXPECT_EQ(grid1.GetColsProperty(1).Width, "80");

    // Won 2:0 and 1:0, then drawn 1:1.
    for (const char* match : {"900001, #01/01/2020#, 999999, 1, 2, 0", "900002, #01/02/2020#, 1, 999999, 0, 1",
                              "900003, #01/03/2020#, 999999, 1, 1, 1"})
        Exec(std::string("INSERT INTO Fixed(FixedIND,Date,Team1ID,Team2ID,Gol1,Gol2,AET,RoundID,ChampID,SeasonID) "
                         "VALUES(") + match + ", False, 1, 11, 1)");
    presenter.Data->Calc(NoSuchTeam, 0, "", FieldCode::Both);
    presenter.FillSeries();
    presenter.FillScores();
    ExpectSeriesRows(grid1, *presenter.Data);
    EXPECT_EQ(grid1.Cell(1 + SeriesCalcIndex::Draw, 1) + " " + grid1.Cell(1 + SeriesCalcIndex::NoLose, 1), "1 3");
    EXPECT_EQ(ScoreRow(scoreGrid, ScoreCell::Of(1, 0)), "33%/1/bold");
    EXPECT_EQ(ScoreRow(scoreGrid, ScoreCell::Of(0, 1)), "0%/0");
    const TColor bands[] = {PaleBlue, PaleBlue, PaleBlue, PalePeach, PalePeach, PalePeach, PaleBlue,
                            PaleBlue, PalePeach, PalePeach, PaleBlue, PaleBlue, PalePeach};
    for (int row = 1; row <= 13; ++row)
        for (int col = 0; col < 3; ++col)
            EXPECT_EQ(grid1.GetCellsProperty(row, col).Color, bands[row - 1]) << row << "/" << col;

    // A team without matches: 13 rows of zeros, names bold, no score stands out.
    presenter.Data->Calc(NoSuchTeam + 1, 0, "", FieldCode::Both);
    presenter.FillSeries();
    presenter.FillScores();
    ExpectSeriesRows(grid1, *presenter.Data);
    ASSERT_EQ(scoreGrid.RowCount(), 3);
    for (int col = 0; col < ScoreCell::Count; ++col) {
        EXPECT_EQ(ScoreRow(scoreGrid, col), "0%/0") << col;
        EXPECT_FALSE(scoreGrid.GetCellsProperty(1, col).Bold) << col;
    }
}

TEST_F(DBSeriesGridTest, ScoreGridTruncatesPercentsAndMatchCardShowsBothSidesRuns)
{
    DBSeriesGrid presenter(&grid1, &grid2, &scoreGrid);
    presenter.SetupMatchColumns();
    ASSERT_EQ(scoreGrid.ColCount(), 17);
    EXPECT_EQ(scoreGrid.Cell(0, 0) + " " + scoreGrid.Cell(0, 15) + " " + scoreGrid.Cell(0, 16),
              "3:0 0:3 " + Lang(1175));
    EXPECT_EQ(scoreGrid.GetColsProperty(16).Width, "4%");

    // 150 home results of a team the sample does not know: 147 of 1:0, one 3:3, two 0:3.
    for (int i = 0; i < 150; ++i)
        Exec("INSERT INTO TeamResults(Date,TeamID,Field,Gol1,Gol2) VALUES(#01/01/2020#, " + IntToStr(NoSuchTeam) +
             ", 1, " + (i < 147 ? "1, 0" : i < 148 ? "3, 3" : "0, 3") + ")");
    presenter.FillMatch(NoSuchTeam, NoSuchTeam + 1, false);
    EXPECT_EQ(ScoreRow(scoreGrid, ScoreCell::Of(1, 0)), "98%/147/bold");
    EXPECT_EQ(ScoreRow(scoreGrid, ScoreCell::Of(3, 3)), "0%/1") << "1 of 150 truncates to 0";
    EXPECT_EQ(ScoreRow(scoreGrid, ScoreCell::Of(0, 3)), "1%/2/bold");
    EXPECT_EQ(ScoreRow(scoreGrid, ScoreCell::Other), "0%/0");

    // A real pair: the home team's home league runs beside the away team's away runs.
    const int home = EnglishTeam, away = EnglishTeam + 1;
    const int firstSeason = DBSetting::Global()->ReadInteger("SeriesSeason");
    presenter.FillMatch(home, away, false);
    DBSeries expected;
    expected.Calc(home, firstSeason, "1", FieldCode::Home);
    ExpectSeriesRows(grid1, expected);
    ASSERT_GT(expected.GetCount(), 0);
    expected.Calc(away, firstSeason, "1", FieldCode::Away);
    ExpectSeriesRows(grid2, expected);
    presenter.FillMatch(home, away, true);
    expected.Calc(away, firstSeason, "1", FieldCode::Both);
    ExpectSeriesRows(grid2, expected);
}

TEST_F(DBSeriesGridTest, TopListShowsCurrentAndLongestRunOfEveryKindWithTheChosenOneBold)
{
    DBSeriesGrid presenter(&grid1);
    presenter.SetupTopColumns();
    ASSERT_EQ(grid1.ColCount(), 15);
    EXPECT_EQ(grid1.Cell(0, 0), Lang(1141));
    EXPECT_EQ(grid1.Cell(0, 1), Lang(1031));
    EXPECT_EQ(grid1.Cell(0, 2), Lang(1203));
    EXPECT_EQ(grid1.Cell(0, 13), Lang(1214));
    EXPECT_EQ(grid1.Cell(0, 14), "0:0");

    presenter.FillTop(SeriesKind::Under, FieldCode::Away, false, 0);
    const Rows series = Select("SELECT T.Name, T.NationalID, S.* FROM Series AS S INNER JOIN Team AS T ON "
                               "S.TeamID=T.TeamID WHERE S.Field=2 ORDER BY S.CurUnder DESC, S.Game DESC, T.Name");
    ASSERT_EQ(grid1.RowCount(), static_cast<int>(series.size()) + 1);
    ASSERT_GT(series.size(), 100u);
    for (int row = 1; row < grid1.RowCount(); ++row) {
        const auto& s = series[row - 1];  // name, country, TeamID, Field, TypeID, Game, Cur/Max pairs
        SCOPED_TRACE("row " + std::to_string(row));
        EXPECT_EQ(grid1.Cell(row, 0), s[0] + " (" + s[1] + ")");
        EXPECT_EQ(grid1.Cell(row, 1), s[5]);
        EXPECT_FALSE(grid1.GetCellsProperty(row, 0).Bold);
        for (int k = 0; k < SeriesKind::Count; ++k) {
            EXPECT_EQ(grid1.Cell(row, k + 2), s[6 + 2 * k] + "(" + s[7 + 2 * k] + ")") << k;
            EXPECT_EQ(grid1.GetCellsProperty(row, k + 2).Bold, k == SeriesKind::Under) << k;
        }
    }

    presenter.FillTop(SeriesKind::Win, FieldCode::Both, true, ChampTypeID::Cup);
    ASSERT_EQ(grid1.RowCount(), 2);
    for (int col = 0; col < grid1.ColCount(); ++col) {
        EXPECT_EQ(grid1.Cell(1, col), "") << col;
        EXPECT_FALSE(grid1.GetCellsProperty(1, col).Bold) << col;
    }
}

}  // namespace
