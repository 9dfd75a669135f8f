#include "data/dbfixed.h"

#include <gtest/gtest.h>

#include <QLocale>

#include "data/constants.h"
#include "data/dbfilter.h"
#include "localeguard.h"
#include "matchdatafixture.h"
#include "platform/sysutils.h"

namespace {

class DBFixedTest : public MatchDataFixture {
protected:
    // A team view of Arsenal as the only, current entry.
    void AddArsenalView(int field, bool win, bool draw, bool lose)
    {
        Exec("INSERT INTO Filter(FilterID,Mode,TeamID,Field,IsWin,IsDraw,IsLose) VALUES(1,1,17," +
             std::to_string(field) + "," + BoolToStr(win) + "," + BoolToStr(draw) + "," + BoolToStr(lose) + ")");
        ASSERT_TRUE(filter.Update());
    }

    void SetTypes(bool champ, bool cup, bool euro)
    {
        filter.SetIsChamp(champ);
        filter.SetIsCup(cup);
        filter.SetIsEuro(euro);
    }

    // Opens the current entry after the writers changed it.
    bool OpenView()
    {
        return filter.Update() && fixed.OpenByFilter(&filter);
    }

    const AnsiString& Sql() { return fixed.GetQuery()->SQL(); }

    // Moves to the match with that score in the open rows.
    void MoveToScore(const std::string& score)
    {
        TADOQuery* query = fixed.GetQuery();
        for (query->First(); !query->Eof(); query->Next())
            if (fixed.GetScoreText() == score)
                return;
        FAIL() << "no match " << score;
    }

    void AddCalendar(const std::string& date, int team1, int team2, const std::string& fixTime)
    {
        Exec("INSERT INTO Calendar(Date,Team1ID,Team2ID,RoundID,Tur,ChampID,FixTime,Kef1,KefX,Kef2,Un25,AsianHandicap,"
             "AsianKef1) VALUES(" + date + "," + std::to_string(team1) + "," + std::to_string(team2) + ",1,7,10,'" +
             fixTime + "',2.1,3.3,0,1.85,'-0.5',1.9)");
    }

    DBFilter filter;
    DBFixed fixed;
};

}  // namespace

TEST_F(DBFixedTest, TeamViewWithResultGoalAndTypeConditions)
{
    LocaleGuard russian(QLocale(QLocale::Russian, QLocale::Russia));
    AddArsenalView(1, true, false, false);
    filter.SetEq(DBFixed::TotalKind, ">");
    filter.SetCount(DBFixed::TotalKind, "2,5");
    SetTypes(true, true, false);
    ASSERT_TRUE(OpenView());
    EXPECT_EQ(Sql(), "SELECT " + SqlFixedColumns +
                             "(F.Team1ID=17 AND F.Gol1>F.Gol2) AND (F.Gol1+F.Gol2>2.5)AND TypeID IN (1,2)  "
                             "ORDER BY F.Date DESC;");
    EXPECT_EQ(Scores(fixed), "2:1 4:2 3:1") << "home wins in league and cup with more than 2.5 goals";
    EXPECT_EQ(fixed.GetTeamIDText(), "17");

    filter.SetSeasonWith(2);
    ASSERT_TRUE(OpenView());
    EXPECT_EQ(Scores(fixed), "2:1");
}

TEST_F(DBFixedTest, AllOrNoResultFlagsGiveOnlyTheSideCondition)
{
    const AnsiString onlySide = "SELECT " + SqlFixedColumns + "((F.Team1ID=17) OR (F.Team2ID=17)) ORDER BY F.Date DESC;";
    for (bool flags : {true, false}) {
        Exec("DELETE * FROM Filter");
        AddArsenalView(0, flags, flags, flags);
        SetTypes(false, false, false);
        ASSERT_TRUE(OpenView());
        EXPECT_EQ(Sql(), onlySide);
        EXPECT_EQ(Scores(fixed), "2:1 2:1 3:0 4:2 2:2 0:3 1:0 3:1");
    }
}

