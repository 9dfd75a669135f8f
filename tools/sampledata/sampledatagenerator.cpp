#include "sampledata/sampledatagenerator.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string_view>
#include <tuple>
#include <vector>

#include "data/codes.h"
#include "sampledata/competitionsimulator.h"
#include "sampledata/instructionfilewriter.h"
#include "platform/sysutils.h"
#include "sampledata/sampleids.h"
#include "sampledata/samplesql.h"
#include "sampledata/samplesquads.h"
#include "sampledata/sampleworld.h"

namespace {

constexpr int MinCountries = 4;
constexpr int MinSeasons = 4;
constexpr int MaxSeasons = 12;
constexpr int MatchesPerExtraSeason = 40000;  // a bigger scale also reaches further back
constexpr int MaxSeasonsBack = 60;
constexpr std::uint64_t ClubStream = 4ULL << 56;

constexpr double TopClubStrength = 0.9;
constexpr double StrengthRange = 1.7;  // from the strongest club of a country to its weakest
constexpr double StrengthSpread = 0.12;
constexpr double CountryOpennessSpread = 0.08;
constexpr double ClubOpennessSpread = 0.06;

// Core tables a full load replaces; the user's own tables (history, favourite teams) stay.
const std::vector<std::string_view> CoreTables = {"Fixed",     "Calendar",    "PlayersSquad", "Players",
                                                  "PlayerPos", "PlayerFlang", "Team",         "Champ",
                                                  "ChampType", "Round",       "Season",       "National"};

struct RoundRow {
    int id;
    const char* name;
    bool isTable;
    int orderNumber;
};

// A round cell shows the stage's name and the round ("Round 25"): the names keep it
// within the lists' round columns.
const std::vector<RoundRow> RoundRows = {
        {SampleIds::RegularSeason, "Round", true, 1},
        {SampleIds::ChampionshipRound, "Top six", true, 2},
        {SampleIds::RelegationRound, "Bottom six", true, 3},
        {SampleIds::Last32, "1/16 final", false, 0},
        {SampleIds::Last16, "1/8 final", false, 0},
        {SampleIds::QuarterFinal, "Quarter-final", false, 0},
        {SampleIds::SemiFinal, "Semi-final", false, 0},
        {SampleIds::Final, "Final", false, 0},
};

class StatementSink {
public:
    StatementSink(InstructionFileWriter& writer, SampleDataSummary& summary) : writer_(writer), summary_(summary) {}

    void Statement(const std::string& statement) { writer_.Add(statement); }

