#include "data/dbfixed.h"

#include "data/codes.h"
#include "data/constants.h"
#include "data/dbfilter.h"
#include "foundation/jxdatetime.h"
#include "platform/sysutils.h"

namespace {

constexpr const char* NoResultCondition = "==";
// The country of the international club tournaments.
constexpr const char* InternationalCountry = "EUR";

AnsiString TypeCondition(const AnsiString& typeList)
{
    return typeList.empty() ? AnsiString() : "AND C.TypeID IN (" + typeList + ") ";
}

AnsiString SideCondition(int team, int field)
{
    const AnsiString id = IntToStr(team);
    if (field == FieldCode::Home)
        return "F.Team1ID=" + id + " ";
    if (field == FieldCode::Away)
        return "F.Team2ID=" + id + " ";
    return "(F.Team1ID=" + id + " OR F.Team2ID=" + id + ") ";
}

AnsiString PairCondition(int team, int rival, int field)
{
    const AnsiString t = IntToStr(team);
    const AnsiString r = IntToStr(rival);
    if (field == FieldCode::Both)
        return "((F.Team1ID=" + t + " AND F.Team2ID=" + r + ") OR (F.Team2ID=" + t + " AND F.Team1ID=" + r + ")) ";
    if (field == FieldCode::Away)
        return "(F.Team1ID=" + r + " AND F.Team2ID=" + t + ") ";
    return "(F.Team1ID=" + t + " AND F.Team2ID=" + r + ") ";
}

// The team on one side, with the result relation between its goals and the rival's.
AnsiString SideResult(const AnsiString& teamColumn, const AnsiString& team, const AnsiString& op,
                      const AnsiString& ownGoals, const AnsiString& rivalGoals)
{
    AnsiString text = "(F." + teamColumn + "=" + team;
    if (op != NoResultCondition)
        text += " AND F." + ownGoals + op + "F." + rivalGoals;
    return text + ")";
}

AnsiString SideResultCondition(DBFilter* filter)
{
    const AnsiString team = IntToStr(filter->GetTeamID());
    const AnsiString op = filter->GetResultOp();
    const AnsiString home = SideResult("Team1ID", team, op, "Gol1", "Gol2");
    const AnsiString away = SideResult("Team2ID", team, op, "Gol2", "Gol1");
    switch (filter->GetField()) {
    case FieldCode::Both: return "(" + home + " OR " + away + ")";
    case FieldCode::Away: return away;
    default: return home;
    }
}

// The entry's tournament types; none set means no condition.
AnsiString FilterTypeCondition(DBFilter* filter)
{
    AnsiString list;
    if (filter->GetIsChamp())
        list += IntToStr(ChampTypeID::League) + ",";
    if (filter->GetIsCup())
        list += IntToStr(ChampTypeID::Cup) + ",";
    if (filter->GetIsEuro())
        list += IntToStr(ChampTypeID::International) + ",";
    if (list.empty())
        return list;
    list.pop_back();
    return "AND TypeID IN (" + list + ") ";
}

// Only the three relations the filter window offers reach the SQL text; "!" and any
// other stored text mean no condition.
bool IsGoalRelation(const AnsiString& eq)
{
    return eq == ">" || eq == "<" || eq == "=";
}

}  // namespace

bool DBFixed::OpenLastByTeam(int team, int top, const AnsiString& typeList, int field)
{
    TeamID = team;
    return Select("SELECT TOP " + IntToStr(top) + " " + SqlFixedColumns + SideCondition(team, field) +
                  TypeCondition(typeList) + "ORDER BY F.Date DESC");
}

bool DBFixed::OpenSeriesByTeam(int team, int seasonFrom, const AnsiString& typeList, int field)
{
    TeamID = team;
    return Select("SELECT " + SqlFixedColumns + SideCondition(team, field) + TypeCondition(typeList) +
                  "AND F.SeasonID>=" + IntToStr(seasonFrom) + " ORDER BY F.Date DESC");
}

bool DBFixed::OpenHeadToHead(int team, int rival, const AnsiString& typeList, int field)
{
    TeamID = team;
    return Select("SELECT " + SqlFixedColumns + PairCondition(team, rival, field) + TypeCondition(typeList) +
                  "ORDER BY F.Date DESC;");
}

