// The shared select texts, completed as the data classes complete them, run on the
// real schema with a small data set and give the rows a reader expects.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "data/constants.h"
#include "data/dbase.h"
#include "matchdatafixture.h"
#include "platform/adofield.h"

namespace {

class SharedSelectsTest : public MatchDataFixture {
protected:
    SharedSelectsTest()
    {
        AddEntry(1, true, 1, Arsenal, 0, 0, 2);
        AddEntry(2, true, 3, Arsenal, Chelsea, 0, 0);
        for (const char* sql : {
                 "UPDATE Champ SET Koef=0.5 WHERE ChampID=20",
                 "INSERT INTO Calendar VALUES(#12/20/2026#, 17, 18, 1, 3, 10, '1930', 1.9, 3.4, 4.0, 1.8, 2.0, '-0.5', "
                 "1.9, 1.95, 0, 0)",
                 "INSERT INTO TeamFav VALUES(17)",
                 "INSERT INTO Stats VALUES(10, 2, 17, 1, 1, 1, 1, 0, 0, 2, 1, 3, 0, 1, 1, 1, 0, 0, 0, 1)",
                 "INSERT INTO Stats VALUES(10, 2, 17, 1, 2, 1, 0, 1, 0, 0, 0, 1, 1, 0, 0, 0, 1, 1, 0, 1)",
                 "INSERT INTO Stats VALUES(10, 2, 18, 1, 1, 1, 0, 1, 0, 0, 0, 1, 1, 0, 0, 0, 1, 1, 0, 1)",
                 "INSERT INTO Stats VALUES(10, 2, 18, 1, 2, 1, 0, 0, 1, 1, 2, 0, 0, 1, 1, 1, 0, 0, 0, 1)",
                 "INSERT INTO Stats VALUES(20, 1, 17, 7, 1, 1, 1, 0, 0, 2, 1, 3, 0, 1, 1, 1, 0, 0, 0, 1)",
                 "INSERT INTO TeamResults VALUES(#10/10/2023#, 17, 1, 10, 2, 18, 2, 1, 4)",
                 "INSERT INTO TeamResults VALUES(#12/10/2023#, 17, 2, 10, 2, 19, 0, 0, 5)",
             })
            Exec(sql);
    }

    // Each row as its columns' texts joined by "|".
    std::vector<std::string> Rows(const std::string& sql, const std::vector<std::string>& columns)
    {
        DBase data;
        EXPECT_TRUE(data.Select(sql)) << sql;
        std::vector<std::string> rows;
        for (data.GetQuery()->First(); !data.GetQuery()->Eof(); data.GetQuery()->Next()) {
            std::string row;
            for (const std::string& column : columns)
                row += (row.empty() ? "" : "|") + data.GetQuery()->FieldByName(column)->AsString();
            rows.push_back(row);
        }
        return rows;
    }
};

using Expected = std::vector<std::string>;

}  // namespace

