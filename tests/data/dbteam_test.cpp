#include "data/dbteam.h"

#include <gtest/gtest.h>

#include "datafolderfixture.h"

namespace {

class DBTeamTest : public DataFolderFixture {
protected:
    DBTeamTest()
    {
        for (const char* sql : {
                     "INSERT INTO Team VALUES(1, 'Zenit', 'RUS')",
                     "INSERT INTO Team VALUES(2, 'Зенит', 'RUS')",
                     "INSERT INTO Team VALUES(3, 'Спартак', 'RUS')",
                     "INSERT INTO Team VALUES(4, 'Newell''s Old Boys', 'ARG')",
                     "INSERT INTO Team VALUES(5, 'Arsenal', 'ENG')",
                     "INSERT INTO Team VALUES(6, 'Sheffield United', 'ENG')",
                     "INSERT INTO Team VALUES(7, 'Spartak Trnava', 'SVK')",
                     "INSERT INTO Stats(ChampID,SeasonID,TeamID,RoundID,Field,Game) VALUES(10,1,5,7,1,1)",
                     "INSERT INTO Stats(ChampID,SeasonID,TeamID,RoundID,Field,Game) VALUES(10,2,6,7,1,1)",
                     "INSERT INTO Stats(ChampID,SeasonID,TeamID,RoundID,Field,Game) VALUES(10,2,6,7,2,1)",
                     "INSERT INTO Stats(ChampID,SeasonID,TeamID,RoundID,Field,Game) VALUES(20,2,3,7,1,1)",
             })
            Exec(sql);
    }

    std::string Names() { return ItemTexts(teams); }

    std::string Filtered(const std::string& name, const std::string& country)
    {
        teams.NameFilter = name;
        teams.NationalFilter = country;
        teams.ApplyFilter();
        return Names();
    }

    DBTeam teams;
};

}  // namespace

TEST_F(DBTeamTest, ListsTeamsByNameOrThoseOfATournamentOrSeason)
{
    ASSERT_TRUE(teams.OpenList(0, 0));
    EXPECT_EQ(Names(), "Arsenal; Newell's Old Boys; Sheffield United; Spartak Trnava; Zenit; Зенит; Спартак");
    ASSERT_TRUE(teams.OpenList(10, 0));
    EXPECT_EQ(Names(), "Arsenal; Sheffield United");
    ASSERT_TRUE(teams.OpenList(0, 2));
    EXPECT_EQ(Names(), "Sheffield United; Спартак");
    ASSERT_TRUE(teams.OpenList(10, 2));
    EXPECT_EQ(Names(), "Sheffield United");
    ASSERT_TRUE(teams.OpenList(30, 2));
    EXPECT_EQ(teams.Count(), 0);
}

TEST_F(DBTeamTest, TheRowFilterFindsTypedNamesAndCountries)
{
    ASSERT_TRUE(teams.OpenList(0, 0));
    EXPECT_EQ(Filtered("зен", ""), "Зенит") << "lower-case Cyrillic start";
    EXPECT_EQ(Filtered("СПАР", ""), "Спартак");
    EXPECT_EQ(Filtered("spartak", ""), "Spartak Trnava");
    EXPECT_EQ(Filtered("Newell's", ""), "Newell's Old Boys");
    EXPECT_EQ(Filtered("'", ""), "") << "a quote alone finds nothing and breaks nothing";
    EXPECT_EQ(Filtered("s", "ENG"), "Sheffield United");
    EXPECT_EQ(Filtered("", "rus"), "Zenit; Зенит; Спартак");
    EXPECT_EQ(Filtered("", "x' OR 'a'='a"), "");
    EXPECT_EQ(Filtered("", ""), "Arsenal; Newell's Old Boys; Sheffield United; Spartak Trnava; Zenit; Зенит; Спартак");
    EXPECT_EQ(teams.Count(), 7);

    EXPECT_EQ(Filtered("Z", ""), "Zenit");
    ASSERT_TRUE(teams.OpenList(0, 2));
    EXPECT_EQ(Filtered("", ""), "Sheffield United; Спартак");
    EXPECT_TRUE(LogLines().empty());
}

TEST_F(DBTeamTest, OneTeamIsReadByIdWithItsFavouriteMarkKeptOncePerTeam)
{
    ASSERT_TRUE(teams.OpenByID(4));
    EXPECT_EQ(teams.GetName(), "Newell's Old Boys");
    EXPECT_EQ(teams.GetNationalID(), "ARG");
    ASSERT_TRUE(teams.OpenByID(99));
    EXPECT_EQ(teams.GetName(), "");
    EXPECT_EQ(teams.GetTeamID(), 0);

    EXPECT_FALSE(DBTeam::IsTeamFav(5));
    EXPECT_TRUE(DBTeam::AddFav(5));
    EXPECT_FALSE(DBTeam::AddFav(5)) << "already a favourite";
    EXPECT_EQ(Value("SELECT COUNT(*) FROM TeamFav WHERE TeamID=5"), "1");
    EXPECT_TRUE(DBTeam::IsTeamFav(5));
    ASSERT_TRUE(teams.OpenByID(5));
    EXPECT_TRUE(teams.IsFav());
    ASSERT_TRUE(teams.OpenByID(6));
    EXPECT_FALSE(teams.IsFav());
    DBTeam::DeleteFav(5);
    EXPECT_FALSE(DBTeam::IsTeamFav(5));
    EXPECT_TRUE(DBTeam::AddFav(5));
}

TEST_F(DBTeamTest, LongNamesAreShortenedToTheFirstWordAndInitials)
{
    EXPECT_EQ(DBTeam::ShortName("Manchester United"), "Manchester United") << "17 characters";
    EXPECT_EQ(DBTeam::ShortName("Manchester Cityzen"), "Manchester C. ") << "18 characters";
    EXPECT_EQ(DBTeam::ShortName("Wolverhamptonshire"), "Wolverhamptonshire") << "no blank";
    EXPECT_EQ(DBTeam::ShortName("Borussia Moenchengladbach"), "Borussia M. ");
    EXPECT_EQ(DBTeam::ShortName("Deportivo La Coruna"), "Deportivo L. C. ");
    EXPECT_EQ(DBTeam::ShortName("Brighton and Hove Albion"), "Brighton a. H. A.");
    EXPECT_EQ(DBTeam::ShortName("Club Atletico Velez Sarsfield Juniors"), "Club A. V. S.");
    EXPECT_EQ(DBTeam::ShortName("Локомотив Москва"), "Локомотив Москва") << "16 characters in 31 bytes";
    EXPECT_EQ(DBTeam::ShortName("Алания Владикавказ"), "Алания В. ");
    EXPECT_EQ(DBTeam::ShortName("Крылья Советов Самара"), "Крылья С. С. ");
    EXPECT_EQ(DBTeam::ShortName(""), "");
}
