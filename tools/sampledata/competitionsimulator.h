#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "sampledata/samplerandom.h"
#include "sampledata/sampleworld.h"

// The season calendar: every season has the same shape, so "today" always falls
// on the same matchday of the current season and moving today only moves the dates.
inline constexpr int SeasonDaysBeforeToday = 29 * 7;
inline constexpr int DaysBetweenSeasons = 52 * 7;

// Plays the sample seasons: double round-robin leagues (some ending in
// championship and relegation groups) with promotion and relegation, national
// cups and an international club tournament with groups and two-legged ties.
// Matches of the current season on or after today stay unplayed fixtures; a
// knock-out round whose pairs are not known yet is left out.
class CompetitionSimulator {
public:
    // Rounds of (home, away) team ids.
    using Pairings = std::vector<std::vector<std::pair<int, int>>>;

    CompetitionSimulator(std::vector<SampleClub>& clubs, const std::vector<SampleSeason>& seasons, std::uint64_t seed,
                         int today);

    void PlayCountry(SampleCountry& country, int countryIndex);
    // The leading league clubs of the named countries meet in the international tournament.
    void PlayEuroCup(const std::vector<SampleCountry>& countries);

    const std::vector<SampleMatch>& Matches() const { return matches_; }
    int PlayedCount() const { return played_; }

private:
    struct KnockoutRound {
        int roundId = 0;
        int week = 0;
        int secondWeek = 0;  // 0 for a single match
        bool neutral = false;
    };

    void PlayLeague(SampleCountry& country, const SampleSeason& season, SampleRandom& rng);
    void PlaySplitStages(const SampleCountry& country, const SampleSeason& season, std::vector<int>& table,
                         std::size_t first, SampleRandom& rng);
    void PlayCup(const SampleCountry& country, const SampleSeason& season, SampleRandom& rng);
    void PlayEuroSeason(const std::vector<SampleCountry>& countries, const SampleSeason& season, SampleRandom& rng);
    // Winner and runner-up of each group, or nothing while a group match is still to come.
    std::vector<int> PlayEuroGroups(const std::vector<int>& entrants, const SampleSeason& season, SampleRandom& rng);
    void PlayKnockoutRounds(std::vector<int> teams, const std::vector<KnockoutRound>& rounds, int champId,
                            const SampleSeason& season, SampleRandom& rng);
    // Winners of the pairs (teams 0-1, 2-3, ...), or nothing while a tie is undecided.
    std::vector<int> PlayKnockoutRound(const std::vector<int>& teams, const KnockoutRound& round, int champId,
                                       const SampleSeason& season, SampleRandom& rng);
    int PlayTie(int first, int second, int tie, const KnockoutRound& round, int champId, const SampleSeason& season,
                SampleRandom& rng);
    // matchDay: the day of the week every match is played, or the weekend spread of a league.
    void PlayRoundRobin(const Pairings& rounds, const std::vector<int>& weeks, int firstTur, int roundId, int champId,
                        int matchDay, const SampleSeason& season, SampleRandom& rng);
    std::size_t AddMatch(int home, int away, int day, int tur, int roundId, int champId, const SampleSeason& season,
                         bool neutral, SampleRandom& rng);
    void ExtraTime(SampleMatch& match, int homeBefore, int awayBefore, SampleRandom& rng);

    void DriftStrengths(const SampleCountry& country, int seasonIndex, SampleRandom& rng);
    void RenewLeague(SampleCountry& country, int seasonIndex, SampleRandom& rng);
    std::vector<int> EuroEntrants(const std::vector<SampleCountry>& countries, int seasonIndex) const;
    double Strength(int teamId, int seasonIndex) const;
    std::vector<int> ByStrength(std::vector<int> teams, int seasonIndex) const;
    // Teams ordered by points, goal difference, goals scored over the matches from index first on.
    std::vector<int> Standings(const std::vector<int>& teams, std::size_t first) const;

    std::vector<SampleClub>& clubs_;
    const std::vector<SampleSeason>& seasons_;
    std::uint64_t seed_;
    int today_;
    std::vector<SampleMatch> matches_;
    int played_ = 0;
};
