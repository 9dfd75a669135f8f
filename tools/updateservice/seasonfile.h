#pragma once

#include <QDate>

#include <optional>
#include <string>
#include <utility>
#include <vector>

// What a season file of either source holds, read but not yet placed in the database.

// Odds as the file writes them (checked to be numbers); empty when the file has none.
struct MatchOdds {
    std::string kef1, kefX, kef2;
    std::string un25, ov25;
    std::string handicap, asianKef1, asianKef2;  // the line for the home team and its two prices
};

struct FileMatch {
    QDate date;
    std::string fixTime;  // kick-off "hhmm"; empty when unknown
    std::string team1, team2;
    std::optional<std::pair<int, int>> score;  // the final score, after extra time when there was one
    bool aet = false;
    std::string stage;  // a stage outside the league table (cup round, play-off); empty for the table
    int tur = 0;        // matchday of the table; 0 for the other stages
    MatchOdds odds;
};

struct SeasonFile {
    std::string name;        // the tournament's name as the file gives it, without the season; may be empty
    std::string seasonName;  // "2018/19" when the file names its season; else empty
    std::vector<FileMatch> matches;
};

// The kick-off "hhmm" of a clock time "hh:mm"; empty for anything else.
std::string FixTimeOfClock(const std::string& clock);