bool DBFixed::OpenRecentFav(int days, int champID)
{
    const AnsiString champ = champID != 0 ? "AND F.ChampID=" + IntToStr(champID) + " " : AnsiString();
    return Select("SELECT TOP 500 " + SqlFixedColumns + "F.Date>=Date()-" + IntToStr(days) + " AND C.Fav=true " +
                  champ + "ORDER BY F.Date DESC, C.SortName, F.Team1ID;");
}

bool DBFixed::OpenCalendarByChamp(int champID)
{
    return Select(SqlCalendarOddsSelect + "WHERE C.ChampID=" + IntToStr(champID) + " AND C.Date >= Date() " +
                  "ORDER BY C.Date");
}

bool DBFixed::OpenCalendarByTeam(int team)
{
    const AnsiString id = IntToStr(team);
    return Select(SqlCalendarOddsSelect + "WHERE (C.Team1ID=" + id + " OR C.Team2ID=" + id + ") " +
                  "AND C.Date >= Date() ORDER BY C.Date");
}

bool DBFixed::OpenCalendarByDate(TDateTime date)
{
    // Month first whatever the user's date format: Jet reads date literals that way.
    return Select(SqlCalendarOddsSelect + "WHERE C.Date = #" + JXDateTime(date).Format("%m/%d/%Y") + "# " +
                  "ORDER BY C.Date, C.FixTime, C.Team1ID");
}

bool DBFixed::OpenCalendarByChampDate(int champID, const AnsiString& dateText)
{
    return Select(SqlCalendarSelect + "C.ChampID=" + IntToStr(champID) + " AND C.Date = #" + dateText + "# " +
                  "ORDER BY C.Date, C.Team1ID, C.Tur");
}

bool DBFixed::OpenByFilter(DBFilter* filter)
{
    TeamID = filter->GetTeamID();
    switch (filter->GetMode()) {
    case FilterMode::Team: return OpenTeamFilter(filter);
    case FilterMode::Tournament: return OpenChampFilter(filter);
    case FilterMode::Pair: return OpenPairFilter(filter);
    default: return false;
    }
}

bool DBFixed::OpenTeamFilter(DBFilter* filter)
{
    TeamID = filter->GetTeamID();
    AnsiString sql = "SELECT " + SqlFixedColumns + SideResultCondition(filter);
    for (const AnsiString& kind : {ScoreKind, MissKind, TotalKind}) {
        const AnsiString condition = BuildScoreCondition(filter, kind);
        if (!condition.empty())
            sql += " AND " + condition;
    }
    sql += FilterTypeCondition(filter);
    if (const int season = filter->GetSeasonWith(); season != 0)
        sql += "AND F.SeasonID=" + IntToStr(season) + " ";
    return Select(sql + " ORDER BY F.Date DESC;");
}

bool DBFixed::OpenChampFilter(DBFilter* filter)
{
    const int season = filter->GetSeasonWith();
    const AnsiString seasonCondition = season != 0 ? "F.SeasonID=" + IntToStr(season) + " AND " : AnsiString();
    return Select("SELECT " + SqlFixedColumns + seasonCondition + "F.ChampID=" + IntToStr(filter->GetChampID()) +
                  " ORDER BY F.Date DESC, F.Team1ID;");
}

bool DBFixed::OpenPairFilter(DBFilter* filter)
{
    return Select("SELECT " + SqlFixedColumns +
                  PairCondition(filter->GetTeamID(), filter->GetTeamRivalID(), filter->GetField()) +
                  FilterTypeCondition(filter) + "ORDER BY F.Date DESC;");
}

AnsiString DBFixed::BuildScoreCondition(DBFilter* filter, const AnsiString& kind)
{
    const bool total = kind == TotalKind;
    if (!total && kind != ScoreKind && kind != MissKind)
        return AnsiString();
    const AnsiString eq = filter->GetEq(kind);
    if (!IsGoalRelation(eq))
        return AnsiString();
    const AnsiString relation = eq + FloatToSqlStr(filter->GetCount(kind));
    if (total)
        return "(F.Gol1+F.Gol2" + relation + ")";
    // The team's own goals are Gol1 at home and Gol2 away; conceded goals the other way.
    const AnsiString home = kind == ScoreKind ? "1" : "2";
    const AnsiString away = kind == ScoreKind ? "2" : "1";
    switch (filter->GetField()) {
    case FieldCode::Both: {
        const AnsiString team = IntToStr(filter->GetTeamID());
        return "((F.Team1ID=" + team + " AND F.Gol" + home + relation + ") OR (F.Team2ID=" + team + " AND F.Gol" +
               away + relation + "))";
    }
    case FieldCode::Away: return "(F.Gol" + away + relation + ")";
    default: return "(F.Gol" + home + relation + ")";
    }
}

