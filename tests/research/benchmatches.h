#pragma once

#include <string>

// Hand-made played matches of a league around the back-test bench's first day, 12 June
// 2019: ids in date order, two on the 12th, one a day before and after.
//   1  10 June  Alpha-Beta   2:1     4  12 June  Delta-Alpha  0:2
//   2  11 June  Gamma-Delta  0:0     5  13 June  Alpha-Gamma  3:0
//   3  12 June  Beta-Gamma   1:1     6  14 June  Beta-Delta   1:2
// Teams 1 to 4 (Alpha, Beta, Gamma, Delta), tournament 11 "League", season 19, table
// round 1. Calendar holds one coming fixture of its own (Gamma-Alpha on 20 June).
namespace BenchMatches {

inline constexpr int League = 11;
inline constexpr int Season = 19;
inline constexpr int Count = 6;

// Writes the reference rows and the matches into data.mdb of the program folder.
void Add();

// The ids of the rows of a table holding FixedIND, in order, as "1 2 3".
std::string Ids(const std::string& table);

}  // namespace BenchMatches
