#include "data/dbplayers.h"

#include "foundation/jxstr.h"
#include "platform/sysutils.h"

#include <array>
#include <cmath>

namespace {

const AnsiString SquadSelect =
    "SELECT Players.PlayerID AS PlayerID, Players.Name AS PlayerName, National.Name AS NationalName, "
    "Players.Born AS Born, Players.Height AS Height, Players.Skills AS Skills, PlayerPos.Name AS PosName, "
    "PlayerFlang.Name AS FlangName, PlayerPos.PosID AS PosID, PlayerFlang.FlangID AS FlangID, "
    "Players.NationalID AS NationalID FROM (PlayerPos INNER JOIN (PlayerFlang INNER JOIN ([National] INNER JOIN "
    "Players ON National.NationalID = Players.NationalID) ON PlayerFlang.FlangID = Players.FlangID) ON "
    "PlayerPos.PosID = Players.PosID) INNER JOIN PlayersSquad ON Players.PlayerID = PlayersSquad.PlayerID ";

constexpr const char* ByLineSideSkill = "ORDER BY Players.PosID, Players.FlangID, Players.Skills DESC;";
constexpr const char* ByLineSkill = "ORDER BY Players.PosID, Players.Skills DESC;";
constexpr const char* BySkill = "ORDER BY Players.Skills DESC;";

// The condition and order of each place, indexed by slot (the whole squad at 0).
struct SlotQuery {
    const char* condition;
    const char* order;
};

constexpr std::array<SlotQuery, 12> SlotQueries = {{
    {"", ByLineSideSkill},
    {"AND Players.PosID=6 AND Players.FlangID IN(7) ", ByLineSkill},
    {"AND Players.PosID IN(5,4) AND Players.FlangID IN(1,2,3,5)", BySkill},
    {"AND Players.PosID IN(5,4) AND Players.FlangID IN(1,2,4,6)", BySkill},
    {"AND Players.PosID IN(5) AND Players.FlangID IN(1,3,4,7) ", BySkill},
    {"AND Players.PosID IN(2,3) AND Players.FlangID IN(1,2,3,5) ", BySkill},
    {"AND Players.PosID IN(2,3) AND Players.FlangID IN(1,2,4,6) ", BySkill},
    {"AND ((Players.PosID=2 AND Players.FlangID IN(1,3,4,7)) OR (Players.PosID=3 AND Players.FlangID IN(1))) ",
     BySkill},
    {"AND Players.PosID=1 ", BySkill},
    {"AND Players.PosID=6 AND Players.FlangID IN(1,2,3,5) ", BySkill},
    {"AND Players.PosID=6 AND Players.FlangID IN(1,2,4,6) ", BySkill},
    {"AND Players.PosID IN(4,3) AND Players.FlangID IN(1,7) ", BySkill},
}};

AnsiString SlotText(int slot)
{
    if (slot > SquadSlot::DefensiveMidfield)
        return AnsiString();
    const SlotQuery& query = SlotQueries[slot < SquadSlot::WholeSquad ? SquadSlot::WholeSquad : slot];
    return AnsiString(query.condition) + query.order;
}

// Birthdays count from the day itself; one born on 29 February has his birthday on
// 1 March in other years.
int CompletedYears(TDateTime born, TDateTime today)
{
    int bornYear, bornMonth, bornDay, year, month, day;
    DecodeDate(std::floor(born), bornYear, bornMonth, bornDay);
    DecodeDate(std::floor(today), year, month, day);
    const bool beforeBirthday = month < bornMonth || (month == bornMonth && day < bornDay);
    return year - bornYear - (beforeBirthday ? 1 : 0);
}

}  // namespace

bool DBPlayers::OpenSquad(int teamID, int minSkills, int slot)
{
    return Select(SquadSelect + "WHERE PlayersSquad.TeamID=" + IntToStr(teamID) + " " +
                  "AND Players.Skills>" + IntToStr(minSkills) + " " + SlotText(slot));
}

AnsiString DBPlayers::GetPlayerName()
{
    return ReadString("PlayerName");
}

AnsiString DBPlayers::GetShortName()
{
    JXStr name = JXStr::Replace(GetPlayerName(), "-", " ");
    // Each pass makes the next word an initial, after the initials already made.
    for (int kept : {1, 3, 5}) {
        if (JXStr::Pos(name, " ") == 0)
            break;
        name = JXStr::SubStr(name, 1, kept) + "." + JXStr::RightOf(name, " ");
    }
    return JXStr::Replace(name, ".", ". ");
}

AnsiString DBPlayers::GetNationalID()
{
    return ReadString("NationalID");
}

AnsiString DBPlayers::GetNationalName()
{
    return ReadString("NationalName");
}

TDateTime DBPlayers::GetBorn()
{
    return ReadDateTime("Born");
}

int DBPlayers::GetAge()
{
    return CompletedYears(GetBorn(), Date());
}

int DBPlayers::GetHeight()
{
    return ReadInteger("Height");
}

int DBPlayers::GetSkills()
{
    return ReadInteger("Skills");
}

int DBPlayers::GetPosID()
{
    return ReadInteger("PosID");
}

AnsiString DBPlayers::GetPosName()
{
    return ReadString("PosName") + ReadString("FlangName");
}

AnsiString DBPlayers::GetFlangName()
{
    return ReadString("FlangName");
}
