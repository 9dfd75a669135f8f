#pragma once

#include "data/dbase.h"
#include "platform/types.h"

class IProgressBar;

// An Elo-style strength rating of the teams of the national leagues, computed one
// season at a time by walking the season's league matches in date order: EloFixed
// holds every match's ratings before and after it, EloStats a season's summary by
// rating difference. Every season starts afresh at 1000.
class DBEloRang : public DBase {
public:
    DBEloRang();
    ~DBEloRang() override;

    // Recomputes the EloFixed rows of a season in one transaction, the old rows'
    // removal included, so a walk that does not finish keeps them. A failed INSERT is
    // logged and the walk goes on. The date cut, when given, keeps the matches before
    // that date of 2009 (the text gives it up to the year). bar may be null; it ends
    // at 100. The message loop runs after every match.
    void UpdateSeason(int seasonID, const AnsiString& dateCut, IProgressBar* bar);
    // Rebuilds the EloStats rows of a season from its EloFixed rows.
    static void UpdateEloStats(int seasonID);

    // The rating after the match of the side whose goals come first.
    static double NewRang(int goalsOwn, int goalsRival, double ratingOwn, double ratingRival, bool isHome);
    // The expected score of the side rated ratingOwn; the home side gets 100 points more.
    static double ExpectedScore(bool isHome, double ratingOwn, double ratingRival);

    // Lookups over the team's rated matches of every season, newest first; a team
    // without any reads 0. A count beyond the oldest match stops at it.
    static int GetRang(int teamID);
    // The latest rating minus the rating five matches earlier.
    static int GetRangTrend(int teamID);
    // The rating after the n-th most recent match, 0 being the latest.
    static int GetRangBack(int teamID, int n);

    static constexpr float StartRating = 1000.0f;

private:
    // Opens the team's rated matches, newest first.
    void SelectRatings(int teamID);
    // The team's rating in the current row of SelectRatings.
    int RatingOf(int teamID) const;
};