AnsiString DBFixed::GetTeam1()
{
    return ReadString("Team1");
}

AnsiString DBFixed::GetTeam2()
{
    return ReadString("Team2");
}

TDateTime DBFixed::GetDate()
{
    return ReadDateTime("Date1");
}

AnsiString DBFixed::GetRound()
{
    const AnsiString round = ReadString("Round");
    const int tur = ReadInteger("Tur");
    return tur >= 1 ? round + " " + IntToStr(tur) : round;
}

AnsiString DBFixed::GetScoreText()
{
    return IntToStr(GetGol1()) + ":" + IntToStr(GetGol2());
}

double DBFixed::ReadOdds(std::string_view column) const
{
    const double odds = ReadFloat(column);
    return odds < 1.0 ? 1.0 : odds;
}

double DBFixed::GetKef1()
{
    return ReadOdds("Kef1");
}

double DBFixed::GetKefX()
{
    return ReadOdds("KefX");
}

double DBFixed::GetKef2()
{
    return ReadOdds("Kef2");
}

double DBFixed::GetKefUn()
{
    return ReadOdds("KefUn");
}

double DBFixed::GetKefOv()
{
    return ReadOdds("KefOv");
}

double DBFixed::GetAKef1()
{
    return ReadOdds("AKef1");
}

double DBFixed::GetAKef2()
{
    return ReadOdds("AKef2");
}

AnsiString DBFixed::GetAHandi()
{
    return ReadString("AHandi");
}

AnsiString DBFixed::GetChamp()
{
    return ReadString("Champ");
}

int DBFixed::GetTeam1ID()
{
    return ReadInteger("Team1ID");
}

int DBFixed::GetTeam2ID()
{
    return ReadInteger("Team2ID");
}

int DBFixed::GetChampID()
{
    return ReadInteger("ChampID");
}

AnsiString DBFixed::GetChampNat()
{
    return ReadString("ChampNat");
}

AnsiString DBFixed::GetChampWithNat()
{
    const AnsiString country = GetChampNat();
    return country == InternationalCountry ? GetChamp() : country + ". " + GetChamp();
}

AnsiString DBFixed::GetTeam1Nat()
{
    return ReadString("Team1Nat");
}

AnsiString DBFixed::GetTeam2Nat()
{
    return ReadString("Team2Nat");
}

int DBFixed::GetGol1()
{
    return ReadInteger("Gol1");
}

int DBFixed::GetGol2()
{
    return ReadInteger("Gol2");
}

bool DBFixed::GetAET()
{
    return ReadBoolean("AET");
}

AnsiString DBFixed::GetSeason()
{
    return ReadString("Season");
}

int DBFixed::GetSeasonID()
{
    return ReadInteger("SeasonID");
}

AnsiString DBFixed::GetFixTime()
{
    return ReadString("FixTime");
}

AnsiString DBFixed::GetTeamIDText() const
{
    return IntToStr(TeamID);
}

int DBFixed::GetResultForTeam()
{
    const int gol1 = GetGol1();
    const int gol2 = GetGol2();
    if (gol1 == gol2)
        return ResultCode::Draw;
    if (GetAET())
        return ResultCode::AfterExtraTime;
    const bool homeWon = gol1 > gol2;
    const bool teamAtHome = GetTeam1ID() == TeamID;
    return homeWon == teamAtHome ? ResultCode::Win : ResultCode::Lose;
}

int DBFixed::GetResult()
{
    if (GetAET())
        return ResultCode::Level;
    const int gol1 = GetGol1();
    const int gol2 = GetGol2();
    if (gol1 > gol2)
        return ResultCode::HomeWin;
    return gol1 == gol2 ? ResultCode::Level : ResultCode::AwayWin;
}
