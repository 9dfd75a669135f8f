#include "predict/dbelorang.h"

#include <cmath>
#include <cstdlib>
#include <map>

#include "data/codes.h"
#include "data/datatransaction.h"
#include "data/dbconnect.h"
#include "foundation/jxerr.h"
#include "foundation/jxmath.h"
#include "platform/adoconnection.h"
#include "platform/adofield.h"
#include "platform/adoquery.h"
#include "platform/application.h"
#include "platform/progressbar.h"
#include "platform/sysutils.h"

namespace {

constexpr double RatingStep = 25.0;
constexpr double HomeAdvantage = 100.0;
// Both teams need this many league matches of the season, the current one included,
// before a match counts in the summary.
constexpr int GamesForStats = 5;

const AnsiString LeagueType = IntToStr(ChampTypeID::League);

// Weight of the goal difference n.
double GoalFactor(int n)
{
    if (n <= 1)
        return 1.0;
    if (n == 2)
        return 1.5;
    return (n + 11.0) * 0.125;
}

void Exec(const AnsiString& sql)
{
    DBConnect::GetData()->ExecSQL(sql, false);
}

struct TeamState {
    float rating = DBEloRang::StartRating;
    int games = 0;
};
using TeamStates = std::map<int, TeamState>;

// The season's league teams as Stats lists them, each at the start rating.
TeamStates SeasonTeams(const AnsiString& season)
{
    DBase teams;
    teams.Select("SELECT Stats.TeamID AS TeamID FROM Stats INNER JOIN Champ ON Stats.ChampID = Champ.ChampID "
                 "GROUP BY Stats.TeamID, Champ.TypeID, Stats.SeasonID HAVING Champ.TypeID=" +
                 LeagueType + " AND Stats.SeasonID=" + season + ";");
    TeamStates states;
    TADOQuery* rows = teams.GetQuery();
    if (!rows->Active())
        return states;
    for (rows->First(); !rows->Eof(); rows->Next())
        states[rows->FieldByName("TeamID")->AsInteger()];
    return states;
}

// A team that plays a league match without a row in the season's Stats (the table is
// stale) starts like every other team rather than at 0.
TeamState& StateOf(TeamStates& states, int team, const AnsiString& season)
{
    const auto [state, added] = states.try_emplace(team);
    if (added)
        JXErr::Warning("DBEloRang::UpdateSeason: team " + IntToStr(team) + " has no Stats row in season " + season +
                       " and starts at 1000");
    return state->second;
}

// Rates the open matches in their order, one EloFixed row each. A lost transaction
// stops the walk: its statements would no longer be undone together.
void WalkMatches(TADOQuery* matches, TeamStates& teams, const AnsiString& season, IProgressBar* bar,
                 TADOConnection* connection)
{
    const int count = matches->RecordCount();
    TField* fixedIND = matches->FieldByName("FixedIND");
    TField* team1ID = matches->FieldByName("Team1ID");
    TField* team2ID = matches->FieldByName("Team2ID");
    TField* gol1 = matches->FieldByName("Gol1");
    TField* gol2 = matches->FieldByName("Gol2");
    int done = 0;
    for (matches->First(); !matches->Eof(); matches->Next()) {
        TeamState& home = StateOf(teams, team1ID->AsInteger(), season);
        TeamState& away = StateOf(teams, team2ID->AsInteger(), season);
        const float rang1 = home.rating;
        const float rang2 = away.rating;
        const int g1 = gol1->AsInteger();
        const int g2 = gol2->AsInteger();
        home.rating = static_cast<float>(DBEloRang::NewRang(g1, g2, home.rating, away.rating, true));
        // The away side is rated against the home side's new rating.
        away.rating = static_cast<float>(DBEloRang::NewRang(g2, g1, away.rating, home.rating, false));
        ++home.games;
        ++away.games;
        const bool isStats = home.games >= GamesForStats && away.games >= GamesForStats;
        Exec("INSERT INTO EloFixed VALUES(" + IntToStr(fixedIND->AsInteger()) + "," + FloatToStrRound(rang1, 0) + "," +
             FloatToStrRound(rang2, 0) + "," + FloatToStrRound(home.rating, 0) + "," +
             FloatToStrRound(away.rating, 0) + (isStats ? ",1)" : ",0)"));
        connection->CheckTransactionIntact();
        ++done;
        if (bar)
            bar->SetPosition(100 * done / count);
        ProcessMessages();
    }
}

void RollBack(TADOConnection* connection)
{
    try {
        connection->RollbackTrans();
    } catch (const std::exception&) {
        // The connection reports its state at the next use.
    }
}

}  // namespace

DBEloRang::DBEloRang() = default;

DBEloRang::~DBEloRang() = default;

