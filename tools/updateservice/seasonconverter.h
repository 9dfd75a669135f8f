#pragma once

#include <map>
#include <string>
#include <vector>

#include "seasonfile.h"
#include "seasonsource.h"

// The ids a run of conversions starts from.
struct SeasonRunIds {
    int firstChampId = 1;
    int firstRoundId = 1;
    int firstTeamId = 1;
    int firstMatchId = 1;
    int firstFileNumber = 1;  // each file leaves its own number as the data version
};

struct MatchCounts {
    int played = 0;    // Fixed rows
    int fixtures = 0;  // Calendar rows
    int skipped = 0;   // not played before the fixture date
};

struct ConvertedSource {
    std::vector<std::vector<std::string>> files;  // statements of each instruction file
    MatchCounts counts;
};

// Turns season files into the update service's instruction files: the rows every
// list of the program relies on (once per run: the tournament types, the tournament 0
// that stands for all, season 0), then each file's country, tournament, season, stages
// and teams where the run has not written them yet, its played matches (Fixed) and
// coming fixtures (Calendar), and the data version. A name gets one id for the whole
// run: a club in a league and a cup, or in several seasons, is one team. Ids are kept
// by data already in the database: the rows are plain inserts.
class SeasonConverter {
public:
    explicit SeasonConverter(SeasonRunIds ids = {});

    // The statements of one more source, its matches spread over fileCount files that
    // take the next numbers. Raises EFileError when the file cannot be read and
    // EConvertError when it is malformed (the message says where).
    ConvertedSource Convert(const SeasonSource& source, int fileCount = 1);

    // Names as written into the files, with their ids.
    const std::map<std::string, int>& Teams() const { return teams_; }
    const std::map<std::string, int>& Champs() const { return champs_; }
    const std::map<std::string, int>& Seasons() const { return seasons_; }
    const std::map<std::string, int>& Rounds() const { return rounds_; }
    int NextFileNumber() const { return nextFile_; }

private:
    struct Placement;
    struct MatchRow;

    Placement Place(const SeasonSource& source, const SeasonFile& file) const;
    std::vector<std::string> NewRows(const SeasonSource& source, const Placement& place, const SeasonFile& file);
    void AddRound(const std::string& name, bool isTable, std::vector<std::string>& rows);
    std::vector<MatchRow> MatchRows(const SeasonSource& source, const Placement& place, const SeasonFile& file,
                                    MatchCounts& counts);

    std::map<std::string, int> teams_, champs_, seasons_, rounds_;
    std::vector<std::string> nationals_;
    bool referenceWritten_ = false;
    int nextChamp_, nextRound_, nextTeam_, nextMatch_, nextFile_;
};

// What a run wrote: the number of files and each source's counts, in order, and the ids
// of the names.
struct SeasonRun {
    int files = 0;
    std::vector<MatchCounts> counts;
    std::map<std::string, int> teams, champs, seasons, rounds;
};

// Converts the sources in order into the instruction files ids.firstFileNumber.txt,
// the next number .txt ... of folder, one file per source; raises as
// SeasonConverter::Convert does, and EFileError when a file cannot be written.
SeasonRun ConvertSeasons(const std::vector<SeasonSource>& sources, const std::string& folder,
                         SeasonRunIds ids = {});
