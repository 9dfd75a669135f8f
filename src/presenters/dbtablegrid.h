#pragma once

#include <memory>
#include <vector>

#include "platform/types.h"

class DBTable;
class QChart;
class TJXGrid;

// Writes standings and statistics into a grid: full standings, a team's one-row
// extract for the match card, season statistics with an optional bar chart, the teams
// of a tournament and the favourite tournaments. It owns the DBTable whose rows it
// writes (the window opens the query first, except for FillMatchTable and
// FillFavChamps) but not the grid.
class DBTableGrid {
public:
    // What the season chart shows: shares of wins, draws, losses, over and under 2.5
    // goals in percent, or home and away goals per game.
    enum ChartKind { WinChart, DrawChart, LoseChart, OverChart, UnderChart, Gol1Chart, Gol2Chart };

    explicit DBTableGrid(TJXGrid* grid);
    ~DBTableGrid();
    DBTableGrid(const DBTableGrid&) = delete;
    DBTableGrid& operator=(const DBTableGrid&) = delete;

    DBTable* Table() const { return table.get(); }

    // The empty grid: a header and one empty row.
    void Clear();

    // Standings: position, team, games, wins, draws, losses, goals, points; pixel
    // widths for the tournament card, shares for the match card.
    void SetupTableColumns();
    void SetupMatchTableColumns();
    // Statistics: a team's seasons (with the tournament), a tournament's seasons, the
    // teams of a tournament, the favourite tournaments.
    void SetupSeasonColumns();
    void SetupChampSeasonColumns();
    void SetupChampStatsColumns();
    void SetupFavChampsColumns();

    void FillTable();
    // The team's row in the standings of its main league's last season it played.
    void FillMatchTable(int teamID, int field);
    // One row per season in the tournament layout (champLayout) or the team layout,
    // and with a chart one bar per season, the oldest left.
    void FillSeasonStats(bool champLayout, QChart* chart, int kind);
    void FillChampStats();
    void FillFavChamps(int seasonID, int sortMode);

private:
    struct ChartPoint {
        AnsiString label;
        double value = 0;
    };

    // The statistics cells of the current row from column games on.
    void WriteStatistics(int row, int gamesColumn);
    // Puts a season's bar at x (1 leftmost).
    static void AddChartPoint(std::vector<ChartPoint>& points, int x, const AnsiString& label, double value);
    // The chart's first series (a bar series, added when there is none) shows the points.
    static void ShowChart(QChart& chart, const std::vector<ChartPoint>& points, int kind);
    double ChartValue(int kind);

    TJXGrid* grid;
    std::unique_ptr<DBTable> table;
};
