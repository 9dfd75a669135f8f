#include "updateservice/openfootball.h"

#include <gtest/gtest.h>


#include "data/schema.h"
#include "foundation/jxparse.h"
#include "platform/exceptions.h"
#include "platform/jetsql.h"
#include "platform/sysutils.h"
#include "shareddata.h"
#include "sqlitefile.h"
#include "tempfolder.h"
#include "updateservice/instructionfile.h"

namespace {

// Three league matches of a made-up season, with every kind of match the converter
// leaves out, and names holding a quote and the file's separators.
const std::string SmallSeason = R"({"name": "Test League 2020/21", "matches": [
  {"round": "Matchday 1", "date": "2020-09-12", "team1": "Nott'm Forest", "team2": "Team: A;B {x}",
   "score": {"ht": [1, 0], "ft": [2, 1]}},
  {"round": "Regular, Matchday 4", "date": "2020-10-03", "team1": "Team: A;B {x}", "team2": "Nott'm Forest",
   "score": {"ft": [1, 1], "et": [2, 1]}},
  {"round": "Matchday 5", "date": "2020-10-10", "team1": "Nott'm Forest", "team2": "Third Town", "score": {}},
  {"round": "Matchday 5", "date": "2020-10-11", "team1": "Third Town", "team2": "Nott'm Forest",
   "status": "postponed"},
  {"round": "Final", "stage": "Playoffs", "date": "2021-05-29", "team1": "Fourth", "team2": "Fifth",
   "score": {"ft": [0, 1]}},
  {"round": "Finals, Final", "date": "2021-05-30", "team1": "Fourth", "team2": "Fifth", "score": {"ft": [0, 1]}}
]})";

int CountStarting(const std::vector<std::string>& statements, const std::string& start)
{
    return static_cast<int>(std::count_if(statements.begin(), statements.end(),
                                          [&](const std::string& s) { return s.rfind(start, 0) == 0; }));
}

// Each statement must come back from its file whole, as the program reads the file.
void ExpectReadBackWhole(const std::vector<std::string>& statements)
{
    JXParse table;
    table.ParseText(InstructionFileText(statements));
    ASSERT_EQ(table.RowCount(), static_cast<int>(statements.size()));
    for (size_t i = 0; i < statements.size(); ++i)
        EXPECT_EQ(table.GetField(static_cast<int>(i), "instruct").GetAnsi(), statements[i]);
}

std::string PremierLeague1819()
{
    const std::string folder = SharedDataFolder();
    return folder.empty() ? std::string() : folder + "openfootball-football-json/2018-19/en.1.json";
}

TEST(OpenFootballTest, SmallSeasonBecomesTheseStatements)
{
    const ConvertedSeason converted = ConvertOpenFootballJson(SmallSeason, "en");
    const std::vector<std::string> expected = {
            "{i}[National]{v}'ENG','England'{/v}",
            "{i}ChampType{v}1,'League'{/v}",
            "{i}ChampType{v}2,'Cup'{/v}",
            "{i}ChampType{v}3,'International'{/v}",
            "{i}Champ{v}0,'All tournaments','ENG',1,-1,'',0{/v}",
            "{i}Champ{v}1,'Test League','ENG',1,-1,'Test League',1{/v}",
            "{i}Season{v}0,'All seasons',0{/v}",
            "{i}Season{v}2020,'2020/21',2020{/v}",
            "{i}Round{v}1,'League',-1,1{/v}",
            "{i}Team{v}1,'Nott''m Forest','ENG'{/v}",
            "{i}Team{v}2,'Team  A B (x)','ENG'{/v}",
            "{i}Team{v}3,'Third Town','ENG'{/v}",
            "{i}Fixed{v}1,#09/12/2020#,1,2,2,1,1,0,1,1,2020,0,0,0,0,0,'',0,0{/v}",
            "{i}Fixed{v}2,#10/03/2020#,2,1,2,1,4,-1,1,1,2020,0,0,0,0,0,'',0,0{/v}",
            "{d}Version",
            "{i}Version{v}'1','03.10.2020',-1{/v}",
    };
    ASSERT_EQ(converted.files.size(), 1u);
    EXPECT_EQ(converted.files[0], expected);
    EXPECT_EQ(converted.matches, 2);
    EXPECT_EQ(converted.skipped, 4) << "not played, postponed, and two play-off matches";
    EXPECT_EQ(converted.teams, (std::map<std::string, int>{{"Nott'm Forest", 1}, {"Team  A B (x)", 2}, {"Third Town", 3}}));
    ExpectReadBackWhole(converted.files[0]);
}

