#pragma once

#include "sampledata/samplenames.h"

// Ids of the sample data that stay the same whatever the seed and the scale, for
// the tests and tools that load the sample and look for something in it.
namespace SampleIds {

// Country indexes of the named countries.
inline constexpr int England = 0;
inline constexpr int Russia = 3;    // Cyrillic names
inline constexpr int Belgium = 4;   // league with championship and relegation groups
inline constexpr int Portugal = 7;  // league that is no favourite

inline constexpr int AllChamps = 0;  // the row that stands for every tournament
inline constexpr int EuroCup = 1;    // the international club tournament, country "EUR"
inline constexpr const char* EuroCountry = "EUR";

constexpr int League(int country)
{
    return (country + 1) * 10 + 1;
}

constexpr int Cup(int country)
{
    return (country + 1) * 10 + 2;
}

// A country's clubs have the ids FirstTeam .. FirstTeam + ClubsPerCountry - 1, strongest first.
constexpr int FirstTeam(int country)
{
    return country * ClubsPerCountry + 1;
}

// Rounds: table stages first, then the knock-out rounds, then the international groups.
inline constexpr int RegularSeason = 1;
inline constexpr int ChampionshipRound = 2;
inline constexpr int RelegationRound = 3;
inline constexpr int Last32 = 4;
inline constexpr int Last16 = 5;
inline constexpr int QuarterFinal = 6;
inline constexpr int SemiFinal = 7;
inline constexpr int Final = 8;
inline constexpr int FirstGroup = 11;  // Group A; groups A to H are 11 to 18
inline constexpr int GroupCount = 8;

}  // namespace SampleIds
