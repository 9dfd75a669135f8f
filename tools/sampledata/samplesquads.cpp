#include "sampledata/samplesquads.h"

#include <algorithm>
#include <cmath>

#include "sampledata/samplerandom.h"

namespace {

struct SquadPlace {
    int posId;
    int flangId;
    double height;  // mean height in cm
};

// 24 places; the last one is the youngster.
const std::vector<SquadPlace> SquadPlaces = {
        {1, 7, 190}, {1, 7, 190}, {1, 7, 189}, {2, 7, 186}, {2, 3, 185}, {2, 4, 185}, {2, 7, 187}, {2, 1, 184},
        {3, 5, 178}, {3, 6, 178}, {3, 2, 177}, {3, 1, 179}, {4, 7, 181}, {4, 1, 180}, {4, 3, 179}, {5, 5, 175},
        {5, 6, 175}, {5, 7, 178}, {5, 4, 177}, {5, 3, 176}, {6, 7, 184}, {6, 7, 183}, {6, 5, 176}, {6, 6, 177}};

constexpr std::uint64_t SquadStream = 3ULL << 56;
constexpr double HomeGrownShare = 0.8;
constexpr int DaysPerYear = 365;
constexpr int YoungestAge = 17;
constexpr int AgeSpan = 19;

int ClubSkill(double strength)
{
    return static_cast<int>(std::lround(45 + 20 * (strength + 0.8)));
}

}  // namespace

const char* PositionName(int posId)
{
    static const char* const names[] = {"GK", "D", "WB", "DM", "M", "F"};
    return names[posId - 1];
}

const char* FlankName(int flangId)
{
    static const char* const names[] = {"LRC", "LR", "RC", "LC", "R", "L", "C"};
    return names[flangId - 1];
}

std::vector<SamplePlayer> MakeSquads(const std::vector<SampleCountry>& countries, const std::vector<SampleClub>& clubs,
                                     std::uint64_t seed, int today)
{
    const int foreignCountries = std::min(static_cast<int>(countries.size()), NamedCountryCount());
    std::vector<SamplePlayer> players;
    for (std::size_t c = 0; c < countries.size(); ++c) {
        SampleRandom rng(seed, SquadStream | c);
        for (int teamId : countries[c].league) {
            const SampleClub& club = clubs[teamId - 1];
            const int clubSkill = ClubSkill(club.strengths.back());
            for (std::size_t place = 0; place < SquadPlaces.size(); ++place) {
                const bool youngster = place + 1 == SquadPlaces.size();
                const int nationality = rng.Chance(HomeGrownShare) ? static_cast<int>(c) : rng.Below(foreignCountries);
                const CountryNames& names = countries[nationality].names;
                SamplePlayer p;
                p.playerId = static_cast<int>(players.size()) + 1;
                p.teamId = teamId;
                p.name = rng.Pick(names.firstNames) + " " + rng.Pick(names.lastNames);
                p.nationalId = names.code;
                const int age = youngster ? YoungestAge : YoungestAge + rng.Below(AgeSpan);
                p.born = today - age * DaysPerYear - rng.Below(DaysPerYear);
                p.height =
                        std::clamp(static_cast<int>(std::lround(rng.Normal(SquadPlaces[place].height, 5))), 163, 204);
                p.skills = youngster ? 0 : std::clamp(static_cast<int>(std::lround(rng.Normal(clubSkill, 7))), 20, 95);
                p.posId = SquadPlaces[place].posId;
                p.flangId = SquadPlaces[place].flangId;
                players.push_back(p);
            }
        }
    }
    return players;
}
