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
        Exec("INSERT INTO [National] VALUES('ENG', 'England')");
        Exec("INSERT INTO [National] VALUES('RUS', 'Россия')");
        const char* const lines[] = {"GK", "D", "WB", "DM", "M", "F"};
        for (int pos = 1; pos <= 6; ++pos)
            Exec("INSERT INTO PlayerPos VALUES(" + std::to_string(pos) + ", '" + lines[pos - 1] + "')");
        const char* const sides[] = {"LRC", "LR", "RC", "LC", "R", "L", "C"};
        for (int flang = 1; flang <= 7; ++flang)
            Exec("INSERT INTO PlayerFlang VALUES(" + std::to_string(flang) + ", '" + sides[flang - 1] + "')");
    }

    void AddPlayer(const std::string& name, int pos, int flang, int skills, TDateTime born = 30000, int team = Team)
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

    DBPlayers players;
    int lastID = 0;
};

TEST_F(DBPlayersTest, TheSquadIsOrderedByLineSideAndSkillAndEachPlaceListsItsCandidatesBestFirst)
{
    // Added in falling skill order but for the goalkeepers.
    for (const auto& [name, pos, flang, skills] : std::initializer_list<std::tuple<const char*, int, int, int>>{
             {"GK70", 1, 7, 70}, {"GK80", 1, 7, 80}, {"GK60", 1, 1, 60}, {"D2F1", 2, 1, 75}, {"D2F7", 2, 7, 74},
             {"WB3F5", 3, 5, 73}, {"WB3F1", 3, 1, 72}, {"DM4F7", 4, 7, 69}, {"DM4F2", 4, 2, 68}, {"M5F3", 5, 3, 67},
             {"M5F6", 5, 6, 66}, {"F6F7", 6, 7, 64}, {"F6F5", 6, 5, 63}, {"F6F4", 6, 4, 62}, {"F6F6", 6, 6, 0}})
        AddPlayer(name, pos, flang, skills);
    AddPlayer("Stranger", 1, 7, 99, 30000, Team + 1);

    EXPECT_EQ(Names(0, SquadSlot::WholeSquad),
              "GK60 GK80 GK70 D2F1 D2F7 WB3F1 WB3F5 DM4F2 DM4F7 M5F3 M5F6 F6F4 F6F5 F6F7");
    EXPECT_EQ(Names(-1, -3), "GK60 GK80 GK70 D2F1 D2F7 WB3F1 WB3F5 DM4F2 DM4F7 M5F3 M5F6 F6F4 F6F5 F6F6 F6F7");
    EXPECT_EQ(Names(0, SquadSlot::Goalkeeper), "GK80 GK70 GK60");
    EXPECT_EQ(Names(70, SquadSlot::Goalkeeper), "GK80") << "the bound is strict";
    ASSERT_TRUE(players.OpenSquad(Team, 73, 12));
    EXPECT_EQ(players.Count(), 3) << "no place condition beyond slot 11";

    // The places of each player; the side codes overlap.
    using namespace SquadSlot;
    const std::pair<const char*, std::set<int>> places[] = {
        {"D2F1", {RightBack, LeftBack, CentreBack}},  {"D2F7", {CentreBack}},
        {"WB3F5", {RightBack}},                       {"WB3F1", {RightBack, LeftBack, CentreBack, DefensiveMidfield}},
        {"DM4F7", {DefensiveMidfield}},               {"DM4F2", {RightMidfield, LeftMidfield}},
        {"M5F3", {RightMidfield, CentreMidfield}},    {"M5F6", {LeftMidfield}},
        {"F6F7", {CentreForward}},                    {"F6F5", {RightForward}},
        {"F6F4", {LeftForward}}};
    for (int slot = CentreForward; slot <= DefensiveMidfield; ++slot) {
        if (slot == Goalkeeper)
            continue;
        std::string expected;
        for (const auto& [name, slots] : places)
            if (slots.contains(slot))
                expected += (expected.empty() ? "" : " ") + std::string(name);
        EXPECT_EQ(Names(0, slot), expected) << "slot " << slot;
    }
    EXPECT_TRUE(LogLines().empty());
}

TEST_F(DBPlayersTest, ShortNamesMakeInitialsOfTheFirstThreeWordsCountedInCharacters)
{
    const std::pair<const char*, const char*> names[] = {
        {"Xxx Yyy", "X. Yyy"},         {"Xxx-Www Yyy", "X. W. Yyy"}, {"Xxx Www Vvv Uuu Yyy", "X. W. V. Uuu Yyy"},
        {"John Smith", "J. Smith"},    {"J. Smith", "J. Smith"},     {"Анна-Мария Петрова", "А. М. Петрова"},
        {"Ronaldinho", "Ronaldinho"}};
    int skills = 99;
    for (const auto& [name, shortName] : names)
        AddPlayer(name, 5, 7, skills--);
    ASSERT_TRUE(players.OpenSquad(Team, 0, SquadSlot::WholeSquad));
    for (const auto& [name, shortName] : names) {
        EXPECT_EQ(players.GetShortName(), shortName) << name;
        players.GetQuery()->Next();
    }
}

TEST_F(DBPlayersTest, ReadsAPlayerWithPositionAndSideAsOneNameAndAgeInCompletedYears)
{
    const TDateTime today = Date();
    int year, month, day;
    DecodeDate(today, year, month, day);
    // 28 years back keeps 29 February; 100 years back may not.
    const TDateTime years28 = EncodeDate(year - 28, month, day);
    TDateTime years100 = 0;
    if (!TryEncodeDate(year - 100, month, day, years100))
        years100 = EncodeDate(year - 100, month, day - 1);
    const std::pair<TDateTime, int> births[] = {
        {EncodeDate(1981, 5, 29), year - 1981 - (month * 100 + day < 529 ? 1 : 0)},
        {today - 10000, 27}, {years28 + 1, 27}, {years28, 28}, {today, 0}, {years100, 100}};
    int skills = 99;
    for (const auto& [born, age] : births)
        AddPlayer("Андрей Аршавин", 6, 5, skills--, born);
    Exec("UPDATE Players SET NationalID='RUS', Height=172 WHERE PlayerID=1");

    ASSERT_TRUE(players.OpenSquad(Team, 0, SquadSlot::WholeSquad));
    EXPECT_EQ(players.GetPosName() + " " + players.GetFlangName() + " " + IntToStr(players.GetPosID()) + " " +
                  IntToStr(players.GetSkills()) + " " + IntToStr(players.GetHeight()) + " " +
                  players.GetNationalID() + " " + players.GetNationalName() + " " + DateToStr(players.GetBorn()),
              "FR R 6 99 172 RUS Россия 29.05.1981");
    for (const auto& [born, age] : births) {
        EXPECT_EQ(players.GetAge(), age) << "born " << DateToStr(born);
        players.GetQuery()->Next();
    }
}

}  // namespace
