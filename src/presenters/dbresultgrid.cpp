#include "presenters/dbresultgrid.h"

#include <algorithm>
#include <map>
#include <vector>

#include "data/codes.h"
#include "data/dbseason.h"
#include "data/dbtable.h"
#include "data/dbsetting.h"
#include "foundation/jxgrid.h"
#include "platform/adofield.h"
#include "platform/adoquery.h"
#include "platform/colors.h"
#include "platform/sysutils.h"
#include "presenters/chartaxes.h"
#include "presenters/gridfill.h"

#include <QChart>
#include <QLineSeries>
#include <QPieSeries>
#include <QValueAxis>

namespace {

constexpr TColor White = 0xFFFFFF;
constexpr TColor Blue = 0xFF0000;
constexpr TColor Green = 0x008000;
constexpr TColor Red = 0x0000FF;

constexpr int LastResults = 30;
constexpr int ChampResults = 40;
constexpr int VisibleChampResults = 20;
constexpr const char* VisibleChampWidth = "21";
constexpr int MarkRows = MarkKind::Last + 1;  // the header and one row per kind
constexpr int MatchesText = 1235;
constexpr int ResultText = 1032;
constexpr int TeamText = 1141;
constexpr int PositionText = 1257;
constexpr int TotalText = 1107;
constexpr int WinsText = 1095;
constexpr int DrawsText = 1096;
constexpr int LossesText = 1097;
constexpr int OverText = 1136;
constexpr int UnderText = 1137;
constexpr const char* TotalLine = " (2.5)";

constexpr TColor Black = 0x000000;
constexpr int CrossFirstTeamColumn = 2;  // after the position and the name
constexpr int CrossFixedWidth = 150;     // what the team columns leave to the others

constexpr double StartingRating = 1000;
constexpr int RatingSeasons = 2;

TColor ToneColor(MarkTone tone)
{
    switch (tone) {
    case MarkTone::Favourable: return Blue;
    case MarkTone::Draw: return Green;
    default: return Red;
    }
}

int Setting(const char* name)
{
    return DBSetting::Global()->ReadInteger(name);
}

// A team of a tournament season in standings order.
struct StandingsTeam {
    int teamID;
    AnsiString name;
};

std::vector<StandingsTeam> Standings(int champID, int seasonID, int field)
{
    DBTable table;
    table.SelectTableFull(champID, seasonID, field);
    std::vector<StandingsTeam> teams;
    if (table.Count() < 1)
        return teams;
    TADOQuery* rows = table.GetQuery();
    for (rows->First(); !rows->Eof(); rows->Next())
        teams.push_back({table.GetTeamID(), table.GetTeam()});
    return teams;
}

// The position (from 1) of each team of the standings.
std::map<int, int> Positions(const std::vector<StandingsTeam>& teams)
{
    std::map<int, int> positions;
    for (size_t i = 0; i < teams.size(); ++i)
        positions[teams[i].teamID] = static_cast<int>(i) + 1;
    return positions;
}

int PositionOf(const std::map<int, int>& positions, int teamID)
{
    const auto found = positions.find(teamID);
    return found != positions.end() ? found->second : 0;
}

TColor HomeResultColor(int gol1, int gol2)
{
    return gol1 > gol2 ? Blue : gol1 == gol2 ? Green : Red;
}

struct Slice {
    AnsiString label;
    int percent;
    TColor color;
};

// Replaces the slices of the chart's first series, a pie added when the chart has none.
void ShowSlices(QChart& chart, const std::vector<Slice>& slices)
{
    if (chart.series().isEmpty())
        chart.addSeries(new QPieSeries(&chart));
    auto* pie = qobject_cast<QPieSeries*>(chart.series().first());
    if (!pie)
        return;
    pie->clear();
    for (const Slice& slice : slices) {
        QPieSlice* added = pie->append(QString::fromStdString(slice.label), slice.percent);
        added->setColor(ToQColor(slice.color));
        // An empty slice has no room of its own: its label would lie on its neighbour's.
        added->setLabelVisible(slice.percent > 0);
    }
}

// The team's rating after each of its matches of one season, oldest first, after the
// starting rating.
QList<QPointF> RatingCurve(int teamID, int seasonID)
{
    const AnsiString team = IntToStr(teamID);
    DBase query;
    query.Select("SELECT IIF(Fixed.Team1ID=" + team +
                 ",EloFixed.NewRang1,EloFixed.NewRang2) AS Rang FROM Fixed INNER JOIN EloFixed ON Fixed.FixedIND = "
                 "EloFixed.FixedIND WHERE (Fixed.Team1ID=" +
                 team + " OR Fixed.Team2ID=" + team + ") AND Fixed.SeasonID=" + IntToStr(seasonID) +
                 " ORDER BY Fixed.Date");
    QList<QPointF> points = {QPointF(0, StartingRating)};
    if (query.Count() < 1)
        return points;
    TADOQuery* rows = query.GetQuery();
    TField* rating = rows->FieldByName("Rang");
    for (rows->First(); !rows->Eof(); rows->Next())
        points.append(QPointF(points.size(), rating->AsInteger()));
    return points;
}

// The chart's line series of that index, adding line series up to it.
QXYSeries* LineSeries(QChart& chart, int index)
{
    while (chart.series().size() <= index)
        chart.addSeries(new QLineSeries(&chart));
    return qobject_cast<QXYSeries*>(chart.series().at(index));
}

}  // namespace

