#include "sampledata/competitionsimulator.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "sampledata/sampleids.h"

namespace {

using Pairings = CompetitionSimulator::Pairings;

constexpr int DaysPerWeek = 7;
constexpr int SecondHalfWeek = 23;  // after the winter break
constexpr int Tuesday = 3;          // match days counted from the weekend that opens a week
constexpr int Wednesday = 4;
constexpr int WeekendDays = -1;  // a matchday spread over the weekend and the Monday

constexpr int Relegated = 3;
constexpr int SplitGroupSize = 6;
constexpr int EuroEntrantCount = 32;
constexpr int EuroGroupSize = 4;
const std::vector<int> EuroGroupWeeks = {5, 7, 9, 11, 13, 15};

constexpr double MarketNoise = 0.1;  // the bookmaker does not know the strengths exactly
constexpr double NoOddsChance = 0.01;
constexpr double NoHandicapChance = 0.03;
constexpr int OddsDays = 7;      // fixtures this close have odds
constexpr int KickOffDays = 14;  // and this close a kick-off time
constexpr double UnknownKickOffChance = 0.05;
const std::vector<int> KickOffTimes = {1230, 1400, 1500, 1600, 1730, 1830, 1900, 1930, 2000, 2045};

constexpr double StrengthMemory = 0.8;
constexpr double StrengthDrift = 0.1;
constexpr double PromotionLuck = 0.3;

enum StreamKind : std::uint64_t { DomesticStream = 1, EuroStream = 2 };

std::uint64_t StreamKey(StreamKind kind, int country, int season)
{
    return (static_cast<std::uint64_t>(kind) << 56) | (static_cast<std::uint64_t>(country) << 16) |
           static_cast<std::uint64_t>(season);
}

// Circle method: every team meets every other once; the doubled schedule repeats
// the first half with home and away swapped.
Pairings RoundRobin(const std::vector<int>& teams, bool doubled)
{
    std::vector<int> ring = teams;
    const int n = static_cast<int>(ring.size());
    Pairings rounds;
    for (int r = 0; r < n - 1; ++r) {
        std::vector<std::pair<int, int>> round;
        for (int i = 0; i < n / 2; ++i) {
            const int a = ring[i];
            const int b = ring[n - 1 - i];
            // The fixed team changes ground every round, the others by position: every team
            // plays at home in half of the rounds.
            const bool aAtHome = i == 0 ? r % 2 == 0 : i % 2 == 1;
            round.push_back(aAtHome ? std::pair{a, b} : std::pair{b, a});
        }
        rounds.push_back(round);
        std::rotate(ring.begin() + 1, ring.end() - 1, ring.end());
    }
    if (doubled) {
        const int half = static_cast<int>(rounds.size());
        for (int r = 0; r < half; ++r) {
            std::vector<std::pair<int, int>> round;
            for (const auto& [home, away] : rounds[r])
                round.emplace_back(away, home);
            rounds.push_back(round);
        }
    }
    return rounds;
}

std::vector<int> ConsecutiveWeeks(int first, int count)
{
    std::vector<int> weeks;
    for (int i = 0; i < count; ++i)
        weeks.push_back(first + i);
    return weeks;
}

// Most matches of a matchday on the weekend, a few on the Sunday, the last on the Monday.
int LeagueDay(int match, int matchesInRound)
{
    if (match == matchesInRound - 1)
        return 2;
    return match % 3 == 2 ? 1 : 0;
}

struct TableRow {
    int points = 0;
    int scored = 0;
    int conceded = 0;
};

}  // namespace

CompetitionSimulator::CompetitionSimulator(std::vector<SampleClub>& clubs, const std::vector<SampleSeason>& seasons,
                                           std::uint64_t seed, int today)
    : clubs_(clubs), seasons_(seasons), seed_(seed), today_(today)
{}

