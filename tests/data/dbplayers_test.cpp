#include "data/dbplayers.h"

#include <gtest/gtest.h>

#include <set>

#include "datafolderfixture.h"
#include "platform/adoquery.h"
#include "platform/sysutils.h"

namespace {

constexpr int Team = 1;

class DBPlayersTest : public DataFolderFixture {
protected:
    DBPlayersTest()
    {
        for (const char* sql : {"INSERT INTO [National] VALUES('ENG', 'England')",
                                "INSERT INTO [National] VALUES('RUS', 'Россия')",
                                "INSERT INTO PlayerPos VALUES(1, 'GK')", "INSERT INTO PlayerPos VALUES(2, 'D')",
                                "INSERT INTO PlayerPos VALUES(3, 'WB')", "INSERT INTO PlayerPos VALUES(4, 'DM')",
                                "INSERT INTO PlayerPos VALUES(5, 'M')", "INSERT INTO PlayerPos VALUES(6, 'F')"})
            Exec(sql);
        const char* const sides[] = {"LRC", "LR", "RC", "LC", "R", "L", "C"};
        for (int flang = 1; flang <= 7; ++flang)
            Exec("INSERT INTO PlayerFlang VALUES(" + std::to_string(flang) + ", '" + sides[flang - 1] + "')");
    }

    void AddPlayer(const std::string& name, int pos, int flang, int skills, TDateTime born = 30000,
                   int team = Team)
    {
        const std::string id = std::to_string(++lastID);
        Exec("INSERT INTO Players VALUES(" + id + ", '" + name + "', 'ENG', " + FloatToSqlStr(born) + ", 180, " +
             std::to_string(skills) + ", " + std::to_string(pos) + ", " + std::to_string(flang) + ")");
        Exec("INSERT INTO PlayersSquad VALUES(" + id + ", " + std::to_string(team) + ")");
    }

    // The names of the open rows in order, "a b c".
    std::string Names(int minSkills, int slot)
    {
        EXPECT_TRUE(players.OpenSquad(Team, minSkills, slot));
        std::string names;
        for (players.GetQuery()->First(); !players.GetQuery()->Eof(); players.GetQuery()->Next())
            names += (names.empty() ? "" : " ") + players.GetPlayerName();
        return names;
    }

    // The date of today moved back by whole years; 28 February for 29 February in
    // a year without it.
    static TDateTime YearsAgo(int years)
    {
        int year, month, day;
        DecodeDate(Date(), year, month, day);
        TDateTime date = 0;
        if (!TryEncodeDate(year - years, month, day, date))
            date = EncodeDate(year - years, month, day - 1);
        return date;
    }

