#pragma once

#include <string>

#include "seasonfile.h"

// Reads a season file of the openfootball project ({"name": "English Premier League
// 2018/19", "matches": [{"round", "date", "time", "team1", "team2", "score": {"ft",
// "et"}, "stage"}]}). In a league (champTypeID of a league) the matchdays ("Matchday 12",
// "Regular, Matchday 12") form the table and every other round (the play-offs) is a
// stage of its own; in a cup every round is. The score after extra time, where the file
// has one, is the final score and marks the match as decided after extra time; a match
// without a score is not played. Raises EConvertError when the text is no season file
// (no match list, a match without teams or with a broken date).
SeasonFile ReadOpenFootballJson(const std::string& json, int champTypeID);