void CompetitionSimulator::PlayCountry(SampleCountry& country, int countryIndex)
{
    for (const SampleSeason& season : seasons_) {
        SampleRandom rng(seed_, StreamKey(DomesticStream, countryIndex, season.id));
        if (season.index > 0)
            DriftStrengths(country, season.index, rng);
        PlayLeague(country, season, rng);
        PlayCup(country, season, rng);
        if (!season.current)
            RenewLeague(country, season.index, rng);
    }
}

void CompetitionSimulator::PlayEuroCup(const std::vector<SampleCountry>& countries)
{
    for (const SampleSeason& season : seasons_) {
        SampleRandom rng(seed_, StreamKey(EuroStream, 0, season.id));
        PlayEuroSeason(countries, season, rng);
    }
}

void CompetitionSimulator::PlayLeague(SampleCountry& country, const SampleSeason& season, SampleRandom& rng)
{
    country.seasonLeagues.push_back(country.league);
    std::vector<int> teams = country.league;
    rng.Shuffle(teams);
    const int halfRounds = static_cast<int>(teams.size()) - 1;
    std::vector<int> weeks = ConsecutiveWeeks(0, halfRounds);
    for (int week : ConsecutiveWeeks(SecondHalfWeek, halfRounds))
        weeks.push_back(week);

    const std::size_t first = matches_.size();
    PlayRoundRobin(RoundRobin(teams, true), weeks, 1, SampleIds::RegularSeason, country.leagueId, WeekendDays, season,
                   rng);
    if (season.current)
        return;
    std::vector<int> table = Standings(country.league, first);
    if (country.names.splitStages)
        PlaySplitStages(country, season, table, first, rng);
    country.finalTables.push_back(table);
}

void CompetitionSimulator::PlaySplitStages(const SampleCountry& country, const SampleSeason& season,
                                           std::vector<int>& table, std::size_t first, SampleRandom& rng)
{
    const int regularRounds = 2 * (static_cast<int>(table.size()) - 1);
    const std::vector<int> weeks = ConsecutiveWeeks(SecondHalfWeek + regularRounds / 2, SplitGroupSize - 1);
    const std::vector<int> top(table.begin(), table.begin() + SplitGroupSize);
    const std::vector<int> bottom(table.end() - SplitGroupSize, table.end());
    PlayRoundRobin(RoundRobin(top, false), weeks, regularRounds + 1, SampleIds::ChampionshipRound, country.leagueId,
                   WeekendDays, season, rng);
    PlayRoundRobin(RoundRobin(bottom, false), weeks, regularRounds + 1, SampleIds::RelegationRound, country.leagueId,
                   WeekendDays, season, rng);
    // The groups keep their places in the table; within a group the points of both stages count.
    const std::vector<int> topOrder = Standings(top, first);
    const std::vector<int> bottomOrder = Standings(bottom, first);
    std::copy(topOrder.begin(), topOrder.end(), table.begin());
    std::copy(bottomOrder.begin(), bottomOrder.end(), table.end() - SplitGroupSize);
}

void CompetitionSimulator::PlayCup(const SampleCountry& country, const SampleSeason& season, SampleRandom& rng)
{
    static const std::vector<KnockoutRound> rounds = {{SampleIds::Last32, 3, 0, false},
                                                      {SampleIds::Last16, 10, 0, false},
                                                      {SampleIds::QuarterFinal, 18, 0, false},
                                                      {SampleIds::SemiFinal, 31, 0, false},
                                                      {SampleIds::Final, 38, 0, true}};
    std::vector<int> teams = country.clubs;
    rng.Shuffle(teams);
    PlayKnockoutRounds(teams, rounds, country.cupId, season, rng);
}

