#include "data/dbchamp.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "data/codes.h"
#include "matchdatafixture.h"

namespace {

// The fixture's league (10), cup (20, no favourite) and international tournament (30),
// with a German league (40) and cup (50) whose sort names put them elsewhere.
class DBChampTest : public MatchDataFixture {
protected:
    static constexpr int Bundesliga = 40;
    static constexpr int Pokal = 50;

    DBChampTest()
    {
        Exec("INSERT INTO Champ VALUES(40, 'Bundesliga', 'GER', 1, True, '0', 1)");
        Exec("INSERT INTO Champ VALUES(50, 'DFB-Pokal', 'GER', 2, True, 'd', 1)");
        Exec("INSERT INTO Season VALUES(3, '2024/2025', 2024)");
    }

    DBChamp champs;
};

TEST_F(DBChampTest, ListsFavouritesByTypeAndSeasonWithTheirDisplayNames)
{
    AddStats({.champ = League, .season = 2, .team = Arsenal});
    AddStats({.champ = Pokal, .season = 2, .team = Bayern});
    AddStats({.champ = Europe, .season = 1, .team = Bayern});
    AddStats({.champ = Cup, .season = 2, .team = Chelsea});
    Exec("INSERT INTO Calendar(Date,Team1ID,Team2ID,ChampID,RoundID) VALUES(#05/20/2024#, 17, 18, 10, 1)");
    Exec("INSERT INTO Calendar(Date,Team1ID,Team2ID,ChampID,RoundID) VALUES(#05/20/2024#, 17, 19, 20, 8)");
    Exec("INSERT INTO Calendar(Date,Team1ID,Team2ID,ChampID,RoundID) VALUES(#05/21/2024#, 20, 17, 30, 1)");
    struct Case {
        const char* what;
        std::function<bool()> open;
        const char* expected;
    };
    const Case cases[] = {
            {"every favourite", [&] { return champs.OpenList(0, 0, false); },
             "Bundesliga; Premier League; Europe. Champions League; Germany DFB-Pokal"},
            {"with the row for all", [&] { return champs.OpenList(0, 0, true); },
             "All; Bundesliga; Premier League; Europe. Champions League; Germany DFB-Pokal"},
            {"leagues", [&] { return champs.OpenList(ChampTypeID::League, 0, false); }, "Bundesliga; Premier League"},
            {"of season 2", [&] { return champs.OpenList(0, 2, false); }, "Premier League; Germany DFB-Pokal"},
            {"cups of season 2", [&] { return champs.OpenList(ChampTypeID::Cup, 2, false); }, "Germany DFB-Pokal"},
            {"international of season 2", [&] { return champs.OpenList(ChampTypeID::International, 2, false); }, ""},
            {"no favourites", [&] { return champs.OpenFav(false, false); }, "England FA Cup"},
            {"favourites", [&] { return champs.OpenFav(true, true); },
             "All; Bundesliga; Premier League; Europe. Champions League; Germany DFB-Pokal"},
            {"favourites playing on a day", [&] { return champs.OpenTodayFav("05/20/2024"); }, "Premier League"},
            {"one", [&] { return champs.OpenByID(Europe); }, "Europe. Champions League"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(c.open()) << c.what;
        EXPECT_EQ(ItemTexts(champs), c.expected) << c.what;
    }
    EXPECT_EQ(champs.GetChampID(), Europe);
    EXPECT_EQ(champs.GetTypeID(), ChampTypeID::International);
    EXPECT_EQ(champs.GetChampName(), "Champions League");
    EXPECT_EQ(champs.GetNationalID(), "EUR");
}

TEST_F(DBChampTest, MainLeagueIsTheLeagueOfTheNewestSeasonWithTheMostGames)
{
    AddStats({.champ = League, .season = 1, .team = Arsenal, .win = 9});
    AddStats({.champ = League, .season = 2, .team = Arsenal, .win = 2});
    AddStats({.champ = Bundesliga, .season = 2, .team = Arsenal, .win = 5});
    AddStats({.champ = Cup, .season = 3, .team = Arsenal, .win = 1});
    AddStats({.champ = League, .season = 1, .team = Chelsea, .win = 1});
    AddStats({.champ = Europe, .season = 2, .team = Bayern, .win = 1});
    EXPECT_EQ(DBChamp::GetMainLeague(Arsenal), Bundesliga);
    EXPECT_EQ(DBChamp::GetMainLeague(Chelsea), League);
    EXPECT_EQ(DBChamp::GetMainLeague(Bayern), 0) << "no league at all";
}

TEST_F(DBChampTest, GoalAveragesComeFromTheTwoNewestSeasonsOfTenMatchesOrMore)
{
    // Home rows: each match once. The away rows must not count.
    AddStats({.champ = League, .season = 1, .team = Arsenal, .win = 4, .gol1 = 8, .gol2 = 2});
    AddStats({.champ = League, .season = 2, .team = Arsenal, .win = 5, .gol1 = 10, .gol2 = 5});
    AddStats({.champ = Europe, .season = 2, .team = Bayern, .win = 12, .gol1 = 18, .gol2 = 6});
    AddStats({.champ = Europe, .season = 2, .team = Bayern, .field = FieldCode::Away, .lose = 12, .gol1 = 6,
              .gol2 = 18});
    AddStats({.champ = Pokal, .season = 3, .team = Bayern, .win = 6, .gol1 = 12});
    AddStats({.champ = Bundesliga, .season = 1, .team = Bayern, .win = 10, .gol1 = 50});
    AddStats({.champ = Bundesliga, .season = 2, .team = Bayern, .win = 6, .gol1 = 9, .gol2 = 3});
    AddStats({.champ = Bundesliga, .season = 3, .team = Chelsea, .win = 6, .gol1 = 15, .gol2 = 9});
    struct Case {
        const char* what;
        int champ;
        bool found;
        double avg1;
        double avg2;
    };
    const Case cases[] = {
            {"two seasons of 4 and 5 matches", League, false, -1.0, -1.0},
            {"one season of 12 matches", Europe, true, 1.5, 0.5},
            {"one season of 6 matches", Pokal, false, -1.0, -1.0},
            {"the two newest of three seasons", Bundesliga, true, 2.0, 1.0},
            {"no season", Cup, false, -1.0, -1.0},
    };
    for (const Case& c : cases) {
        double avg1 = 0;
        double avg2 = 0;
        EXPECT_EQ(DBChamp::GetGoalAverages(c.champ, avg1, avg2), c.found) << c.what;
        EXPECT_DOUBLE_EQ(avg1, c.avg1) << c.what;
        EXPECT_DOUBLE_EQ(avg2, c.avg2) << c.what;
    }
}

}  // namespace
