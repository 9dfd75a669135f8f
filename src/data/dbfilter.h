#pragma once

#include "data/dbase.h"

// The kinds of view, the Mode of a history entry.
namespace FilterMode {
inline constexpr int Team = 1;        // the matches of one team
inline constexpr int Tournament = 2;  // one tournament in one season (or every season)
inline constexpr int Pair = 3;        // the matches between two teams
}  // namespace FilterMode

// The back/forward history of the main window's views, kept in the table Filter:
// at most 10 entries, one of them current. Between calls the cursor stands on the
// current entry, and the readers and writers work on that row.
//
// Modes: 1 one team, 2 a tournament in one season, 3 two teams. Goal conditions are
// addressed by their kind ("Score", "Miss", "Total"), which names the column pair
// kind + "Eq" and kind + "Count".
class DBFilter : public DBase {
public:
    // Reads the history and moves to the current entry; without a current entry the
    // last one. False (logged) when the history cannot be read.
    bool Update();
    // Renumbers the entries 1, 2, 3 ... in their order.
    void UpdateID();
    // Keeps only the current entry, as FilterID 1.
    void EraseFilter();

    bool CanBack();
    bool CanForward();
    // Leave the current entry (remembering the grid row selected in it) for the
    // previous or the next one.
    void Back(int row);
    void Forward(int row);

    // Each adds a view after the current one, which drops the forward part of the
    // history; the new entry becomes current. A team view of the team already shown
    // only changes the season of the current entry.
    bool AddTeam(int teamID, int seasonID);
    bool AddTeamRival(int teamID, int rivalID);
    bool AddChamp(int champID, int seasonID);
    // Makes room for a new entry after cur, the FilterID of the cursor row.
    void Truncate(int cur);

    int GetFilterID();
    int GetMode();
    int GetRow();
    int GetTeamID();
    int GetTeamRivalID();
    int GetChampID();
    int GetSeasonWith();
    int GetField();
    bool GetIsWin();
    bool GetIsDraw();
    bool GetIsLose();
    bool GetIsChamp();
    bool GetIsCup();
    bool GetIsEuro();
    AnsiString GetEq(const AnsiString& kind);
    double GetCount(const AnsiString& kind);
    AnsiString GetTeam();
    AnsiString GetTeamRival();
    AnsiString GetTeamNat();
    AnsiString GetTeamRivalNat();
    AnsiString GetChampName();
    AnsiString GetChampNat();
    AnsiString GetSeasonName();
    // The smallest FilterID of the table; 0 when it is empty.
    static int GetMinFilterID();

    // The relation between the team's goals and the rival's that keeps the chosen
    // results; "==" when no result condition applies.
    AnsiString GetResultOp();
    // The same relation for the results kept by the three choices.
    static AnsiString ResultRelation(bool win, bool draw, bool lose);

    // Writers of the cursor row. The open list is not re-read: the readers return the
    // old values until the next Update.
    void SetRow(int row);
    void SetField(int field);
    void SetSeasonWith(int seasonID);
    void SetIsWin(bool value);
    void SetIsDraw(bool value);
    void SetIsLose(bool value);
    void SetIsChamp(bool value);
    void SetIsCup(bool value);
    void SetIsEuro(bool value);
    void SetEq(const AnsiString& kind, const AnsiString& op);
    // count is a number text with "." or ","; a text that is no number is logged and
    // leaves the stored count unchanged.
    void SetCount(const AnsiString& kind, const AnsiString& count);
    void SetFilterID(int filterID);

private:
    // Walks from the first entry to the current one.
    void MoveToCurrent();
    // Reads the history when no list is open yet, so an add never works on a stale
    // cursor of 0 (which would cut every entry).
    void EnsureOpen();
    // "UPDATE Filter SET " + assignment + " WHERE FilterID=" + the cursor row's id.
    void UpdateCursorRow(const AnsiString& assignment);
    void Move(int row, bool forward);
};
