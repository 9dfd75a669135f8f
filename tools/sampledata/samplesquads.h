#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sampledata/sampleworld.h"

struct SamplePlayer {
    int playerId = 0;
    int teamId = 0;
    std::string name;
    std::string nationalId;
    int born = 0;  // day number
    int height = 0;
    int skills = 0;
    int posId = 0;
    int flangId = 0;
};

// Positions 1 goalkeeper, 2 defender, 3 wing-back, 4 defensive midfielder,
// 5 midfielder, 6 forward; flanks 1 anywhere, 2 either wing, 3 right or centre,
// 4 left or centre, 5 right, 6 left, 7 centre.
inline constexpr int PositionCount = 6;
inline constexpr int FlankCount = 7;
const char* PositionName(int posId);
const char* FlankName(int flangId);

// A squad for every club of the current leagues: every position and flank, skills
// that follow the club's strength, one youngster without a skill rating, and some
// players from the other named countries. Ages are counted back from today.
std::vector<SamplePlayer> MakeSquads(const std::vector<SampleCountry>& countries, const std::vector<SampleClub>& clubs,
                                     std::uint64_t seed, int today);
