#pragma once

#include <array>

#include "platform/types.h"

class IProgressBar;

// Applies the update service's instruction files to data.mdb, one transaction per
// file, and rebuilds the tables derived from the played matches: TeamResults and
// Stats after an update, Series on request.
class DBUpdateView {
public:
    DBUpdateView();
    ~DBUpdateView();
    DBUpdateView(const DBUpdateView&) = delete;
    DBUpdateView& operator=(const DBUpdateView&) = delete;

    // Runs the statements of one instruction file in one transaction. A statement
    // the database rejects is logged, counted and skipped; false only when the
    // transaction itself failed and was rolled back. The file moves bar from pos to
    // pos + step.
    bool ApplyInstructions(const AnsiString& text, IProgressBar* bar, double step, double pos);
    // Statements of the files applied by this object that the database rejected.
    int RejectedStatements() const { return rejected; }

    // The rebuilds below each run in one transaction, their DELETE included, and are
    // true only when every statement ran: a rejected one, a failure or a killed process
    // leaves the tables as they were, and a false result names its reason in the log.
    // Inside a transaction the caller holds, a rebuild is a savepoint of it: a failed
    // one undoes only its own statements.

    // Rebuilds TeamResults, then Stats, moving bar from 0 to 100.
    bool UpdateStats(IProgressBar* bar, int total);
    // Whether TeamResults and Stats may be older than the matches: a change of the
    // matches marks data.mdb so in its own transaction and UpdateStats clears the mark
    // in its own, so a rebuild that never came (a killed update) is still known. A mark
    // that cannot be read is logged and taken as current.
    static bool StatsOutOfDate();
    // Marks them so, inside the transaction of the change; raises when it cannot.
    static void MarkStatsOutOfDate();
    // The league matches of the seasons from maxSeasonID - 1 on, once from each side.
    void RebuildTeamResults(int maxSeasonID);

    // Rebuilds Series: the runs of the favourite tournaments' teams. False when
    // there is nothing to compute from or the rebuild failed.
    bool RebuildSeries(IProgressBar* bar);
    void CalcSeries(IProgressBar* bar, int total);
    // Adds one match of g1 own goals and g2 conceded to the runs of a row, with t the
    // total-goals line.
    void AddMatch(int g1, int g2, double t, int row);
    // Writes the runs of a row as the team's Series row of that side, then clears the row.
    void InsertSeries(int team, int field, int row);

    // Rows of the run tables: every match of a team, its home and its away matches.
    static constexpr int AllRow = 0;
    static constexpr int HomeRow = 2;
    static constexpr int AwayRow = 4;
    // Counters of a row: the 13 run kinds, then the games.
    static constexpr int KindCount = 13;
    static constexpr int GameCounter = 13;

    using SeriesRunTable = std::array<std::array<int, GameCounter + 1>, 6>;

private:
    SeriesRunTable cur{};
    SeriesRunTable max{};
    int rejected = 0;
};
