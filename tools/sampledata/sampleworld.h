#pragma once

#include <string>
#include <vector>

#include "sampledata/matchmodel.h"
#include "sampledata/samplenames.h"

// The football world the sample data describe: clubs with a strength that drifts
// from season to season, countries with a league and a cup, and the matches.

struct SampleClub {
    int teamId = 0;
    std::string name;
    int country = 0;
    double baseStrength = 0;
    double openness = 0;            // more goals at both ends of its matches
    std::vector<double> strengths;  // one per season, in season order
};

struct SampleCountry {
    CountryNames names;
    int leagueId = 0;
    int cupId = 0;
    std::vector<int> clubs;                       // team ids, strongest first at the start
    std::vector<int> league;                      // team ids of the league in the season being played
    std::vector<std::vector<int>> seasonLeagues;  // per season: the league's team ids
    std::vector<std::vector<int>> finalTables;    // per season: the league's team ids in final order
};

struct SampleSeason {
    int id = 0;            // 1, 2, ... in time order
    int index = 0;         // id - 1
    int year = 0;          // the year the season starts in: "2023/2024" has 2023
    int startDay = 0;      // day number of its first matchday
    bool current = false;  // the season under way today: played up to today, fixtures after
};

struct SampleMatch {
    int day = 0;
    int team1 = 0;
    int team2 = 0;
    int gol1 = 0;
    int gol2 = 0;
    int tur = 0;
    bool aet = false;
    bool played = false;
    int roundId = 0;
    int champId = 0;
    int seasonId = 0;
    int fixTime = -1;  // kick-off as hhmm, -1 when unknown
    GoalRates rates;
    SampleOdds odds;
};