void DBEloRang::UpdateSeason(int seasonID, const AnsiString& dateCut, IProgressBar* bar)
{
    const AnsiString season = IntToStr(seasonID);
    TeamStates teams = SeasonTeams(season);
    const AnsiString cut = dateCut.empty() ? AnsiString() : "AND Fixed.Date<#" + dateCut + "2009# ";
    // Matches of one date in FixedIND order, so a rerun walks them alike.
    if (!Select("SELECT Fixed.FixedIND AS FixedIND, Fixed.Date AS Date1, Fixed.Team1ID AS Team1ID, Fixed.Team2ID AS "
                "Team2ID, Fixed.Gol1 AS Gol1, Fixed.Gol2 AS Gol2 FROM Champ INNER JOIN Fixed ON Champ.ChampID = "
                "Fixed.ChampID WHERE Champ.TypeID=" +
                LeagueType + " AND Fixed.SeasonID=" + season + " " + cut + "ORDER BY Fixed.Date, Fixed.FixedIND;"))
        return;
    TADOConnection* connection = DBConnect::GetData()->GetConnection();
    try {
        connection->BeginTrans();
    } catch (const std::exception& error) {
        JXErr::Warning("DBEloRang::UpdateSeason " + season + " " + error.what());
        return;
    }
    try {
        Exec("DELETE FROM EloFixed WHERE FixedIND IN(SELECT FixedIND FROM Fixed WHERE SeasonID=" + season + ")");
        WalkMatches(GetQuery(), teams, season, bar, connection);
        connection->CommitTrans();
    } catch (const std::exception& error) {
        RollBack(connection);
        JXErr::Warning("DBEloRang::UpdateSeason " + season + " " + error.what());
        return;
    }
    if (bar)
        bar->SetPosition(100);
}

void DBEloRang::UpdateEloStats(int seasonID)
{
    const AnsiString season = IntToStr(seasonID);
    // The season's old rows stay whole and once unless both statements run.
    try {
        DataTransaction transaction;
        DBConnect* data = DBConnect::GetData();
        data->ExecSQL("DELETE FROM EloStats WHERE EloStats.SeasonID=" + season, true);
        data->ExecSQL(
                "INSERT INTO EloStats(Deff,ChampID,SeasonID,Game,Win1,Draw,Win2,Under,Over,Gol1,Gol2) SELECT "
                "Round(([Rang1]-[Rang2])/10)*10 AS Deff, Fixed.ChampID AS ChampID, Fixed.SeasonID AS SeasonID, "
                "Count(Fixed.FixedIND) AS Game, -Sum([Fixed].[Gol1]>[Fixed].[Gol2]) AS Win1, "
                "-Sum([Fixed].[Gol1]=[Fixed].[Gol2]) AS Draw, -Sum([Fixed].[Gol1]<[Fixed].[Gol2]<0) AS Win2, "
                "-Sum([Fixed].[Gol1]+[Fixed].[Gol2]<3) AS Under, -Sum([Fixed].[Gol1]+[Fixed].[Gol2]>2) AS Over, "
                "Sum(Fixed.Gol1) AS Gol1, Sum(Fixed.Gol2) AS Gol2 FROM Fixed INNER JOIN EloFixed ON Fixed.FixedIND = "
                "EloFixed.FixedIND WHERE EloFixed.IsStats=True AND Fixed.SeasonID=" +
                season + " GROUP BY Round(([Rang1]-[Rang2])/10)*10, Fixed.ChampID, Fixed.SeasonID;",
                true);
        transaction.Commit();
    } catch (const std::exception& error) {
        JXErr::Warning("DBEloRang::UpdateEloStats " + season + " " + error.what());
    }
}

double DBEloRang::NewRang(int goalsOwn, int goalsRival, double ratingOwn, double ratingRival, bool isHome)
{
    const double g = GoalFactor(std::abs(goalsOwn - goalsRival));
    const double w = goalsOwn > goalsRival ? 1.0 : goalsOwn == goalsRival ? 0.5 : 0.0;
    return ratingOwn + RatingStep * g * (w - ExpectedScore(isHome, ratingOwn, ratingRival));
}

double DBEloRang::ExpectedScore(bool isHome, double ratingOwn, double ratingRival)
{
    // The away side gets no negative advantage, so the two expectations of a match
    // need not add up to 1.
    const double h = isHome ? HomeAdvantage : 0.0;
    return 1.0 / (std::pow(10.0, -(ratingOwn - ratingRival + h) * 0.0025) + 1.0);
}

int DBEloRang::GetRang(int teamID)
{
    return GetRangBack(teamID, 0);
}

int DBEloRang::GetRangTrend(int teamID)
{
    DBEloRang history;
    history.SelectRatings(teamID);
    const int latest = history.RatingOf(teamID);
    history.MoveBy(5);
    return latest - history.RatingOf(teamID);
}

int DBEloRang::GetRangBack(int teamID, int n)
{
    DBEloRang history;
    history.SelectRatings(teamID);
    if (n > 0)
        history.MoveBy(n);
    return history.RatingOf(teamID);
}

void DBEloRang::SelectRatings(int teamID)
{
    const AnsiString team = IntToStr(teamID);
    // Newest first in the walk's order: of two matches on one date the later walked.
    Select("SELECT Fixed.Team1ID AS Team1ID, Fixed.Team2ID AS Team2ID, EloFixed.NewRang1 AS Rang1, EloFixed.NewRang2 "
           "AS Rang2 FROM Fixed INNER JOIN EloFixed ON Fixed.FixedIND = EloFixed.FixedIND WHERE Fixed.Team1ID=" +
           team + " OR Fixed.Team2ID=" + team + " ORDER BY Fixed.Date DESC, Fixed.FixedIND DESC;");
}

int DBEloRang::RatingOf(int teamID) const
{
    return ReadInteger("Team1ID") == teamID ? ReadInteger("Rang1") : ReadInteger("Rang2");
}
