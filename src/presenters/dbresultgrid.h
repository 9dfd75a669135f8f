#pragma once

#include <memory>

#include "data/dbresult.h"

class QChart;
class TJXGrid;

// Writes result marks into a grid: the strip of a team's last results (one column per
// result, one row per mark kind) with its two pies, the mark table of a tournament
// season, and its cross table; and draws a team's rating over its last two seasons.
// It owns its DBResult, not the grid.
class DBResultGrid {
public:
    explicit DBResultGrid(TJXGrid* grid);
    ~DBResultGrid();
    DBResultGrid(const DBResultGrid&) = delete;
    DBResultGrid& operator=(const DBResultGrid&) = delete;

    // A header and one empty row.
    void Clear();
    // Every mark cell (from row 1 and column 1 on) blank and white.
    void ClearMarks();

    // The strip of a team's last 30 results: row titles of the six mark kinds with the
    // settings' lines as they are now, and the result numbers 1 to 30.
    void SetupLastColumns();
    // Marks of the open Data set, the oldest result in column 1; with both charts the
    // pies of results and of totals against 2.5. An empty set leaves the strip blank
    // with its seven rows, ready for the next fill.
    void FillLast(QChart* resultChart, QChart* totalChart);

    // The tournament mark table: a team per row, 40 result columns of which 20 show.
    void SetupChampColumns();
    // Marks of kind (MarkKind) for every team of the tournament's last season, in
    // standings order on side field, each team's oldest result in column 1; the 20
    // columns ending at the longest team's newest result stay visible.
    void FillChamp(int champID, int field, int kind);

    // The cross table of the tournament's last season: the teams in standings order,
    // each row's home scores under its rivals' numbers, coloured by the home result.
    void FillCross(int champID);

    // One mark of kind (MarkKind) for Data's current row, written only inside the grid.
    void FillMark(int row, int col, int kind);

    // A team's rating after each match of its last season (series 0) and the season
    // before (series 1), each starting at 1000.
    static void LoadEloChart(QChart* chart, int teamID);

    // The windows open it before FillLast.
    const std::unique_ptr<DBResult> Data;

private:
    // Shows the 20 result columns ending at lastColumn.
    void ShowChampColumns(int lastColumn);

    TJXGrid* Grid;
    // Marks written since the last FillLast: "+", "=" and "-" of the result, ">" of the total.
    int Wins = 0;
    int Draws = 0;
    int Losses = 0;
    int Overs = 0;
};
