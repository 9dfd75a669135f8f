#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "configfolder.h"
#include "realseasonfixture.h"
#include "updateservice/seasonfile.h"

// The 2022-23 and 2023-24 Premier League with Bet365's closing odds, taken in as an
// update brings them into a program folder made by the setup.
class PremierLeagueFixture : public RealSeasonFixture {
protected:
    void SetUp() override;

    // The 2023-24 matches as the season file gives them, by home and away team.
    using Matches = std::map<std::pair<std::string, std::string>, FileMatch>;
    Matches Season2324Matches() const;
    // The odds, the score and the Asian handicap of a match as the file writes them, in
    // the order of the export lines from the home-win odds on.
    static std::vector<std::string> ExportedFacts(const FileMatch& match);

    static inline const std::string Season2223 = "football-data-co-uk/E0_2223.csv";
    static inline const std::string Season2324 = "football-data-co-uk/E0_2324.csv";

private:
    ConfigFolder config_;
};
