#pragma once

#include <string>

#include "data/constants.h"

// The standings of a league season summed from Stats, best first, as the program orders them.
inline std::string StandingsSql(const std::string& champ, const std::string& season)
{
    return SqlTableFullSelect + "WHERE Stats.ChampID=" + champ + " AND Stats.SeasonID=" + season +
           " GROUP BY Team.Name,Team.TeamID ORDER BY Sum(Stats.Point) DESC , Sum(Stats.Win) DESC , "
           "Sum(Stats.Gol1-Stats.Gol2) DESC, Sum(Stats.Gol1) DESC;";
}
