#include "presenters/dbfixedgrid.h"

#include "data/codes.h"
#include "data/dbfixed.h"
#include "data/dbteam.h"
#include "foundation/jxgrid.h"
#include "foundation/jxstr.h"
#include "foundation/resulticons.h"
#include "presenters/chartaxes.h"
#include "presenters/gridfill.h"
#include "platform/sysutils.h"

#include <QChart>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>
#include <span>
#include <vector>

namespace {

// The grid column of each logical column of the main list.
constexpr int colMap[] = {6, 0, 2, 4, 3, 1, 5, 7, 8, 9};

// In grid-column order; without odds only the first seven.
constexpr ColumnLayout MainColumns[] = {
    {"10%", 1022}, {"17%", 1023}, {"27%", 1024}, {"6%", 1025}, {"27%", 1026},
    {"13%", 1027}, {"19", 0, "", 2, true}, {"30", 1028}, {"30", 1029}, {"30", 1030}};
constexpr int MainColumnsWithoutOdds = 7;
constexpr ColumnLayout LastSmallColumns[] = {
    {"60", 1022}, {"30", 1065}, {"100%", 1066}, {"35", 1025}, {"100", 1023}};
constexpr ColumnLayout CalendarColumns[] = {
    {"60", 1022}, {"100", 1023}, {"50%", 1024}, {"50%", 1026}, {"80", 1027}};

constexpr int MainChampLength = 16;
constexpr int CompactChampLength = 10;
constexpr int HomeMarkText = 1067;
constexpr int AwayMarkText = 1068;
constexpr TColor FirstDateBlock = 0xE0EEFF;
constexpr TColor OtherDateBlock = 0xFFEEE0;

// A match's outcome as the home team's result.
int HomeResult(int outcome)
{
    if (outcome == ResultCode::HomeWin)
        return ResultCode::Win;
    return outcome == ResultCode::AwayWin ? ResultCode::Lose : ResultCode::Draw;
}

// The first characters of a name, counted as characters, not bytes.
AnsiString Cut(const AnsiString& text, int length)
{
    return JXStr::SubStr(text, 1, length).GetAnsi();
}

int ChartValue(int mode, int own, int rival)
{
    switch (mode) {
    case 0: return own;
    case 1: return rival;
    case 2: return own - rival;
    default: return own + rival;
    }
}

// Shows one value per match, the first (newest) at x = N and the last at x = 1.
void ShowChartValues(QChart& chart, const std::vector<int>& values)
{
    if (chart.series().isEmpty()) {
        auto* line = new QLineSeries(&chart);
        chart.addSeries(line);  // the chart owns its series
    }
    auto* series = qobject_cast<QXYSeries*>(chart.series().first());
    if (!series)
        return;
    const int count = static_cast<int>(values.size());
    QList<QPointF> points;
    points.reserve(count);
    for (int i = 0; i < count; ++i)
        points.append(QPointF(count - i, values[i]));
    series->replace(points);

    // Explicit ranges after loading: the axes never guess from stale points.
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    SetWholeNumberRange(*AttachedAxis<QValueAxis>(chart, *series, Qt::Horizontal), 0, count + 1);
    SetWholeNumberRange(*AttachedAxis<QValueAxis>(chart, *series, Qt::Vertical), std::min(0, count ? *low : 0),
                        std::max(1, count ? *high : 1));
}

}  // namespace

DBFixedGrid::DBFixedGrid(TJXGrid* grid) : grid(grid), fixed(std::make_unique<DBFixed>()) {}

DBFixedGrid::~DBFixedGrid() = default;

int DBFixedGrid::GridColumn(MainColumn column)
{
    return colMap[column];
}

TColor DBFixedGrid::GetResultColor(int result)
{
    return ResultColor(result);
}

TColor DBFixedGrid::GetHomeResultColor() const
{
    return GetResultColor(fixed->GetAET() ? ResultCode::AfterExtraTime : HomeResult(fixed->GetResult()));
}

void DBFixedGrid::SetupColumns(bool withOdds)
{
    this->withOdds = withOdds;
    SetupGridColumns(*grid, std::span(MainColumns).first(withOdds ? std::size(MainColumns) : MainColumnsWithoutOdds));
}

void DBFixedGrid::SetupLastSmallColumns()
{
    SetupGridColumns(*grid, LastSmallColumns);
}

void DBFixedGrid::SetupCalendarColumns()
{
    SetupGridColumns(*grid, CalendarColumns);
}

void DBFixedGrid::Clear()
{
    ClearGrid(*grid);
}

void DBFixedGrid::ResetCounters()
{
    counters = MatchCounters();
}

int DBFixedGrid::FillRows(const std::function<void(int row)>& writeRow)
{
    return FillGridRows(*grid, *fixed, writeRow);
}

void DBFixedGrid::SetCell(int row, int col, const AnsiString& text, bool bold, TColor fontColor, TColor background)
{
    SetGridCell(*grid, row, col, text, bold, fontColor, background);
}

bool DBFixedGrid::IsTeamHome() const
{
    return fixed->GetTeamIDText() == IntToStr(fixed->GetTeam1ID());
}

