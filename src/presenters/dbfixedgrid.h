#pragma once

#include <functional>
#include <memory>
#include <utility>

#include "platform/types.h"

class DBFixed;
class QChart;
class TJXGrid;

// The figures behind the main window's result summary, counted by the last fill of
// the main list.
struct MatchCounters {
    int games = 0;
    int wins = 0;
    int losses = 0;
    int overs = 0;       // matches with more than 2 goals
    int scoredIn = 0;    // matches in which the team scored
    int concededIn = 0;  // matches in which it conceded
    int goalsFor = 0;
    int goalsAgainst = 0;
    int wonBy2 = 0;      // won by two goals or more
    int notLostBy2 = 0;  // not lost by two goals or more

    bool operator==(const MatchCounters&) const = default;
};

// Writes match lists into a grid: the main list, the team card's list with its goal
// chart, the match card's compact lists and the calendars of coming matches. It owns
// the DBFixed whose rows it writes (the window opens the query first) but not the grid.
class DBFixedGrid {
public:
    explicit DBFixedGrid(TJXGrid* grid);
    ~DBFixedGrid();
    DBFixedGrid(const DBFixedGrid&) = delete;
    DBFixedGrid& operator=(const DBFixedGrid&) = delete;

    // Logical columns of the main list, in the order of its column map.
    enum MainColumn { IconColumn, DateColumn, Team1Column, Team2Column, ScoreColumn, ChampColumn, RoundColumn,
                      Kef1Column, KefXColumn, Kef2Column };
    // The grid column that shows a logical column of the main list.
    static int GridColumn(MainColumn column);

    DBFixed* Fixed() const { return fixed.get(); }
    const MatchCounters& Counters() const { return counters; }

    // Main list: date, tournament, home, score, away, round, result icon and, with
    // odds, the three prices.
    void SetupColumns(bool withOdds);
    // Played matches seen from the query's remembered team, counted for the summary.
    void FillFixed();
    // Played matches seen from the home side; natPrefix puts the tournament's country
    // before its name, except for international ("EUR") tournaments.
    void FillFixedOdds(bool natPrefix);
    // The team card's list and its chart: one point per match, the oldest at x = 1,
    // y by mode: 0 own goals, 1 rival goals, 2 own minus rival, 3 both together.
    // The chart may be null; without a series it gets a line series.
    void FillTeamFixed(QChart* chart, int mode);

    // The match card's compact list of one team's last matches.
    void SetupLastSmallColumns();
    void FillLastSmall();

    // Coming matches in blocks of one date; teamName, when given, is set bold.
    void SetupCalendarColumns();
    void FillCalendar(const AnsiString& teamName);

    // The empty list: a header and one empty row.
    void Clear();
    void ResetCounters();

    // Colour of a team's ResultCode (win, draw, loss, decided after extra time).
    static TColor GetResultColor(int result);
    // Colour of the current match's score seen from the home side.
    TColor GetHomeResultColor() const;

private:
    // Walks the query's rows into grid rows 1.. (or clears the grid when there are
    // none) and repaints; returns the number of rows.
    int FillRows(const std::function<void(int row)>& writeRow);
    // Writes a cell's text together with its whole display record, as records
    // outlive the rows they were written for.
    void SetCell(int row, int col, const AnsiString& text, bool bold = false, TColor fontColor = 0,
                 TColor background = 0xFFFFFF);
    // The current row into a main-list row; boldTeam is the FieldCode of the team set
    // bold, FieldCode::Both for neither.
    void WriteMatch(int row, const AnsiString& champ, int iconCode, TColor scoreColor, int boldTeam,
                    bool odds);
    // The current row as seen from the remembered team; returns its result code.
    int WriteTeamMatch(int row, bool odds);
    bool IsTeamHome() const;
    // The current row's goals as (the remembered team's, its rival's).
    std::pair<int, int> TeamGoals() const;
    void CountGoals(int own, int rival);

    TJXGrid* grid;
    std::unique_ptr<DBFixed> fixed;
    bool withOdds = false;
    MatchCounters counters;
};