    void Insert(std::string_view table, const std::vector<std::string>& values)
    {
        writer_.Add(InsertStatement(table, values));
        ++summary_.rows[std::string(table)];
    }

private:
    InstructionFileWriter& writer_;
    SampleDataSummary& summary_;
};

std::string Int(int value)
{
    return std::to_string(value);
}

std::string YesNo(bool value)
{
    return value ? "-1" : "0";
}

int DayOf(TDateTime today)
{
    return static_cast<int>(std::floor(today == 0 ? Date() : today));
}

int YearOf(int day)
{
    int year = 0, month = 0, dayOfMonth = 0;
    DecodeDate(day, year, month, dayOfMonth);
    return year;
}

std::vector<SampleSeason> MakeSeasons(const SampleDataOptions& options, int today)
{
    const int currentStart = today - SeasonDaysBeforeToday;
    const int currentYear = YearOf(currentStart);
    int count = std::clamp(MinSeasons + options.scale / MatchesPerExtraSeason, MinSeasons, MaxSeasons);
    if (options.firstSeasonYear != 0)
        count = std::clamp(currentYear - options.firstSeasonYear + 1, 1, MaxSeasonsBack);
    std::vector<SampleSeason> seasons;
    for (int i = 0; i < count; ++i) {
        const int back = count - 1 - i;
        seasons.push_back({i + 1, i, currentYear - back, currentStart - back * DaysBetweenSeasons, back == 0});
    }
    return seasons;
}

SampleCountry MakeCountry(int index, std::vector<SampleClub>& clubs, int seasonCount, std::uint64_t seed)
{
    SampleCountry country;
    country.names = SampleCountryNames(index);
    country.leagueId = SampleIds::League(index);
    country.cupId = SampleIds::Cup(index);
    SampleRandom rng(seed, ClubStream | static_cast<std::uint64_t>(index));
    const double countryOpenness = rng.Normal(0, CountryOpennessSpread);
    for (int k = 0; k < ClubsPerCountry; ++k) {
        SampleClub club;
        club.teamId = SampleIds::FirstTeam(index) + k;
        club.name = country.names.clubs[k];
        club.country = index;
        club.baseStrength = country.names.level + TopClubStrength - StrengthRange * k / (ClubsPerCountry - 1) +
                            rng.Normal(0, StrengthSpread);
        club.openness = countryOpenness + rng.Normal(0, ClubOpennessSpread);
        club.strengths.assign(seasonCount, club.baseStrength);
        country.clubs.push_back(club.teamId);
        clubs.push_back(club);
    }
    country.league.assign(country.clubs.begin(), country.clubs.begin() + country.names.leagueSize);
    return country;
}

std::string VersionUpdate(int fileNumber, int today)
{
    return "{u}Version{s}UpdateNum=" + SqlText(Int(fileNumber)) + ", UpdateDate=" + SqlText(DateToStr(today)) +
           ", UpdateSeries=-1";
}

void WriteStart(StatementSink& sink)
{
    sink.Statement("{d}Version");
    sink.Insert("Version", {"'0'", "''", "0"});
    for (std::string_view table : CoreTables)
        sink.Statement("{d}" + SqlTable(table));
}

void WriteTournaments(StatementSink& sink, const std::vector<SampleCountry>& countries)
{
    sink.Insert("ChampType", {Int(ChampTypeID::League), SqlText("Championship")});
    sink.Insert("ChampType", {Int(ChampTypeID::Cup), SqlText("Cup")});
    sink.Insert("ChampType", {Int(ChampTypeID::International), SqlText("International")});
    sink.Insert("National", {SqlText(SampleIds::EuroCountry), SqlText("Europe")});
    for (const SampleCountry& c : countries)
        sink.Insert("National", {SqlText(c.names.code), SqlText(c.names.name)});

    // ChampID, Name, NationalID, TypeID, Fav, SortName, Koef
    sink.Insert("Champ", {Int(SampleIds::AllChamps), SqlText("All tournaments"), SqlText(SampleIds::EuroCountry),
                          Int(ChampTypeID::League), YesNo(true), SqlText("0000"), "1"});
    sink.Insert("Champ", {Int(SampleIds::EuroCup), SqlText("Champions Cup"), SqlText(SampleIds::EuroCountry),
                          Int(ChampTypeID::International), YesNo(true), SqlText("0001"), "1.5"});
    for (std::size_t i = 0; i < countries.size(); ++i) {
        const SampleCountry& c = countries[i];
        char order[8];
        std::snprintf(order, sizeof order, "%03d", static_cast<int>(i + 1));
        sink.Insert("Champ",
                    {Int(c.leagueId), SqlText(c.names.leagueName), SqlText(c.names.code), Int(ChampTypeID::League),
                     YesNo(c.names.favouriteLeague), SqlText(std::string(order) + "1"),
                     SqlHundredths(static_cast<int>(std::lround(100 * (1 + c.names.level))))});
        sink.Insert("Champ", {Int(c.cupId), SqlText(c.names.cupName), SqlText(c.names.code), Int(ChampTypeID::Cup),
                              YesNo(c.names.favouriteCup), SqlText(std::string(order) + "2"), "0.8"});
    }
}

void WriteSeasonsAndRounds(StatementSink& sink, const std::vector<SampleSeason>& seasons)
{
    sink.Insert("Season", {"0", SqlText("All seasons"), "0"});
    for (const SampleSeason& s : seasons)
        sink.Insert("Season", {Int(s.id), SqlText(Int(s.year) + "/" + Int(s.year + 1)), Int(s.year)});
    for (const RoundRow& r : RoundRows)
        sink.Insert("Round", {Int(r.id), SqlText(r.name), YesNo(r.isTable), Int(r.orderNumber)});
    for (int g = 0; g < SampleIds::GroupCount; ++g) {
        const std::string name = std::string("Group ") + static_cast<char>('A' + g);
        sink.Insert("Round", {Int(SampleIds::FirstGroup + g), SqlText(name), YesNo(true), Int(g + 1)});
    }
    for (int p = 1; p <= PositionCount; ++p)
        sink.Insert("PlayerPos", {Int(p), SqlText(PositionName(p))});
    for (int f = 1; f <= FlankCount; ++f)
        sink.Insert("PlayerFlang", {Int(f), SqlText(FlankName(f))});
}

void WriteTeams(StatementSink& sink, const std::vector<SampleClub>& clubs, const std::vector<SampleCountry>& countries)
{
    for (const SampleClub& club : clubs)
        sink.Insert("Team", {Int(club.teamId), SqlText(club.name), SqlText(countries[club.country].names.code)});
}

// Odds columns as both tables order them: Kef1, KefX, Kef2, Un25, Ov25, AsianHandicap, AsianKef1, AsianKef2.
void AppendOdds(std::vector<std::string>& values, const SampleOdds& odds)
{
    values.push_back(SqlHundredths(odds.kef1));
    values.push_back(SqlHundredths(odds.kefX));
    values.push_back(SqlHundredths(odds.kef2));
    values.push_back(SqlHundredths(odds.under25));
    values.push_back(SqlHundredths(odds.over25));
    values.push_back(odds.hasHandicap ? SqlHandicap(odds.handicapQuarters) : "''");
    values.push_back(SqlHundredths(odds.hasHandicap ? odds.asian1 : 0));
    values.push_back(SqlHundredths(odds.hasHandicap ? odds.asian2 : 0));
}

std::vector<const SampleMatch*> Sorted(const std::vector<SampleMatch>& matches, bool played)
{
    std::vector<const SampleMatch*> chosen;
    for (const SampleMatch& m : matches) {
        if (m.played == played)
            chosen.push_back(&m);
    }
    std::stable_sort(chosen.begin(), chosen.end(), [played](const SampleMatch* a, const SampleMatch* b) {
        // Played matches in time order; fixtures by tournament, each tournament replaced as a whole.
        return played ? std::tuple(a->day, a->champId, a->tur, a->team1) <
                                std::tuple(b->day, b->champId, b->tur, b->team1)
                      : std::tuple(a->champId, a->day, a->team1) < std::tuple(b->champId, b->day, b->team1);
    });
    return chosen;
}

void WritePlayedMatches(StatementSink& sink, const std::vector<SampleMatch>& matches)
{
    int fixedInd = 0;
    for (const SampleMatch* m : Sorted(matches, true)) {
        std::vector<std::string> values = {Int(++fixedInd), SqlDate(m->day), Int(m->team1),   Int(m->team2),
                                           Int(m->gol1),    Int(m->gol2),    Int(m->tur),     YesNo(m->aet),
                                           Int(m->roundId), Int(m->champId), Int(m->seasonId)};
        AppendOdds(values, m->odds);
        sink.Insert("Fixed", values);
    }
}

void WriteFixtures(StatementSink& sink, const std::vector<SampleMatch>& matches)
{
    int champId = -1;
    for (const SampleMatch* m : Sorted(matches, false)) {
        if (m->champId != champId) {
            champId = m->champId;
            sink.Statement("{d}Calendar{w}ChampID=" + Int(champId));
        }
        std::vector<std::string> values = {SqlDate(m->day), Int(m->team1),   Int(m->team2),         Int(m->roundId),
                                           Int(m->tur),     Int(m->champId), SqlFixTime(m->fixTime)};
        AppendOdds(values, m->odds);
        values.push_back("NULL");  // no goals before the match
        values.push_back("NULL");
        sink.Insert("Calendar", values);
    }
}

void WriteSquads(StatementSink& sink, const std::vector<SamplePlayer>& players)
{
    for (const SamplePlayer& p : players)
        sink.Insert("Players", {Int(p.playerId), SqlText(p.name), SqlText(p.nationalId), SqlDate(p.born), Int(p.height),
                                Int(p.skills), Int(p.posId), Int(p.flangId)});
    for (const SamplePlayer& p : players)
        sink.Insert("PlayersSquad", {Int(p.playerId), Int(p.teamId)});
}

}  // namespace