void CompetitionSimulator::PlayEuroSeason(const std::vector<SampleCountry>& countries, const SampleSeason& season,
                                          SampleRandom& rng)
{
    static const std::vector<KnockoutRound> rounds = {{SampleIds::Last16, 24, 26, false},
                                                      {SampleIds::QuarterFinal, 30, 32, false},
                                                      {SampleIds::SemiFinal, 34, 36, false},
                                                      {SampleIds::Final, 41, 0, true}};
    const std::vector<int> qualified = PlayEuroGroups(EuroEntrants(countries, season.index), season, rng);
    if (qualified.empty())
        return;
    // Group winners (even places) meet the runner-up of the next group, who plays at home first.
    const int groups = static_cast<int>(qualified.size()) / 2;
    std::vector<int> pairs;
    for (int g = 0; g < groups; ++g) {
        pairs.push_back(qualified[2 * ((g + 1) % groups) + 1]);
        pairs.push_back(qualified[2 * g]);
    }
    PlayKnockoutRounds(pairs, rounds, SampleIds::EuroCup, season, rng);
}

std::vector<int> CompetitionSimulator::PlayEuroGroups(const std::vector<int>& entrants, const SampleSeason& season,
                                                      SampleRandom& rng)
{
    // Four pots by strength; each group draws one club from every pot.
    const std::vector<int> seeded = ByStrength(entrants, season.index);
    std::vector<std::vector<int>> pots;
    for (int p = 0; p < EuroGroupSize; ++p) {
        pots.emplace_back(seeded.begin() + p * SampleIds::GroupCount, seeded.begin() + (p + 1) * SampleIds::GroupCount);
        rng.Shuffle(pots.back());
    }
    std::vector<int> qualified;
    bool complete = true;
    for (int g = 0; g < SampleIds::GroupCount; ++g) {
        std::vector<int> group;
        for (const std::vector<int>& pot : pots)
            group.push_back(pot[g]);
        const std::size_t first = matches_.size();
        const int playedBefore = played_;
        PlayRoundRobin(RoundRobin(group, true), EuroGroupWeeks, 1, SampleIds::FirstGroup + g, SampleIds::EuroCup,
                       g < SampleIds::GroupCount / 2 ? Tuesday : Wednesday, season, rng);
        complete = complete && played_ - playedBefore == static_cast<int>(matches_.size() - first);
        const std::vector<int> table = Standings(group, first);
        qualified.push_back(table[0]);
        qualified.push_back(table[1]);
    }
    return complete ? qualified : std::vector<int>{};
}

void CompetitionSimulator::PlayKnockoutRounds(std::vector<int> teams, const std::vector<KnockoutRound>& rounds,
                                              int champId, const SampleSeason& season, SampleRandom& rng)
{
    // The first round's pairs are given; every later round is drawn from the winners.
    for (const KnockoutRound& round : rounds) {
        if (teams.size() < 2)
            return;
        teams = PlayKnockoutRound(teams, round, champId, season, rng);
        rng.Shuffle(teams);
    }
}

std::vector<int> CompetitionSimulator::PlayKnockoutRound(const std::vector<int>& teams, const KnockoutRound& round,
                                                         int champId, const SampleSeason& season, SampleRandom& rng)
{
    std::vector<int> winners;
    bool decided = true;
    for (std::size_t i = 0; i + 1 < teams.size(); i += 2) {
        const int winner = PlayTie(teams[i], teams[i + 1], static_cast<int>(i / 2), round, champId, season, rng);
        decided = decided && winner != 0;
        winners.push_back(winner);
    }
    return decided ? winners : std::vector<int>{};
}

