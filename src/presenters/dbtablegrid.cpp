#include "presenters/dbtablegrid.h"

#include "data/dbchamp.h"
#include "data/dbseason.h"
#include "data/dbtable.h"
#include "data/dbteam.h"
#include "foundation/jxgrid.h"
#include "foundation/jxmath.h"
#include "platform/adoquery.h"
#include "platform/sysutils.h"
#include "presenters/chartaxes.h"
#include "presenters/gridfill.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QLegend>
#include <QChart>
#include <QValueAxis>

#include <algorithm>

namespace {

constexpr std::uint8_t Left = 0;

// Standings, in column order: position, team, games, wins, draws, losses, goals, points.
constexpr ColumnLayout TableColumns[] = {
    {"30", 1257}, {"100%", 1141, "", Left}, {"60", 1142}, {"35", 1143},
    {"35", 1144}, {"35", 1145},             {"90", 1146}, {"60", 1147}};
constexpr ColumnLayout MatchTableColumns[] = {
    {"8%", 1257}, {"33%", 1141, "", Left}, {"10%", 1142}, {"8%", 1143},
    {"8%", 1144}, {"8%", 1145},            {"15%", 1146}, {"10%", 1147}};

// Statistics, in column order: hidden, name, [tournament,] games, W-D-L, Under-Over,
// ByScore-NoScore, ByMiss-NoMiss, Minus, Plus, scored and conceded per game. The
// tournament layouts sum home rows, so their headers name home and away sides.
constexpr ColumnLayout Hidden = {"0", 0, "", Left};
constexpr ColumnLayout SeasonColumns[] = {
    Hidden,       {"100%", 1148}, {"96", 1023},           {"30", 1142},          {"80", 1155},         {"55", 1149},
    {"55", 1156}, {"55", 1157},   {"32", 0, "-1.5"},      {"32", 0, "+1.5"},     {"30", 1158},         {"30", 1159}};
constexpr ColumnLayout ChampSeasonColumns[] = {
    Hidden,       {"100%", 1148}, {"30", 1142},      {"80", 1150},      {"55", 1149}, {"60", 1151},
    {"60", 1152}, {"35", 0, "-1.5"}, {"35", 0, "+1.5"}, {"40", 1153}, {"40", 1154}};
constexpr ColumnLayout ChampStatsColumns[] = {
    Hidden,       {"100%", 1141, "", Left}, {"30", 1142},      {"80", 1155},      {"55", 1149}, {"55", 1156},
    {"55", 1157}, {"35", 0, "-1.5"},        {"35", 0, "+1.5"}, {"35", 1158},      {"35", 1159}};
constexpr ColumnLayout FavChampsColumns[] = {
    Hidden,       {"100%", 1023}, {"40", 1142},      {"80", 1150},      {"55", 1149}, {"60", 1151},
    {"60", 1152}, {"35", 0, "-1.5"}, {"35", 0, "+1.5"}, {"40", 1153}, {"40", 1154}};

// Columns of the statistics layouts besides the team seasons one, which has the
// tournament column after the name and everything else one column further right.
constexpr int NameColumn = 1;
constexpr int TournamentColumn = 2;
constexpr int GamesColumn = 2;

// A cell whose games are 0 has no share to show.
const AnsiString NoShare = "-";

AnsiString Percent(int value, int games)
{
    return FloatToStrRound(100.0 * value / games, 0) + "%";
}

// Shares of one cell joined by "-": "50%-30%-20%".
AnsiString Percents(std::initializer_list<int> values, int games)
{
    if (games == 0)
        return NoShare;
    AnsiString text;
    for (int value : values)
        text += (text.empty() ? "" : "-") + Percent(value, games);
    return text;
}

AnsiString PerGame(int goals, int games)
{
    return games == 0 ? NoShare : FloatToStrRound(static_cast<double>(goals) / games, 2);
}

AnsiString Goals(DBTable& table)
{
    return IntToStr(table.GetGol1()) + " - " + IntToStr(table.GetGol2());
}

// Percent kinds show their value with a literal "%": the values are percentages already.
bool IsPercentKind(int kind)
{
    return kind != DBTableGrid::Gol1Chart && kind != DBTableGrid::Gol2Chart;
}

}  // namespace

DBTableGrid::DBTableGrid(TJXGrid* grid) : grid(grid), table(std::make_unique<DBTable>()) {}

DBTableGrid::~DBTableGrid() = default;

void DBTableGrid::Clear()
{
    ClearGrid(*grid);
}

void DBTableGrid::SetupTableColumns()
{
    SetupGridColumns(*grid, TableColumns, true);
}

void DBTableGrid::SetupMatchTableColumns()
{
    SetupGridColumns(*grid, MatchTableColumns, true);
}

void DBTableGrid::SetupSeasonColumns()
{
    SetupGridColumns(*grid, SeasonColumns);
}

void DBTableGrid::SetupChampSeasonColumns()
{
    SetupGridColumns(*grid, ChampSeasonColumns);
}

void DBTableGrid::SetupChampStatsColumns()
{
    SetupGridColumns(*grid, ChampStatsColumns);
}

void DBTableGrid::SetupFavChampsColumns()
{
    SetupGridColumns(*grid, FavChampsColumns);
}

void DBTableGrid::FillTable()
{
    FillGridRows(*grid, *table, [this](int row) {
        const AnsiString cells[] = {IntToStr(row),
                                    table->GetTeam(),
                                    IntToStr(table->GetGame()),
                                    IntToStr(table->GetWin()),
                                    IntToStr(table->GetDraw()),
                                    IntToStr(table->GetLose()),
                                    Goals(*table),
                                    IntToStr(table->GetPoint())};
        for (int col = 0; col < static_cast<int>(std::size(cells)); ++col)
            SetGridCell(*grid, row, col, cells[col], true);
    });
}