TEST(OpenFootballTest, OptionsPlaceTheSeasonAndSpreadItOverFiles)
{
    OpenFootballOptions options;
    options.nationalId = "XEN";
    options.nationalName = "Testland";
    options.champName = "Cup: Of Tests";
    options.champId = 12;
    options.seasonId = 5;
    options.roundId = 3;
    options.firstTeamId = 100;
    options.firstMatchId = 5000;
    options.firstFileNumber = 8;
    options.fileCount = 2;
    const ConvertedSeason converted = ConvertOpenFootballJson(SmallSeason, "xx", options);

    ASSERT_EQ(converted.files.size(), 2u);
    const std::vector<std::string>& first = converted.files[0];
    const std::vector<std::string>& second = converted.files[1];
    EXPECT_EQ(first[0], "{i}[National]{v}'XEN','Testland'{/v}");
    EXPECT_EQ(first[5], "{i}Champ{v}12,'Cup  Of Tests','XEN',1,-1,'Cup  Of Tests',1{/v}");
    EXPECT_EQ(first[12], "{i}Fixed{v}5000,#09/12/2020#,100,101,2,1,1,0,3,12,5,0,0,0,0,0,'',0,0{/v}");
    EXPECT_EQ(first.back(), "{i}Version{v}'8','12.09.2020',-1{/v}");
    // The later file carries only its matches and its own version.
    EXPECT_EQ(second, (std::vector<std::string>{
                              "{i}Fixed{v}5001,#10/03/2020#,101,100,2,1,4,-1,3,12,5,0,0,0,0,0,'',0,0{/v}",
                              "{d}Version", "{i}Version{v}'9','03.10.2020',-1{/v}"}));
}

TEST(OpenFootballTest, SeasonWithoutAYearInItsNameTakesItFromTheFirstMatch)
{
    const std::string json = R"({"name": "Spring League", "matches": [
      {"round": "Matchday 1", "date": "2021-03-06", "team1": "A", "team2": "B", "score": {"ft": [0, 0]}},
      {"round": "Matchday 2", "date": "2020-08-15", "team1": "B", "team2": "A", "score": {"ft": [3, 0]}}]})";
    const std::vector<std::string> statements = ConvertOpenFootballJson(json, "de").files[0];
    EXPECT_EQ(statements[0], "{i}[National]{v}'GER','Germany'{/v}");
    EXPECT_EQ(statements[5], "{i}Champ{v}1,'Spring League','GER',1,-1,'Spring League',1{/v}");
    EXPECT_EQ(statements[7], "{i}Season{v}2020,'2020/21',2020{/v}");
}

TEST(OpenFootballTest, BrokenInputIsReportedClearly)
{
    EXPECT_THROW(ConvertOpenFootballJson("{\"name\": ", "en"), EConvertError);
    EXPECT_THROW(ConvertOpenFootballJson(R"({"name": "x"})", "en"), EConvertError);
    EXPECT_THROW(ConvertOpenFootballJson(R"({"matches": [{"round": "Matchday 1", "date": "2020-01-01",
        "team1": "A", "score": {"ft": [1, 0]}}]})", "en"), EConvertError);
    EXPECT_THROW(ConvertOpenFootballJson(R"({"matches": [{"round": "Matchday 1", "date": "2020-02-30",
        "team1": "A", "team2": "B", "score": {"ft": [1, 0]}}]})", "en"), EConvertError);

    TempFolder folder;
    EXPECT_THROW(ConvertOpenFootballFile(folder.File("missing.json")), EFileError);
    WriteFile(folder.File("taken"), "a file where a folder should be");
    EXPECT_THROW(WriteInstructionFiles(folder.File("taken"), 1, {{"{d}Version"}}), EFileError);
    EXPECT_THROW(InstructionFileText({"{u}Version{s}UpdateNum='1';"}), std::invalid_argument);
}

