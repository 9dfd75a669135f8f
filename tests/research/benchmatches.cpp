#include "benchmatches.h"

BenchMatchesFixture::BenchMatchesFixture()
{
    Exec("INSERT INTO ChampType VALUES(1, 'League')");
    Exec("INSERT INTO Champ(ChampID, Name, NationalID, TypeID, Fav) VALUES(11, 'League', 'ENG', 1, True)");
    Exec("INSERT INTO Season VALUES(19, '2018/19', 2018)");
    Exec("INSERT INTO Round(RoundID, Name, IsTable) VALUES(1, 'Table', True)");
    for (const char* team : {"1, 'Alpha'", "2, 'Beta'", "3, 'Gamma'", "4, 'Delta'"})
        Exec(std::string("INSERT INTO Team VALUES(") + team + ", 'ENG')");
    for (const char* match : {
                 "1, #6/10/2019#, 1, 2, 2, 1, 1, 1.85, 3.4, 4.2, 1.9, 1.95, '-0.5', 1.9, 2.0",
                 "2, #6/11/2019#, 3, 4, 0, 0, 2, 2.5, 3.1, 2.9, 1.7, 2.2, '0', 1.95, 1.95",
                 "3, #6/12/2019#, 2, 3, 1, 1, 3, 2.1, 3.3, 3.5, 1.8, 2.05, '-0.25', 1.88, 2.02",
                 "4, #6/12/2019#, 4, 1, 0, 2, 3, 3.6, 3.5, 2.05, 2.0, 1.8, '0.25', 1.92, 1.98",
                 "5, #6/13/2019#, 1, 3, 3, 0, 4, 1.5, 4.2, 6.5, 2.3, 1.62, '-1', 1.97, 1.93",
                 "6, #6/14/2019#, 2, 4, 1, 2, 4, 2.2, 3.2, 3.4, 1.75, 2.1, '-0.25', 1.86, 2.04",
         })
        Exec(std::string("INSERT INTO Fixed(FixedIND, [Date], Team1ID, Team2ID, Gol1, Gol2, Tur, Kef1, KefX, Kef2, "
                         "Un25, Ov25, AsianHandicap, AsianKef1, AsianKef2, RoundID, ChampID, SeasonID) VALUES(") +
             match + ", 1, 11, 19)");
    Exec("INSERT INTO Calendar(Date, Team1ID, Team2ID, RoundID, ChampID, FixTime) VALUES(#6/20/2019#, 3, 1, 1, 11, "
         "'1900')");
}

std::string BenchMatchesFixture::Ids(const std::string& table)
{
    std::string ids;
    for (const auto& row : Select("SELECT FixedIND FROM " + table + " ORDER BY FixedIND"))
        ids += (ids.empty() ? "" : " ") + row[0];
    return ids;
}
