#pragma once

#include <map>
#include <string>
#include <vector>

// Turns a season file of the openfootball project ({"name", "matches": [{"round", "date",
// "team1", "team2", "score": {"ft", "et"}, "stage"}]}) into instruction files that load
// the league into the match database: country, tournament types, the tournament, the
// season, one table round, the teams, every played league match, and the data version.

// Where the season goes in the database. Ids that other data already use are kept by
// that data: the rows here are plain inserts, so a second load changes nothing.
struct OpenFootballOptions {
    std::string nationalId;    // empty: from the file name ("en" gives "ENG")
    std::string nationalName;  // empty: from the file name ("England")
    std::string champName;     // empty: the file's own name without its season
    int champId = 1;
    int seasonId = 0;          // 0: the year the season starts
    int roundId = 1;
    int firstTeamId = 1;       // teams get ids in the order of their names
    int firstMatchId = 1;
    int firstFileNumber = 1;   // each file leaves its own number as the data version
    int fileCount = 1;         // the matches are spread over this many files
};

struct ConvertedSeason {
    std::vector<std::vector<std::string>> files;  // statements of each instruction file
    std::map<std::string, int> teams;             // name as written in the files -> TeamID
    int matches = 0;                              // played league matches written
    int skipped = 0;                              // matches not played or outside the league stage
};

// Raises EFileError when the file cannot be read and EConvertError when it is no season
// file (no match list, a match without teams or with a broken date).
ConvertedSeason ConvertOpenFootballFile(const std::string& path, OpenFootballOptions options = {});

// The same for the text of such a file; fileCode ("en", "de" ...) gives the country.
ConvertedSeason ConvertOpenFootballJson(const std::string& json, const std::string& fileCode,
                                        OpenFootballOptions options = {});