SampleDataGenerator::SampleDataGenerator(SampleDataOptions options) : options_(options) {}

SampleDataSummary SampleDataGenerator::Generate(const std::string& folder) const
{
    const int today = DayOf(options_.today);
    const std::vector<SampleSeason> seasons = MakeSeasons(options_, today);
    std::vector<SampleClub> clubs;
    std::vector<SampleCountry> countries;
    CompetitionSimulator simulator(clubs, seasons, options_.seed, today);
    while (static_cast<int>(countries.size()) < MinCountries || simulator.PlayedCount() < options_.scale) {
        const int index = static_cast<int>(countries.size());
        countries.push_back(MakeCountry(index, clubs, static_cast<int>(seasons.size()), options_.seed));
        simulator.PlayCountry(countries.back(), index);
    }
    simulator.PlayEuroCup(countries);

    SampleDataSummary summary;
    summary.countries = static_cast<int>(countries.size());
    summary.seasons = static_cast<int>(seasons.size());
    summary.playedMatches = simulator.PlayedCount();
    summary.comingMatches = static_cast<int>(simulator.Matches().size()) - simulator.PlayedCount();

    InstructionFileWriter writer(folder, options_.statementsPerFile,
                                 [today](int fileNumber) { return VersionUpdate(fileNumber, today); });
    StatementSink sink(writer, summary);
    WriteStart(sink);
    WriteTournaments(sink, countries);
    WriteSeasonsAndRounds(sink, seasons);
    WriteTeams(sink, clubs, countries);
    WritePlayedMatches(sink, simulator.Matches());
    WriteFixtures(sink, simulator.Matches());
    WriteSquads(sink, MakeSquads(countries, clubs, options_.seed, today));
    summary.files = writer.Finish();
    summary.statements = writer.Statements();
    return summary;
}
