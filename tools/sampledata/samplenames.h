#pragma once

#include <string>
#include <vector>

// Names and make-up of the sample countries. The first ones are written out by
// hand (one with Cyrillic names, names with apostrophes and accents); beyond them
// countries are made up from syllables, as many as the scale asks for.
struct CountryNames {
    std::string code;
    std::string name;
    std::string leagueName;
    std::string cupName;
    int leagueSize = 20;
    bool splitStages = false;  // the league ends with championship and relegation groups
    bool favouriteLeague = false;
    bool favouriteCup = false;
    double level = 0;                // added to its clubs' strength in matches abroad
    std::vector<std::string> clubs;  // every club of the country, strongest first
    std::vector<std::string> firstNames;
    std::vector<std::string> lastNames;
};

inline constexpr int ClubsPerCountry = 32;

// The countries written out by hand, in their fixed order.
int NamedCountryCount();

// Country index 0, 1, ...: a named country first, then made-up ones.
CountryNames SampleCountryNames(int index);