TEST_F(DBFixedTest, ResultsAndGoalsAreSeenFromTheTeamOnEitherSide)
{
    AddArsenalView(0, false, false, true);
    ASSERT_TRUE(OpenView());
    EXPECT_EQ(Scores(fixed), "2:1") << "the extra-time loss at Liverpool";

    filter.SetIsWin(true);
    filter.SetIsLose(false);
    filter.SetEq(DBFixed::ScoreKind, ">");
    filter.SetCount(DBFixed::ScoreKind, "2");
    ASSERT_TRUE(OpenView());
    EXPECT_EQ(Scores(fixed), "3:0 4:2 0:3 3:1") << "wins with three goals or more, at Chelsea too";

    filter.SetField(2);
    filter.SetEq(DBFixed::ScoreKind, "!");
    filter.SetEq(DBFixed::MissKind, "=");
    filter.SetCount(DBFixed::MissKind, "0");
    ASSERT_TRUE(OpenView());
    EXPECT_EQ(Scores(fixed), "0:3") << "away wins without a goal conceded";
}

TEST_F(DBFixedTest, ARelationOutsideTheFilterChoicesSetsNoCondition)
{
    AddArsenalView(1, true, true, true);
    SetTypes(false, false, false);
    filter.SetEq(DBFixed::TotalKind, "");
    filter.SetEq(DBFixed::ScoreKind, ">0) OR (1=1");
    ASSERT_TRUE(OpenView());
    EXPECT_EQ(Sql(), "SELECT " + SqlFixedColumns + "(F.Team1ID=17) ORDER BY F.Date DESC;");
    EXPECT_EQ(DBFixed::BuildScoreCondition(&filter, "Other"), "");
}

TEST_F(DBFixedTest, TournamentViewOfOneOrEverySeason)
{
    AddEntry(1, true, 2, 0, 0, League, 0);
    ASSERT_TRUE(OpenView());
    EXPECT_EQ(Scores(fixed), "1:1 2:1 0:3 1:0 3:1");
    EXPECT_EQ(fixed.GetTeamIDText(), "0");

    filter.SetSeasonWith(1);
    ASSERT_TRUE(OpenView());
    EXPECT_EQ(Scores(fixed), "0:3 1:0 3:1");
}

TEST_F(DBFixedTest, HeadToHeadViewBySideAndTournamentType)
{
    AddEntry(1, true, 3, Arsenal, Chelsea);
    ASSERT_TRUE(OpenView());
    EXPECT_EQ(Scores(fixed), "2:1 2:2 0:3 3:1");

    filter.SetIsCup(false);
    ASSERT_TRUE(OpenView());
    EXPECT_EQ(Scores(fixed), "2:1 0:3 3:1");
    filter.SetField(2);
    ASSERT_TRUE(OpenView());
    EXPECT_EQ(Scores(fixed), "0:3") << "Arsenal away at Chelsea";
    filter.SetField(1);
    filter.SetSeasonWith(1);
    filter.SetIsWin(false);
    ASSERT_TRUE(OpenView());
    EXPECT_EQ(Scores(fixed), "2:1 3:1") << "no season or result condition between two teams";
}

TEST_F(DBFixedTest, ReadersTellResultsOfExtraTimeRoundsAndOddsOfAtLeastOne)
{
    AddArsenalView(0, true, true, true);
    ASSERT_TRUE(OpenView());
    MoveToScore("3:1");
    EXPECT_EQ(fixed.GetDate(), EncodeDate(2022, 8, 10));
    EXPECT_EQ(fixed.GetTeam1Nat(), "ENG");
    EXPECT_EQ(fixed.GetRound(), "Matchday 1");
    EXPECT_EQ(fixed.GetSeason(), "2022/2023");
    EXPECT_EQ(fixed.GetKef2(), 6.5);
    MoveToScore("2:2");
    EXPECT_TRUE(fixed.GetAET());
    EXPECT_EQ(fixed.GetResultForTeam(), 1) << "level after extra time is a draw";
    EXPECT_EQ(fixed.GetResult(), 0);
    EXPECT_EQ(fixed.GetRound(), "Final") << "no matchday";
    EXPECT_EQ(fixed.GetKef1(), 1.0) << "no odds stored";
    MoveToScore("2:1");
    EXPECT_EQ(fixed.GetTeam1(), "Liverpool");
    EXPECT_EQ(fixed.GetResultForTeam(), 3) << "decided after extra time";
    EXPECT_EQ(fixed.GetResult(), 0);
    EXPECT_EQ(fixed.GetKefX(), 1.0) << "odds of 0";
    EXPECT_EQ(fixed.GetKef2(), 1.0) << "odds below 1";
    MoveToScore("0:3");
    EXPECT_EQ(fixed.GetResultForTeam(), 0) << "won away";
    EXPECT_EQ(fixed.GetResult(), 1);
    MoveToScore("1:0");
    EXPECT_EQ(fixed.GetResult(), -1);
}