TEST_F(SharedSelectsTest, EachSelectGivesTheRowsItsReadersExpect)
{
    const std::string league = "WHERE Stats.ChampID=10 AND Stats.SeasonID=2 GROUP BY Team.Name, Team.TeamID "
                               "ORDER BY Sum(Stats.Point) DESC";
    const struct {
        std::string sql;
        std::vector<std::string> columns;
        Expected rows;
    } cases[] = {
            {SqlFilterSelect, {"FilterID", "Cur", "Mode", "Team", "TeamRival", "SeasonName", "TotalEq"},
             {"1|True|1|Arsenal||2023/2024|!", "2|True|3|Arsenal|Chelsea||!"}},
            {"SELECT " + SqlFixedColumns + "F.FixedIND IN (1,3,8) ORDER BY F.Date DESC",
             {"Date1", "Team1", "Team2", "Gol1", "Gol2", "AET", "Round", "Champ", "Season", "Kef1"},
             {"10.11.2023|Liverpool|Arsenal|2|1|True|Final|FA Cup|2023/2024|0",
              "10.10.2022|Chelsea|Arsenal|0|3|False|Matchday|Premier League|2022/2023|",
              "10.08.2022|Arsenal|Chelsea|3|1|False|Matchday|Premier League|2022/2023|1.5"}},
            {"SELECT TOP 1 " + SqlFixedColumns + "F.ChampID=10 ORDER BY F.Date DESC", {"Team1"}, {"Chelsea"}},
            {SqlCalendarOddsSelect + "WHERE C.ChampID=10",
             {"Date1", "Team1", "Team2", "Champ", "KefUn", "KefOv", "FixTime", "AHandi", "AKef2"},
             {"20.12.2026|Arsenal|Chelsea|Premier League|1.8|2|1930|-0.5|1.95"}},
            {SqlCalendarSelect + "C.ChampID=10 ORDER BY C.Date", {"Team2", "Round", "Tur"}, {"Chelsea|Matchday|3"}},
            {"SELECT " + SqlFavFixedColumns + "AND Fixed.ChampID=20 ORDER BY Fixed.Date",
             {"IsTeam1Fav", "IsTeam2Fav", "Team2"},
             {"0|-1|Chelsea", "0|-1|Liverpool", "-1|0|Arsenal"}},
            {SqlFavCalendarSelect, {"Team1", "IsTeam1Fav"}, {"Arsenal|0"}},
            {SqlTableSelect + league, {"Team", "Game", "Win", "Draw", "Lose", "Gol1", "Gol2", "Point"},
             {"Arsenal|2|1|1|0|2|1|4", "Chelsea|2|0|1|1|1|2|1"}},
            {SqlTableFullSelect + league, {"Team", "Under", "Over", "NoMiss", "Plus"},
             {"Arsenal|1|1|1|2", "Chelsea|1|1|1|2"}},
            {SqlTableSeasonChampSelect +
                     "WHERE Stats.TeamID=17 GROUP BY Team.Name,Team.TeamID,Season.Name,Champ.Name ORDER BY Champ.Name",
             {"ChampName", "SeasonName", "Game"},
             {"FA Cup|2022/2023|1", "Premier League|2023/2024|2"}},
            {SqlRankingSelect + "GROUP BY Team.Name, Team.TeamID ORDER BY Team.Name", {"Team", "Rang"},
             {"Arsenal|1.833", "Chelsea|0.5"}},
            {SqlStatsBySeasonSelect + "WHERE Stats.TeamID=17 GROUP BY Stats.SeasonID, Season.Name ORDER BY Stats.SeasonID",
             {"SeasonName", "Game", "Win"},
             {"2022/2023|1|1", "2023/2024|2|1"}},
            {SqlStatsByChampSelect +
                     "WHERE Stats.Field=1 GROUP BY Stats.ChampID,Champ.NationalID,Champ.Name ORDER BY Stats.ChampID",
             {"ChampName", "NationalID", "Game"},
             {"Premier League|ENG|2", "FA Cup|ENG|1"}},
            {"SELECT " + SqlTeamResultsColumns + "TeamResults.TeamID=17 ORDER BY TeamResults.Date DESC",
             {"Date1", "TeamName", "Field", "RivalID", "Gol1", "Gol2"},
             {"10.12.2023|Arsenal|2|19|0|0", "10.10.2023|Arsenal|1|18|2|1"}},
            {SqlChampSelect + "WHERE Champ.ChampID>0 ORDER BY Champ.SortName",
             {"ChampID", "ChampNat", "ChampName", "ChampType", "NationalName"},
             {"10|England|Premier League|League|England", "20|England|FA Cup|Cup|England",
              "30|Europe|Champions League|International|Europe"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Rows(c.sql, c.columns), c.rows) << c.sql;
}

namespace {

// FNV-1a: any changed character of a text, a blank included, changes its hash.
uint64_t Hash(const std::string& text)
{
    uint64_t hash = 14695981039346656037ull;
    for (const unsigned char c : text)
        hash = (hash ^ c) * 1099511628211ull;
    return hash;
}

}  // namespace

// The select texts stand as the program quotes them, blank for blank: callers append
// their clauses directly, and the double blanks of two texts stay. A text changed on
// purpose gets its new hash here.
TEST(SharedTextsTest, SelectTextsStandExactlyAsQuoted)
{
    const struct {
        const char* name;
        const AnsiString& text;
        uint64_t hash;
    } texts[] = {
            {"SqlFilterSelect", SqlFilterSelect, 0x64F93D3F64020894},
            {"SqlFixedColumns", SqlFixedColumns, 0x701E3EE620DC54BD},
            {"SqlCalendarOddsSelect", SqlCalendarOddsSelect, 0x95E2CD8F8EC95387},
            {"SqlCalendarSelect", SqlCalendarSelect, 0x316F9BB57FFDB50F},
            {"SqlFavFixedColumns", SqlFavFixedColumns, 0x886D33F11FA14F9F},
            {"SqlFavCalendarSelect", SqlFavCalendarSelect, 0x256F3C360919F834},
            {"SqlRankingSelect", SqlRankingSelect, 0x314F73E2B4DD14E4},
            {"SqlTableSelect", SqlTableSelect, 0x1E4859F09527138A},
            {"SqlTableFullSelect", SqlTableFullSelect, 0x43AA1B69EDA04D74},
            {"SqlTableSeasonChampSelect", SqlTableSeasonChampSelect, 0x6A4F1CCB784A4329},
            {"SqlStatsBySeasonSelect", SqlStatsBySeasonSelect, 0xFAAC75B0D2812BC2},
            {"SqlStatsByChampSelect", SqlStatsByChampSelect, 0xA476D14F738A6145},
            {"SqlTeamResultsColumns", SqlTeamResultsColumns, 0xB4002028B8267F5D},
            {"SqlChampSelect", SqlChampSelect, 0x031AB676EBA31AB6},
    };
    for (const auto& [name, text, hash] : texts)
        EXPECT_EQ(Hash(text), hash) << name << ": " << text;
}