TEST(OpenFootballTest, PremierLeagueSeasonIsWrittenAsThreeFiles)
{
    const std::string path = PremierLeague1819();
    if (path.empty())
        GTEST_SKIP() << NoSharedDataMessage();

    OpenFootballOptions options;
    options.fileCount = 3;
    const ConvertedSeason converted = ConvertOpenFootballFile(path, options);
    ASSERT_EQ(converted.files.size(), 3u);
    EXPECT_EQ(CountStarting(converted.files[0], "{i}Fixed{v}"), 127);
    EXPECT_EQ(CountStarting(converted.files[1], "{i}Fixed{v}"), 127);
    EXPECT_EQ(CountStarting(converted.files[2], "{i}Fixed{v}"), 126);
    EXPECT_EQ(CountStarting(converted.files[2], "{i}Team{v}"), 0);
    EXPECT_EQ(converted.files[2].back(), "{i}Version{v}'3','12.05.2019',-1{/v}");

    TempFolder folder;
    WriteInstructionFiles(folder.Path(), 1, converted.files);
    EXPECT_EQ(ReadFile(folder.File("2.txt")), InstructionFileText(converted.files[1]));
}

TEST(OpenFootballTest, PremierLeagueSeasonBecomesOneFileThatLoadsIntoTheMatchDatabase)
{
    const std::string path = PremierLeague1819();
    if (path.empty())
        GTEST_SKIP() << NoSharedDataMessage();

    const ConvertedSeason converted = ConvertOpenFootballFile(path);
    ASSERT_EQ(converted.files.size(), 1u);
    const std::vector<std::string>& statements = converted.files[0];
    EXPECT_EQ(converted.matches, 380);
    EXPECT_EQ(converted.skipped, 0);
    // The opening match: Manchester United 2, Leicester City 1 on 10 August 2018.
    EXPECT_EQ(statements[29], "{i}Fixed{v}1,#08/10/2018#," + std::to_string(converted.teams.at("Manchester United")) +
                                      "," + std::to_string(converted.teams.at("Leicester City")) +
                                      ",2,1,1,0,1,1,2018,0,0,0,0,0,'',0,0{/v}");
    EXPECT_EQ(statements.back(), "{i}Version{v}'1','12.05.2019',-1{/v}");
    ExpectReadBackWhole(statements);

    TempFolder folder;
    const std::string database = folder.File("data.mdb");
    CreateDataSchema(database);
    std::string script;
    for (const std::string& statement : statements)
        script += TranslateJetSql(JXParse::ExpandSql(statement).GetAnsi()) + ";\n";
    RunSqlite(database, script);

    const auto standings = QuerySqlite(database,
            "SELECT Team.Name, SUM(Points) FROM ("
            " SELECT Team1ID AS TeamID, CASE WHEN Gol1>Gol2 THEN 3 WHEN Gol1=Gol2 THEN 1 ELSE 0 END AS Points FROM Fixed"
            " UNION ALL"
            " SELECT Team2ID, CASE WHEN Gol2>Gol1 THEN 3 WHEN Gol1=Gol2 THEN 1 ELSE 0 END FROM Fixed)"
            " JOIN Team USING (TeamID) GROUP BY Team.Name ORDER BY 2 DESC, 1");
    ASSERT_EQ(standings.size(), 20u);
    EXPECT_EQ(standings[0], (std::vector<std::string>{"Manchester City", "98"}));
    EXPECT_EQ(standings[1], (std::vector<std::string>{"Liverpool FC", "97"}));
    EXPECT_EQ(standings[5], (std::vector<std::string>{"Manchester United", "66"}));
    EXPECT_EQ(standings[19], (std::vector<std::string>{"Huddersfield Town", "16"}));
    // Dates are day numbers, so the season's opening day reads back as that date.
    EXPECT_EQ(std::stod(QuerySqlite(database, "SELECT MIN(Date) FROM Fixed").at(0).at(0)), EncodeDate(2018, 8, 10));
}

}  // namespace