TEST_F(DBFixedTest, TeamOpensRememberTheTeam)
{
    ASSERT_TRUE(fixed.OpenLastByTeam(Arsenal, 2, "2,3", 0));
    EXPECT_EQ(Scores(fixed), "2:1 3:0") << "the newest two of the cup and Europe";
    EXPECT_EQ(fixed.GetTeamIDText(), "17");
    ASSERT_TRUE(fixed.OpenLastByTeam(Arsenal, 10, "", 2));
    EXPECT_EQ(Scores(fixed), "2:1 0:3");
    ASSERT_TRUE(fixed.OpenSeriesByTeam(Liverpool, 2, "", 1));
    EXPECT_EQ(Scores(fixed), "2:1");
    ASSERT_TRUE(fixed.OpenSeriesByTeam(Liverpool, 1, "2", 0));
    EXPECT_EQ(Scores(fixed), "2:1 4:2");
    ASSERT_TRUE(fixed.OpenHeadToHead(Chelsea, Arsenal, "", 0));
    EXPECT_EQ(Scores(fixed), "2:1 2:2 0:3 3:1");
    EXPECT_EQ(fixed.GetResultForTeam(), 2) << "Chelsea lost 2:1 at Arsenal";
    ASSERT_TRUE(fixed.OpenHeadToHead(Chelsea, Arsenal, "1", 1));
    EXPECT_EQ(Scores(fixed), "0:3");
    ASSERT_TRUE(fixed.OpenHeadToHead(Chelsea, Arsenal, "1", 2));
    EXPECT_EQ(Scores(fixed), "2:1 3:1");
    EXPECT_EQ(fixed.GetTeamIDText(), "18");
}

TEST_F(DBFixedTest, RecentMatchesOfFavouriteTournamentsCountFromToday)
{
    // Matches of the last days in the Champions League, the cup (no favourite) and the league.
    for (const char* values : {"20,Date()-1,20,17,5,0,30", "21,Date()-3,17,18,6,0,20", "22,Date()-7,17,18,7,0,10",
                               "23,Date()-8,17,18,8,0,10"})
        Exec(std::string("INSERT INTO Fixed(FixedIND,Date,Team1ID,Team2ID,Gol1,Gol2,ChampID) VALUES(") + values + ")");
    ASSERT_TRUE(fixed.OpenRecentFav(7, 0));
    EXPECT_EQ(Scores(fixed), "5:0 7:0") << "favourite tournaments only, seven days back";
    ASSERT_TRUE(fixed.OpenRecentFav(8, League));
    EXPECT_EQ(Scores(fixed), "7:0 8:0");
}

TEST_F(DBFixedTest, ComingMatchesFromTodayOn)
{
    AddCalendar("Date()-1", Arsenal, Chelsea, "1500");
    AddCalendar("Date()", Liverpool, Arsenal, "0000");
    AddCalendar("Date()+3", Chelsea, Liverpool, "2045");
    ASSERT_TRUE(fixed.OpenCalendarByChamp(League));
    ASSERT_EQ(fixed.Count(), 2);
    EXPECT_EQ(fixed.GetTeam1(), "Liverpool");
    EXPECT_EQ(fixed.GetDate(), Date());
    EXPECT_EQ(fixed.GetFixTime(), "0000");
    EXPECT_EQ(fixed.GetRound(), "Matchday 7");
    EXPECT_EQ(fixed.GetKef1(), 2.1);
    EXPECT_EQ(fixed.GetKef2(), 1.0) << "odds of 0";
    EXPECT_EQ(fixed.GetKefOv(), 1.0) << "no odds stored";
    EXPECT_EQ(fixed.GetAHandi(), "-0.5");
    ASSERT_TRUE(fixed.OpenCalendarByTeam(Arsenal));
    EXPECT_EQ(fixed.Count(), 1);
    ASSERT_TRUE(fixed.OpenCalendarByTeam(Chelsea));
    EXPECT_EQ(fixed.GetTeam2(), "Liverpool");
}