void DBFixedGrid::WriteMatch(int row, const AnsiString& champ, int iconCode, TColor scoreColor, int boldTeam,
                             bool odds)
{
    SetCell(row, colMap[IconColumn], IntToStr(iconCode));
    SetCell(row, colMap[DateColumn], DateTimeToStr(fixed->GetDate()));
    SetCell(row, colMap[ChampColumn], champ);
    SetCell(row, colMap[Team1Column], fixed->GetTeam1(), boldTeam == FieldCode::Home);
    SetCell(row, colMap[Team2Column], fixed->GetTeam2(), boldTeam == FieldCode::Away);
    SetCell(row, colMap[ScoreColumn], fixed->GetScoreText(), true, scoreColor);
    SetCell(row, colMap[RoundColumn], fixed->GetRound());
    if (odds) {
        SetCell(row, colMap[Kef1Column], FloatToStr(fixed->GetKef1()));
        SetCell(row, colMap[KefXColumn], FloatToStr(fixed->GetKefX()));
        SetCell(row, colMap[Kef2Column], FloatToStr(fixed->GetKef2()));
    }
}

int DBFixedGrid::WriteTeamMatch(int row, bool odds)
{
    const int result = fixed->GetResultForTeam();
    WriteMatch(row, Cut(fixed->GetChamp(), MainChampLength), result, GetResultColor(result),
               IsTeamHome() ? FieldCode::Home : FieldCode::Away, odds);
    return result;
}

std::pair<int, int> DBFixedGrid::TeamGoals() const
{
    const bool home = IsTeamHome();
    const int gol1 = fixed->GetGol1();
    const int gol2 = fixed->GetGol2();
    return home ? std::pair(gol1, gol2) : std::pair(gol2, gol1);
}

void DBFixedGrid::CountGoals(int own, int rival)
{
    counters.overs += own + rival > 2;
    counters.goalsFor += own;
    counters.goalsAgainst += rival;
    counters.scoredIn += own > 0;
    counters.concededIn += rival > 0;
    counters.wonBy2 += own - rival > 1;
    counters.notLostBy2 += rival - own < 2;
}

void DBFixedGrid::FillFixed()
{
    ResetCounters();
    counters.games = FillRows([this](int row) {
        const int result = WriteTeamMatch(row, withOdds);
        counters.wins += result == ResultCode::Win;
        counters.losses += result == ResultCode::Lose;
        const auto [own, rival] = TeamGoals();
        CountGoals(own, rival);
    });
}

void DBFixedGrid::FillFixedOdds(bool natPrefix)
{
    ResetCounters();
    counters.games = FillRows([this, natPrefix](int row) {
        const int outcome = fixed->GetResult();
        const AnsiString champ = natPrefix ? Cut(fixed->GetChampWithNat(), MainChampLength) : fixed->GetChamp();
        const int boldTeam = outcome == ResultCode::HomeWin  ? FieldCode::Home
                             : outcome == ResultCode::AwayWin ? FieldCode::Away
                                                              : FieldCode::Both;
        WriteMatch(row, champ, HomeResult(outcome), GetHomeResultColor(), boldTeam, withOdds);
        counters.wins += outcome == ResultCode::HomeWin;
        counters.losses += outcome == ResultCode::AwayWin;
        CountGoals(fixed->GetGol1(), fixed->GetGol2());
    });
}

void DBFixedGrid::FillTeamFixed(QChart* chart, int mode)
{
    std::vector<int> values;
    counters.games = FillRows([this, mode, &values](int row) {
        WriteTeamMatch(row, false);
        const auto [own, rival] = TeamGoals();
        values.push_back(ChartValue(mode, own, rival));
    });
    // An empty list empties the chart too, so it never shows matches the list lacks.
    if (chart)
        ShowChartValues(*chart, values);
}

void DBFixedGrid::FillLastSmall()
{
    FillRows([this](int row) {
        const bool home = IsTeamHome();
        const auto [own, rival] = TeamGoals();
        SetCell(row, 0, DateTimeToStr(fixed->GetDate()));
        SetCell(row, 1, LangText(home ? HomeMarkText : AwayMarkText), true);
        SetCell(row, 2, DBTeam::ShortName(home ? fixed->GetTeam2() : fixed->GetTeam1()));
        SetCell(row, 3, IntToStr(own) + ":" + IntToStr(rival), true, GetResultColor(fixed->GetResultForTeam()));
        SetCell(row, 4, Cut(fixed->GetChamp(), CompactChampLength));
    });
}

void DBFixedGrid::FillCalendar(const AnsiString& teamName)
{
    TDateTime blockDate = 0;
    TColor background = FirstDateBlock;
    FillRows([&](int row) {
        const TDateTime date = fixed->GetDate();
        if (row > 1 && date != blockDate)
            background = background == FirstDateBlock ? OtherDateBlock : FirstDateBlock;
        blockDate = date;
        const AnsiString home = fixed->GetTeam1();
        const AnsiString away = fixed->GetTeam2();
        const bool homeBold = !teamName.empty() && home == teamName;
        const bool awayBold = !teamName.empty() && !homeBold && away == teamName;
        SetCell(row, 0, DateTimeToStr(date), false, 0, background);
        SetCell(row, 1, fixed->GetChamp(), false, 0, background);
        SetCell(row, 2, home, homeBold, 0, background);
        SetCell(row, 3, away, awayBold, 0, background);
        SetCell(row, 4, fixed->GetRound(), false, 0, background);
    });
}