int CompetitionSimulator::PlayTie(int first, int second, int tie, const KnockoutRound& round, int champId,
                                  const SampleSeason& season, SampleRandom& rng)
{
    const int day = tie % 2 == 0 ? Tuesday : Wednesday;
    const bool twoLegs = round.secondWeek != 0;
    const std::size_t firstLeg = AddMatch(first, second, season.startDay + DaysPerWeek * round.week + day,
                                          twoLegs ? 1 : 0, round.roundId, champId, season, round.neutral, rng);
    if (!twoLegs) {
        SampleMatch& match = matches_[firstLeg];
        if (!match.played)
            return 0;
        if (match.gol1 == match.gol2)
            ExtraTime(match, 0, 0, rng);
        return match.gol1 > match.gol2 ? first : second;
    }
    const std::size_t secondLeg = AddMatch(second, first, season.startDay + DaysPerWeek * round.secondWeek + day, 2,
                                           round.roundId, champId, season, false, rng);
    SampleMatch& match = matches_[secondLeg];
    if (!match.played)
        return 0;
    const SampleMatch& before = matches_[firstLeg];
    if (match.gol1 + before.gol2 == match.gol2 + before.gol1)
        ExtraTime(match, before.gol2, before.gol1, rng);
    return match.gol1 + before.gol2 > match.gol2 + before.gol1 ? second : first;
}

void CompetitionSimulator::PlayRoundRobin(const Pairings& rounds, const std::vector<int>& weeks, int firstTur,
                                          int roundId, int champId, int matchDay, const SampleSeason& season,
                                          SampleRandom& rng)
{
    for (std::size_t r = 0; r < rounds.size(); ++r) {
        const int size = static_cast<int>(rounds[r].size());
        for (int i = 0; i < size; ++i) {
            const auto [home, away] = rounds[r][i];
            const int day = season.startDay + DaysPerWeek * weeks[r] +
                            (matchDay == WeekendDays ? LeagueDay(i, size) : matchDay);
            AddMatch(home, away, day, firstTur + static_cast<int>(r), roundId, champId, season, false, rng);
        }
    }
}

std::size_t CompetitionSimulator::AddMatch(int home, int away, int day, int tur, int roundId, int champId,
                                           const SampleSeason& season, bool neutral, SampleRandom& rng)
{
    SampleMatch m;
    m.day = day;
    m.team1 = home;
    m.team2 = away;
    m.tur = tur;
    m.roundId = roundId;
    m.champId = champId;
    m.seasonId = season.id;
    m.played = !season.current || day < today_;
    const double homeStrength = Strength(home, season.index);
    const double awayStrength = Strength(away, season.index);
    const double openness = (clubs_[home - 1].openness + clubs_[away - 1].openness) / 2;
    m.rates = ExpectedGoals(homeStrength, awayStrength, openness, neutral);
    const GoalRates market = ExpectedGoals(homeStrength + rng.Normal(0, MarketNoise),
                                           awayStrength + rng.Normal(0, MarketNoise), openness, neutral);
    if (m.played) {
        if (!rng.Chance(NoOddsChance))
            m.odds = PriceMatch(market);
        if (rng.Chance(NoHandicapChance))
            m.odds.hasHandicap = false;
        m.gol1 = rng.Poisson(m.rates.home);
        m.gol2 = rng.Poisson(m.rates.away);
        ++played_;
    } else {
        if (day < today_ + OddsDays)
            m.odds = PriceMatch(market);
        if (day < today_ + KickOffDays && !rng.Chance(UnknownKickOffChance))
            m.fixTime = rng.Pick(KickOffTimes);
    }
    matches_.push_back(m);
    return matches_.size() - 1;
}

// A tie level after 90 minutes goes to extra time; a shoot-out winner gets one goal
// more, so that a match decided in extra time never ends level.
void CompetitionSimulator::ExtraTime(SampleMatch& match, int homeBefore, int awayBefore, SampleRandom& rng)
{
    match.aet = true;
    match.gol1 += rng.Poisson(match.rates.home / 3);
    match.gol2 += rng.Poisson(match.rates.away / 3);
    if (match.gol1 + homeBefore == match.gol2 + awayBefore) {
        bool homeWins = rng.Chance(match.rates.home / (match.rates.home + match.rates.away));
        if ((homeWins && match.gol1 + 1 == match.gol2) || (!homeWins && match.gol2 + 1 == match.gol1))
            homeWins = !homeWins;
        ++(homeWins ? match.gol1 : match.gol2);
    }
    if (match.gol1 == match.gol2)
        ++(match.gol1 + homeBefore > match.gol2 + awayBefore ? match.gol1 : match.gol2);
}

