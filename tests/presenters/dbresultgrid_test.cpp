#include "presenters/dbresultgrid.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QChart>
#include <QPieSeries>
#include <QXYSeries>

#include <string>
#include <utility>
#include <vector>

#include "data/codes.h"
#include "data/dbseason.h"
#include "data/dbsetting.h"
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

}  // namespace