void DBTableGrid::FillMatchTable(int teamID, int field)
{
    const int champ = DBChamp::GetMainLeague(teamID);
    table->SelectTable(champ, DBSeason::GetLastSeasonOfTeamChamp(teamID, champ), field, 0);
    TADOQuery* query = table->GetQuery();
    if (table->Count() > 0)
        for (query->First(); !query->Eof(); query->Next()) {
            if (table->GetTeamID() != teamID)
                continue;
            grid->SetRowCount(2);
            SetGridCell(*grid, 1, 0, IntToStr(query->RecNo()), true);
            const AnsiString cells[] = {DBTeam::ShortName(table->GetTeam()), IntToStr(table->GetGame()),
                                        IntToStr(table->GetWin()),           IntToStr(table->GetDraw()),
                                        IntToStr(table->GetLose()),          Goals(*table),
                                        IntToStr(table->GetPoint())};
            for (int col = 1; col <= static_cast<int>(std::size(cells)); ++col)
                SetGridCell(*grid, 1, col, cells[col - 1]);
            grid->Invalidate();
            return;
        }
    Clear();
    grid->Invalidate();
}

void DBTableGrid::WriteStatistics(int row, int gamesColumn)
{
    DBTable& t = *table;
    const int games = t.GetGame();
    const AnsiString cells[] = {IntToStr(games),
                                Percents({t.GetWin(), t.GetDraw(), t.GetLose()}, games),
                                Percents({t.GetUnder(), t.GetOver()}, games),
                                Percents({t.GetByScore(), t.GetNoScore()}, games),
                                Percents({t.GetByMiss(), t.GetNoMiss()}, games),
                                Percents({t.GetMinus()}, games),
                                Percents({t.GetPlus()}, games),
                                PerGame(t.GetGol1(), games),
                                PerGame(t.GetGol2(), games)};
    for (int i = 0; i < static_cast<int>(std::size(cells)); ++i)
        SetGridCell(*grid, row, gamesColumn + i, cells[i]);
}

void DBTableGrid::FillSeasonStats(bool champLayout, QChart* chart, int kind)
{
    const int rows = table->Count();
    std::vector<ChartPoint> points(std::max(rows, 0));
    FillGridRows(*grid, *table, [&](int row) {
        if (!champLayout)
            SetGridCell(*grid, row, TournamentColumn, table->GetChampName());
        SetGridCell(*grid, row, NameColumn, table->GetSeasonName(), true);
        WriteStatistics(row, champLayout ? GamesColumn : GamesColumn + 1);
        if (chart)
            AddChartPoint(points, rows - row + 1, table->GetSeasonName(), ChartValue(kind));
    });
    if (chart)
        ShowChart(*chart, points, kind);
}

void DBTableGrid::AddChartPoint(std::vector<ChartPoint>& points, int x, const AnsiString& label, double value)
{
    points.at(x - 1) = ChartPoint{label, value};
}

void DBTableGrid::ShowChart(QChart& chart, const std::vector<ChartPoint>& points, int kind)
{
    if (chart.series().isEmpty())
        chart.addSeries(new QBarSeries(&chart));  // the chart owns its series
    auto* series = qobject_cast<QBarSeries*>(chart.series().first());
    if (!series)
        return;
    series->clear();
    auto* bars = new QBarSet(QString());
    QStringList categories;
    double highest = 0;
    for (const ChartPoint& point : points) {
        bars->append(point.value);
        categories.append(QString::fromStdString(point.label));
        highest = std::max(highest, point.value);
    }
    // The theme draws value labels in a colour that does not show on its background.
    bars->setLabelColor(Qt::black);
    series->append(bars);  // the series owns its sets
    series->setLabelsFormat(IsPercentKind(kind) ? "@value%" : "@value");
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    series->setLabelsVisible(true);
    // One unnamed set: a legend would show an empty entry.
    chart.legend()->hide();

    // Explicit axes and ranges after loading: nothing is guessed from stale bars.
    auto* seasons = AttachedAxis<QBarCategoryAxis>(chart, *series, Qt::Horizontal);
    seasons->setCategories(categories);
    seasons->setTruncateLabels(false);
    auto* axis = AttachedAxis<QValueAxis>(chart, *series, Qt::Vertical);
    SetBarRange(*axis, highest, LaidOutPlotHeight(chart), bars->labelFont());
}

double DBTableGrid::ChartValue(int kind)
{
    const int games = table->GetGame();
    if (games == 0)
        return 0;
    const auto percent = [games](int value) { return RoundTo(100.0 * value / games, 0); };
    switch (kind) {
    case WinChart: return percent(table->GetWin());
    case DrawChart: return percent(table->GetDraw());
    case LoseChart: return percent(table->GetLose());
    case OverChart: return percent(table->GetOver());
    case UnderChart: return percent(table->GetUnder());
    case Gol1Chart: return RoundTo(static_cast<double>(table->GetGol1()) / games, 2);
    default: return RoundTo(static_cast<double>(table->GetGol2()) / games, 2);
    }
}

void DBTableGrid::FillChampStats()
{
    FillGridRows(*grid, *table, [this](int row) {
        SetGridCell(*grid, row, NameColumn, table->GetTeam(), true);
        WriteStatistics(row, GamesColumn);
    });
}

void DBTableGrid::FillFavChamps(int seasonID, int sortMode)
{
    table->SelectChampsStats(seasonID, sortMode);
    FillGridRows(*grid, *table, [this](int row) {
        SetGridCell(*grid, row, NameColumn, table->GetNationalID() + ". " + table->GetChampName(), true);
        WriteStatistics(row, GamesColumn);
    });
}
