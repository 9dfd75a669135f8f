#include "predictleaguefixture.h"

#include <gtest/gtest.h>

#include <sstream>

#include "foundation/jxerr.h"
#include "update/dbupdateview.h"

namespace {

// The day of the first match; every further match comes a day later.
constexpr int FirstDay = 43000;

}  // namespace

PredictLeagueFixture::PredictLeagueFixture()
{
    for (const char* sql :
         {"INSERT INTO [National] VALUES('ENG', 'England')", "INSERT INTO ChampType VALUES(1, 'League')",
          "INSERT INTO Season VALUES(0, '', 0)", "INSERT INTO Season VALUES(1, '2018/19', 2018)",
          "INSERT INTO Season VALUES(2, '2019/20', 2019)", "INSERT INTO Round VALUES(1, 'Matchday', True, 1)"})
        Exec(sql);
    AddLeague(League);
    AddLeague(SmallLeague);
    Play(League, 1, Home, Filler, "2:0 3:1 1:0 1:1 2:2");
    Play(League, 1, Filler, Away, "0:1 1:1 2:0 3:1 1:0");
    Play(League, 1, Relegated, Filler, "1:0");
    Play(League, 2, Home, Filler, "3:0 2:1 1:0 0:0 0:2");
    Play(League, 2, Filler, Away, "1:2 0:2 0:0 2:1 1:0");
    Play(League, 2, Filler, Home, "1:0");
    Play(League, 2, Away, Filler, "2:0");
    Play(League, 2, Short, Filler, "1:0 1:0 1:0 1:0");
    Play(SmallLeague, 2, Small1, Small2, "1:0 0:0");
    Rebuild();
}

void PredictLeagueFixture::AddLeague(int champID)
{
    const std::string id = std::to_string(champID);
    Exec("INSERT INTO Champ VALUES(" + id + ", 'League " + id + "', 'ENG', 1, True, '" + id + "', 1)");
}

void PredictLeagueFixture::Play(int champID, int seasonID, int home, int away, const std::string& scores)
{
    for (int team : {home, away})
        if (teams_.insert(team).second)
            Exec("INSERT INTO Team VALUES(" + std::to_string(team) + ", 'Team " + std::to_string(team) + "', 'ENG')");
    std::istringstream in(scores);
    int gol1 = 0, gol2 = 0;
    char colon = 0;
    while (in >> gol1 >> colon >> gol2) {
        ++matches_;
        std::ostringstream values;
        values << matches_ << "," << FirstDay + matches_ << "," << home << "," << away << "," << gol1 << "," << gol2
               << ",1,False,1," << champID << "," << seasonID;
        Exec("INSERT INTO Fixed(FixedIND,Date,Team1ID,Team2ID,Gol1,Gol2,Tur,AET,RoundID,ChampID,SeasonID) VALUES(" +
             values.str() + ")");
    }
}

void PredictLeagueFixture::Rebuild()
{
    ASSERT_TRUE(DBUpdateView().UpdateStats(nullptr, 100));
}

std::vector<std::string> PredictLeagueFixture::Logged()
{
    const auto& lines = JXErr::GetInstance().Lines();
    return {lines.begin(), lines.end()};
}