DBResultGrid::DBResultGrid(TJXGrid* grid) : Data(std::make_unique<DBResult>()), Grid(grid) {}

DBResultGrid::~DBResultGrid() = default;

void DBResultGrid::Clear()
{
    ClearGrid(*Grid);
}

void DBResultGrid::ClearMarks()
{
    for (int row = 1; row < Grid->RowCount(); ++row)
        for (int col = 1; col < Grid->ColCount(); ++col) {
            Grid->SetCell(row, col, "");
            Grid->GetCellsProperty(row, col).Color = White;
        }
}

void DBResultGrid::SetupLastColumns()
{
    Grid->SetColCount(LastResults + 1);
    Grid->SetRowCount(MarkRows);
    Grid->SetColsProperty(0, TColsProperty{2, "100%", false});
    for (int col = 1; col <= LastResults; ++col) {
        Grid->SetColsProperty(col, TColsProperty{2, "20", false});
        Grid->SetCell(0, col, IntToStr(col));
    }
    const AnsiString total = LangText(TotalText);
    const AnsiString goalLine = IntToStr(Setting("TourTotal")) + ".5)";
    const AnsiString handicap = IntToStr(Setting("TourHandicap")) + ".5";
    const AnsiString titles[MarkRows] = {LangText(MatchesText), LangText(ResultText), total + " 2.5",
                                         total + " 1(" + goalLine,  total + " 2(" + goalLine, "-" + handicap,
                                         "+" + handicap};
    for (int row = 0; row < MarkRows; ++row)
        SetGridCell(*Grid, row, 0, titles[row], row > 0);
}

void DBResultGrid::SetupChampColumns()
{
    Grid->SetColCount(ChampResults + 1);
    Grid->SetColsProperty(0, TColsProperty{0, "100%", false});
    SetGridCell(*Grid, 0, 0, LangText(TeamText));
    for (int col = 1; col <= ChampResults; ++col) {
        Grid->SetColsProperty(col, TColsProperty{2, col <= VisibleChampResults ? VisibleChampWidth : "0", false});
        Grid->SetCell(0, col, IntToStr(col));
    }
}

void DBResultGrid::ShowChampColumns(int lastColumn)
{
    lastColumn = std::clamp(lastColumn, VisibleChampResults, ChampResults);
    for (int col = 1; col <= ChampResults; ++col) {
        const bool visible = col > lastColumn - VisibleChampResults && col <= lastColumn;
        Grid->GetColsProperty(col).Width = visible ? VisibleChampWidth : "0";
    }
    Grid->Resize();
}

void DBResultGrid::FillChamp(int champID, int field, int kind)
{
    const int season = DBSeason::GetLastSeasonOfChamp(champID);
    const std::map<int, int> positions = Positions(Standings(champID, season, field));
    Data->OpenChamp(champID, season, field);
    int lastColumn = 1;
    if (Data->Count() > 0) {
        Grid->SetRowCount(static_cast<int>(positions.size()) + 1);
        ClearMarks();
        // From the last row: team by team, each team's results oldest first.
        TADOQuery* rows = Data->GetQuery();
        int team = 0, col = 0;
        for (rows->Last();; rows->Prior()) {
            const int teamID = Data->GetTeamID();
            col = teamID == team ? col + 1 : 1;
            team = teamID;
            lastColumn = std::max(lastColumn, col);
            // A team without a place in the standings has no row to write into.
            if (const int row = PositionOf(positions, teamID); row > 0) {
                SetGridCell(*Grid, row, 0, Data->GetTeamName(), true);
                FillMark(row, col, kind);
            }
            if (rows->RecNo() == 1)
                break;
        }
    } else {
        Clear();
    }
    ShowChampColumns(lastColumn);
    Grid->Invalidate();
}

