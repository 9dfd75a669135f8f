#pragma once

#include <memory>

#include "data/dbseries.h"

class TJXGrid;

// Writes streaks into grids: the 13 current and longest runs of a team, its score
// distribution, the two teams of a coming match side by side with their combined
// distribution, and the top list of one run kind. It owns its DBSeries objects, not
// the grids.
class DBSeriesGrid {
public:
    // grid2 (the away team of a match) and scoreGrid may be null.
    explicit DBSeriesGrid(TJXGrid* grid1, TJXGrid* grid2 = nullptr, TJXGrid* scoreGrid = nullptr);
    ~DBSeriesGrid();
    DBSeriesGrid(const DBSeriesGrid&) = delete;
    DBSeriesGrid& operator=(const DBSeriesGrid&) = delete;

    // The empty first grid: a header and one empty row.
    void Clear();

    // The team card: runs and score distribution of the team Data last computed.
    void SetupSeriesColumns();
    void FillSeries();
    void SetupScoreColumns();
    void FillScores();

    // The nearest-matches window: teams ordered by one run kind (SeriesKind) on a side.
    void SetupTopColumns();
    void FillTop(int kind, int field, bool byMax, int typeID);

    // The match card: the home team's home runs, the away team's away runs (every
    // match of both with allFields) and the distribution of the coming match.
    void SetupMatchColumns();
    void FillMatch(int team1ID, int team2ID, bool allFields);

    // The team's runs, or the top list the window reads the chosen row of.
    const std::unique_ptr<DBSeries> Data;
    // The coming match's distribution; only with a score grid.
    const std::unique_ptr<DBSeries> ScoreData;

private:
    static void WriteSeries(TJXGrid& grid, const DBSeries& series);
    void WriteScores(const DBSeries& series, int divisor);
    void WriteTopRow(int row, int kind);

    TJXGrid* Grid1;
    TJXGrid* Grid2;
    TJXGrid* ScoreGrid;
};
