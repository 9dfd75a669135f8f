#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "platform/types.h"

struct SampleDataOptions {
    static constexpr std::uint64_t DefaultSeed = 20240817;
    static constexpr int DefaultScale = 10000;
    static constexpr int DefaultStatementsPerFile = 4000;

    std::uint64_t seed = DefaultSeed;
    int scale = DefaultScale;  // played matches to reach at least: more countries, more seasons
    int firstSeasonYear = 0;   // 0: the number of seasons follows the scale
    TDateTime today = 0;       // the day the coming fixtures start on; 0: the local date
    int statementsPerFile = DefaultStatementsPerFile;
};

struct SampleDataSummary {
    int files = 0;
    int statements = 0;
    int countries = 0;
    int seasons = 0;
    int playedMatches = 0;
    int comingMatches = 0;
    std::map<std::string, int> rows;  // rows inserted per table
};

// Writes the sample data as numbered instruction files of the update service into
// a folder: countries with a league and a cup each, an international club
// tournament, several seasons of played matches with odds, coming fixtures from
// today on, squads, and the rows every list relies on. The files are the same
// byte for byte for the same options; another today only moves the dates.
class SampleDataGenerator {
public:
    explicit SampleDataGenerator(SampleDataOptions options);

    // The folder must exist. Raises EFileError when a file cannot be written.
    SampleDataSummary Generate(const std::string& folder) const;

private:
    SampleDataOptions options_;
};