void CompetitionSimulator::DriftStrengths(const SampleCountry& country, int seasonIndex, SampleRandom& rng)
{
    for (int teamId : country.clubs) {
        SampleClub& club = clubs_[teamId - 1];
        club.strengths[seasonIndex] = StrengthMemory * club.strengths[seasonIndex - 1] +
                                      (1 - StrengthMemory) * club.baseStrength + rng.Normal(0, StrengthDrift);
    }
}

void CompetitionSimulator::RenewLeague(SampleCountry& country, int seasonIndex, SampleRandom& rng)
{
    const std::vector<int>& table = country.finalTables[seasonIndex];
    std::vector<std::pair<double, int>> candidates;
    for (int teamId : country.clubs) {
        if (std::find(table.begin(), table.end(), teamId) == table.end())
            candidates.emplace_back(Strength(teamId, seasonIndex) + rng.Normal(0, PromotionLuck), teamId);
    }
    std::sort(candidates.begin(), candidates.end(), std::greater<>());
    country.league.assign(table.begin(), table.end() - Relegated);
    for (int i = 0; i < Relegated; ++i)
        country.league.push_back(candidates[i].second);
}

std::vector<int> CompetitionSimulator::EuroEntrants(const std::vector<SampleCountry>& countries, int seasonIndex) const
{
    // Each named country sends its best clubs of the season before (the first season: its strongest),
    // place by place, until the tournament is full.
    std::vector<std::vector<int>> tables;
    const std::size_t sending = std::min<std::size_t>(countries.size(), NamedCountryCount());
    for (std::size_t c = 0; c < sending; ++c) {
        const SampleCountry& country = countries[c];
        tables.push_back(seasonIndex == 0 ? ByStrength(country.seasonLeagues[0], 0)
                                          : country.finalTables[seasonIndex - 1]);
    }
    std::vector<int> entrants;
    for (std::size_t place = 0; entrants.size() < EuroEntrantCount; ++place) {
        for (const std::vector<int>& table : tables) {
            if (entrants.size() < EuroEntrantCount)
                entrants.push_back(table[place]);
        }
    }
    return entrants;
}

double CompetitionSimulator::Strength(int teamId, int seasonIndex) const
{
    return clubs_[teamId - 1].strengths[seasonIndex];
}

std::vector<int> CompetitionSimulator::ByStrength(std::vector<int> teams, int seasonIndex) const
{
    std::stable_sort(teams.begin(), teams.end(),
                     [&](int a, int b) { return Strength(a, seasonIndex) > Strength(b, seasonIndex); });
    return teams;
}

std::vector<int> CompetitionSimulator::Standings(const std::vector<int>& teams, std::size_t first) const
{
    std::map<int, TableRow> rows;
    for (int teamId : teams)
        rows[teamId];
    const auto count = [&](int teamId, int scored, int conceded) {
        const auto row = rows.find(teamId);
        if (row == rows.end())
            return;
        row->second.scored += scored;
        row->second.conceded += conceded;
        row->second.points += scored > conceded ? 3 : scored == conceded ? 1 : 0;
    };
    for (std::size_t i = first; i < matches_.size(); ++i) {
        const SampleMatch& m = matches_[i];
        if (!m.played)
            continue;
        count(m.team1, m.gol1, m.gol2);
        count(m.team2, m.gol2, m.gol1);
    }
    std::vector<int> order = teams;
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        const TableRow& x = rows.at(a);
        const TableRow& y = rows.at(b);
        return std::tuple(x.points, x.scored - x.conceded, x.scored, -a) >
               std::tuple(y.points, y.scored - y.conceded, y.scored, -b);
    });
    return order;
}