    DBPlayers players;
    int lastID = 0;
};

TEST_F(DBPlayersTest, TheSkillBoundIsStrictAndOnlyTheTeamsPlayersAreListed)
{
    AddPlayer("Fifty", 2, 7, 50);
    AddPlayer("FiftyOne", 2, 7, 51);
    AddPlayer("Zero", 2, 7, 0);
    AddPlayer("Stranger", 2, 7, 90, 30000, Team + 1);
    EXPECT_EQ(Names(50, SquadSlot::WholeSquad), "FiftyOne");
    EXPECT_EQ(Names(0, SquadSlot::WholeSquad), "FiftyOne Fifty");
    EXPECT_EQ(Names(-1, SquadSlot::WholeSquad), "FiftyOne Fifty Zero");
}

TEST_F(DBPlayersTest, TheSquadIsOrderedByLineSideAndSkillAndEachPlaceListsItsCandidatesBestFirst)
{
    AddPlayer("GK70", 1, 7, 70);
    AddPlayer("GK80", 1, 7, 80);
    AddPlayer("GK60", 1, 1, 60);
    AddPlayer("D2F1", 2, 1, 75);
    AddPlayer("D2F7", 2, 7, 74);
    AddPlayer("WB3F5", 3, 5, 73);
    AddPlayer("WB3F1", 3, 1, 72);
    AddPlayer("DM4F7", 4, 7, 69);
    AddPlayer("DM4F2", 4, 2, 68);
    AddPlayer("M5F3", 5, 3, 67);
    AddPlayer("M5F6", 5, 6, 66);
    AddPlayer("F6F7", 6, 7, 64);
    AddPlayer("F6F5", 6, 5, 63);
    AddPlayer("F6F4", 6, 4, 62);

    EXPECT_EQ(Names(0, SquadSlot::WholeSquad),
              "GK60 GK80 GK70 D2F1 D2F7 WB3F1 WB3F5 DM4F2 DM4F7 M5F3 M5F6 F6F4 F6F5 F6F7");
    EXPECT_EQ(Names(0, -3), Names(0, SquadSlot::WholeSquad));
    EXPECT_EQ(Names(0, SquadSlot::Goalkeeper), "GK80 GK70 GK60");

    // Which places each player qualifies for; the side codes overlap.
    const std::pair<const char*, std::set<int>> places[] = {
        {"D2F1", {SquadSlot::RightBack, SquadSlot::LeftBack, SquadSlot::CentreBack}},
        {"D2F7", {SquadSlot::CentreBack}},
        {"WB3F5", {SquadSlot::RightBack}},
        {"WB3F1", {SquadSlot::RightBack, SquadSlot::LeftBack, SquadSlot::CentreBack, SquadSlot::DefensiveMidfield}},
        {"DM4F7", {SquadSlot::DefensiveMidfield}},
        {"DM4F2", {SquadSlot::RightMidfield, SquadSlot::LeftMidfield}},
        {"M5F3", {SquadSlot::RightMidfield, SquadSlot::CentreMidfield}},
        {"M5F6", {SquadSlot::LeftMidfield}},
        {"F6F7", {SquadSlot::CentreForward}},
        {"F6F5", {SquadSlot::RightForward}},
        {"F6F4", {SquadSlot::LeftForward}},
    };
    for (int slot = SquadSlot::CentreForward; slot <= SquadSlot::DefensiveMidfield; ++slot) {
        if (slot == SquadSlot::Goalkeeper)
            continue;
        // Best first: the players above are listed in falling skill order.
        std::string expected;
        for (const auto& [name, slots] : places)
            if (slots.contains(slot))
                expected += (expected.empty() ? "" : " ") + std::string(name);
        EXPECT_EQ(Names(0, slot), expected) << "slot " << slot;
    }
    ASSERT_TRUE(players.OpenSquad(Team, 73, 12));
    EXPECT_EQ(players.Count(), 3) << "no place condition beyond slot 11";
    EXPECT_TRUE(LogLines().empty());
}

TEST_F(DBPlayersTest, ReadsEveryColumnOfAPlayerWithPositionAndSideAsOneName)
{
    AddPlayer("Андрей Аршавин", 6, 5, 77, EncodeDate(1981, 5, 29));
    Exec("UPDATE Players SET NationalID='RUS', Height=172");
    ASSERT_TRUE(players.OpenSquad(Team, 0, SquadSlot::WholeSquad));
    EXPECT_EQ(players.GetPosName(), "FR");
    EXPECT_EQ(players.GetFlangName(), "R");
    EXPECT_EQ(players.GetPosID(), 6);
    EXPECT_EQ(players.GetSkills(), 77);
    EXPECT_EQ(players.GetHeight(), 172);
    EXPECT_EQ(players.GetNationalID(), "RUS");
    EXPECT_EQ(players.GetNationalName(), "Россия");
    EXPECT_EQ(DateToStr(players.GetBorn()), "29.05.1981");
    EXPECT_EQ(players.GetShortName(), "А. Аршавин");
}

TEST_F(DBPlayersTest, ShortNamesMakeInitialsOfTheFirstThreeWordsCountedInCharacters)
{
    const std::pair<const char*, const char*> names[] = {
        {"Xxx Yyy", "X. Yyy"},
        {"Xxx-Www Yyy", "X. W. Yyy"},
        {"Xxx Www Vvv Uuu Yyy", "X. W. V. Uuu Yyy"},
        {"John Smith", "J. Smith"},
        {"J. Smith", "J. Smith"},
        {"Анна-Мария Петрова", "А. М. Петрова"},
        {"Ronaldinho", "Ronaldinho"},
    };
    int skills = 99;
    for (const auto& [name, shortName] : names)
        AddPlayer(name, 5, 7, skills--);
    ASSERT_TRUE(players.OpenSquad(Team, 0, SquadSlot::WholeSquad));
    for (const auto& [name, shortName] : names) {
        EXPECT_EQ(players.GetShortName(), shortName) << name;
        players.GetQuery()->Next();
    }
}

TEST_F(DBPlayersTest, AgeIsTheNumberOfCompletedYears)
{
    const TDateTime today = Date();
    const std::pair<TDateTime, int> births[] = {
        {today - 10000, 27},
        {YearsAgo(28) + 1, 27},  // the birthday is tomorrow
        {YearsAgo(28), 28},
        {today, 0},
        {YearsAgo(100), 100},
    };
    int skills = 99;
    for (const auto& [born, age] : births)
        AddPlayer("P" + std::to_string(age), 5, 7, skills--, born);
    ASSERT_TRUE(players.OpenSquad(Team, 0, SquadSlot::WholeSquad));
    for (const auto& [born, age] : births) {
        EXPECT_EQ(players.GetAge(), age) << "born " << DateToStr(born);
        players.GetQuery()->Next();
    }
}

}  // namespace