TEST_F(DBFixedTest, ADaySelectsItsMatchesUnderAnyLocale)
{
    AddCalendar("#03/04/2031#", Arsenal, Chelsea, "1930");
    AddCalendar("#03/04/2031#", Liverpool, Bayern, "1500");
    AddCalendar("#04/03/2031#", Chelsea, Liverpool, "1500");
    for (const QLocale& locale : {QLocale(QLocale::Russian, QLocale::Russia), QLocale(QLocale::English, QLocale::UnitedStates)}) {
        LocaleGuard guard(locale);
        ASSERT_TRUE(fixed.OpenCalendarByDate(EncodeDate(2031, 3, 4) + 0.75));
        ASSERT_EQ(fixed.Count(), 2) << "4 March, not 3 April";
        EXPECT_EQ(fixed.GetTeam1(), "Liverpool") << "earlier kick-off first";
        EXPECT_EQ(fixed.GetDate(), EncodeDate(2031, 3, 4));
        ASSERT_TRUE(fixed.OpenCalendarByChampDate(League, "04/03/2031"));
        ASSERT_EQ(fixed.Count(), 1);
        EXPECT_EQ(fixed.GetTeam1(), "Chelsea");
        EXPECT_EQ(fixed.GetTeam2ID(), Liverpool);
    }
}

TEST_F(DBFixedTest, NothingOpenReadsNeutralValues)
{
    EXPECT_EQ(fixed.GetTeam1(), "");
    EXPECT_EQ(fixed.GetGol1(), 0);
    EXPECT_EQ(fixed.GetKef1(), 1.0);
    EXPECT_EQ(fixed.GetRound(), "");
    EXPECT_EQ(fixed.GetResultForTeam(), 1);
    AddEntry(1, true, 7, Arsenal);
    ASSERT_TRUE(filter.Update());
    EXPECT_FALSE(fixed.OpenByFilter(&filter)) << "an unknown mode opens nothing";
    EXPECT_FALSE(fixed.OpenLastByTeam(Arsenal, 5, "1,", 0)) << "a broken type list";
    EXPECT_EQ(fixed.GetScoreText(), "0:0");
    EXPECT_EQ(fixed.GetDate(), 0.0);
    ASSERT_EQ(LogLines().size(), 1u);
}

// The main window's road: views added from a list, then walked back and forth.
TEST_F(DBFixedTest, AHistoryWalkShowsTheRowsOfEachView)
{
    const auto expectView = [&](const std::string& history, const std::string& scores) {
        ASSERT_TRUE(filter.Update());
        EXPECT_EQ(History(), history);
        ASSERT_TRUE(fixed.OpenByFilter(&filter));
        EXPECT_EQ(Scores(fixed), scores) << history;
    };
    ASSERT_TRUE(filter.Update());
    ASSERT_TRUE(filter.AddTeam(Arsenal, 2));
    expectView("1*", "2:1 2:1 3:0");
    EXPECT_FALSE(filter.CanBack());
    ASSERT_TRUE(filter.AddChamp(League, 1));
    expectView("1 2*", "0:3 1:0 3:1");
    ASSERT_TRUE(filter.AddTeamRival(Liverpool, Arsenal));
    expectView("1 2 3*", "2:1 4:2 1:0");
    EXPECT_EQ(fixed.GetTeamIDText(), "19") << "results are told from the first team";
    EXPECT_FALSE(filter.CanForward());

    filter.Back(3);
    expectView("1 2* 3", "0:3 1:0 3:1");
    EXPECT_TRUE(filter.CanBack() && filter.CanForward());
    filter.Back(2);
    expectView("1* 2 3", "2:1 2:1 3:0");
    EXPECT_FALSE(filter.CanBack());
    filter.Forward(1);
    expectView("1 2* 3", "0:3 1:0 3:1");
    EXPECT_EQ(filter.GetRow(), 2);
    filter.Forward(1);
    expectView("1 2 3*", "2:1 4:2 1:0");
    EXPECT_EQ(filter.GetRow(), 3);

    filter.Back(1);
    expectView("1 2* 3", "0:3 1:0 3:1");
    filter.Back(1);
    ASSERT_TRUE(filter.AddTeam(Chelsea, 1));
    expectView("1 2*", "2:2 0:3 3:1");
    EXPECT_FALSE(filter.CanForward()) << "a new view drops the forward ones";
    ASSERT_TRUE(filter.AddTeam(Chelsea, 2));
    expectView("1 2*", "1:1 2:1");
}
