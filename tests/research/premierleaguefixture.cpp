#include "premierleaguefixture.h"

#include "setup/programfoldersetup.h"
#include "tempfolder.h"
#include "updateservice/footballdatacsv.h"
#include "updateservice/seasonloader.h"

void PremierLeagueFixture::SetUp()
{
    RealSeasonFixture::SetUp();
    if (IsSkipped())
        return;
    std::vector<SeasonSource> sources = {Source(Season2223), Source(Season2324)};
    for (SeasonSource& source : sources)
        source.odds = OddsChoice::Closing;
    LoadSeasons(sources);
    SetupProgramFolder(Folder(), SetupOptions{});
}

PremierLeagueFixture::Matches PremierLeagueFixture::Season2324Matches() const
{
    Matches matches;
    for (const FileMatch& match : ReadFootballDataCsv(ReadFile(shared_ + Season2324), OddsChoice::Closing).matches)
        matches[{match.team1, match.team2}] = match;
    return matches;
}

std::vector<std::string> PremierLeagueFixture::ExportedFacts(const FileMatch& match)
{
    const MatchOdds& odds = match.odds;
    return {odds.kef1,
            odds.kefX,
            odds.kef2,
            odds.un25,
            odds.ov25,
            std::to_string(match.score->first),
            std::to_string(match.score->second),
            odds.handicap,
            odds.asianKef1,
            odds.asianKef2};
}
