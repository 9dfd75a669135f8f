#pragma once

#include <QDate>

#include <string>

#include "data/codes.h"
#include "footballdatacsv.h"

// One season file to convert, and where its matches go in the database.
struct SeasonSource {
    std::string path;  // a football-data.co.uk season ".csv" or an openfootball ".json"
    // Champ.TypeID: in a league the matchdays form the table stage and other rounds
    // (play-offs) are stages outside it; in a cup every round is outside the table.
    int typeID = ChampTypeID::League;
    std::string champName;     // empty: the file's own name ("English Premier League"), or
                               // country and division for football-data.co.uk ("England E0")
    std::string nationalId;    // empty: from the file name ("en.1.json", "E0_1819.csv": "ENG")
    std::string nationalName;  // empty: from the file name ("England")
    std::string seasonName;    // empty: the file's own ("2018/19"), else from its first match
    int seasonId = 0;          // 0: the year the season starts
    OddsChoice odds = OddsChoice::Opening;
    // Matches from this day on become coming fixtures (Calendar rows, with their odds and
    // the real score where known) rather than played ones; none when invalid.
    QDate fixturesFrom;
};