void DBResultGrid::FillCross(int champID)
{
    const int season = DBSeason::GetLastSeasonOfChamp(champID);
    const std::vector<StandingsTeam> teams = Standings(champID, season, FieldCode::Both);
    const std::map<int, int> positions = Positions(teams);
    const int count = static_cast<int>(teams.size());
    Grid->SetColCount(count + CrossFirstTeamColumn);
    Grid->SetRowCount(count + 1);
    for (int row = 1; row <= count; ++row)
        for (int col = 0; col < Grid->ColCount(); ++col)
            SetGridCell(*Grid, row, col, "");
    Grid->SetColsProperty(0, TColsProperty{2, "25", false});
    SetGridCell(*Grid, 0, 0, LangText(PositionText));
    Grid->SetColsProperty(1, TColsProperty{0, "100%", false});
    SetGridCell(*Grid, 0, 1, LangText(TeamText));
    for (int position = 1; position <= count; ++position) {
        const int col = position + CrossFirstTeamColumn - 1;
        Grid->SetColsProperty(col, TColsProperty{2, IntToStr((Grid->width() - CrossFixedWidth) / count), false});
        SetGridCell(*Grid, 0, col, IntToStr(position));
        Grid->SetCell(position, 0, IntToStr(position));
        Grid->GetCellsProperty(position, col).Color = Black;  // the team against itself
        Grid->SetCell(position, 1, teams[position - 1].name);
    }
    Grid->Resize();

    Data->OpenChamp(champID, season, FieldCode::Home);
    if (Data->Count() > 0) {
        TADOQuery* rows = Data->GetQuery();
        // Newest first within a team: of two meetings at one ground the earliest stays.
        for (rows->First(); !rows->Eof(); rows->Next()) {
            const int row = PositionOf(positions, Data->GetTeamID());
            const int rival = PositionOf(positions, Data->GetRivalID());
            // A rival without a place (a match in another league tournament) has no column.
            if (row == 0 || rival == 0)
                continue;
            const int gol1 = Data->GetGol1(), gol2 = Data->GetGol2();
            SetGridCell(*Grid, row, rival + CrossFirstTeamColumn - 1, IntToStr(gol1) + ":" + IntToStr(gol2),
                        true, HomeResultColor(gol1, gol2));
        }
    } else {
        Clear();
    }
    Grid->Invalidate();
}

void DBResultGrid::FillMark(int row, int col, int kind)
{
    if (row < 0 || row >= Grid->RowCount() || col < 0 || col >= Grid->ColCount())
        return;
    const bool needsLines = kind >= MarkKind::OwnGoals;
    const ResultMark mark = DBResult::GetMark(kind, Data->GetGol1(), Data->GetGol2(),
                                              needsLines ? Setting("TourTotal") : 0,
                                              needsLines ? Setting("TourHandicap") : 0);
    const AnsiString text = mark.text;
    if (text.empty())
        return;
    Grid->SetCell(row, col, mark.text);
    Grid->GetCellsProperty(row, col).Color = ToneColor(mark.tone);
    if (kind == MarkKind::Result) {
        Wins += text == "+";
        Draws += text == "=";
        Losses += text == "-";
    } else if (kind == MarkKind::Total) {
        Overs += text == ">";
    }
}

void DBResultGrid::FillLast(QChart* resultChart, QChart* totalChart)
{
    ClearMarks();
    Wins = Draws = Losses = Overs = 0;
    if (Data->Count() > 0) {
        TADOQuery* rows = Data->GetQuery();
        rows->Last();
        for (int col = 1;; ++col, rows->Prior()) {
            for (int kind = MarkKind::First; kind <= MarkKind::Last; ++kind)
                FillMark(kind, col, kind);
            if (rows->RecNo() == 1)
                break;
        }
    }
    Grid->Invalidate();
    if (!resultChart || !totalChart)
        return;
    const int results = Wins + Draws + Losses;
    std::vector<Slice> resultSlices, totalSlices;
    if (results > 0) {
        resultSlices = {{LangText(WinsText), Wins * 100 / results, Blue},
                        {LangText(DrawsText), Draws * 100 / results, Green},
                        {LangText(LossesText), Losses * 100 / results, Red}};
        const int overs = Overs * 100 / results;
        totalSlices = {{LangText(OverText) + TotalLine, overs, Blue},
                       {LangText(UnderText) + TotalLine, 100 - overs, Red}};
    }
    ShowSlices(*resultChart, resultSlices);
    ShowSlices(*totalChart, totalSlices);
}

void DBResultGrid::LoadEloChart(QChart* chart, int teamID)
{
    if (!chart)
        return;
    const int season = DBSeason::GetLastSeasonOfTeam(teamID);
    double low = StartingRating, high = StartingRating;
    int longest = 1;
    std::vector<QXYSeries*> curves;
    for (int index = 0; index < RatingSeasons; ++index) {
        QXYSeries* series = LineSeries(*chart, index);
        if (!series)
            return;
        series->replace(RatingCurve(teamID, season - index));
        for (const QPointF& point : series->points()) {
            low = std::min(low, point.y());
            high = std::max(high, point.y());
        }
        longest = std::max(longest, series->count());
        curves.push_back(series);
    }
    // Both seasons on the axes of the first, ranged over both.
    auto* x = AttachedAxis<QValueAxis>(*chart, *curves.front(), Qt::Horizontal);
    auto* y = AttachedAxis<QValueAxis>(*chart, *curves.front(), Qt::Vertical);
    for (QXYSeries* curve : curves)
        for (QValueAxis* axis : {x, y})
            if (!curve->attachedAxes().contains(axis))
                curve->attachAxis(axis);
    SetWholeNumberRange(*x, 0, longest);
    SetWholeNumberRange(*y, low, std::max(high, low + 1));
}
