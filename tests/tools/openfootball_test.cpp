#include "updateservice/openfootball.h"

#include <gtest/gtest.h>

#include "foundation/jxparse.h"
#include "platform/exceptions.h"
#include "shareddata.h"
#include "tempfolder.h"
#include "updateservice/instructionfile.h"
#include "updateservice/seasonconverter.h"

namespace {

// A made-up league season with every kind of match: matchdays, one after extra time,
// one not played, one postponed, and play-offs marked as two different files do; names
// hold a quote and the file's separators.
const std::string SmallSeason = R"({"name": "Test League 2020/21", "matches": [
  {"round": "Matchday 1", "date": "2020-09-12", "team1": "Nott'm Forest", "team2": "Team: A;B {x}",
   "score": {"ht": [1, 0], "ft": [2, 1]}},
  {"round": "Regular, Matchday 4", "date": "2020-10-03", "team1": "Team: A;B {x}", "team2": "Nott'm Forest",
   "score": {"ft": [1, 1], "et": [2, 1]}},
  {"round": "Matchday 5", "date": "2020-10-10", "team1": "Nott'm Forest", "team2": "Third Town", "score": {}},
  {"round": "Matchday 5", "date": "2020-10-11", "team1": "Third Town", "team2": "Nott'm Forest",
   "status": "postponed"},
  {"stage": "Playoffs", "date": "2021-05-29", "team1": "Fourth", "team2": "Fifth", "score": {"ft": [0, 1]}},
  {"round": "Finals, Final", "date": "2021-05-30", "team1": "Fourth", "team2": "Fifth", "score": {"ft": [0, 1]}}
]})";

// A cup of the same season: two clubs of the league, a new one, a round decided after
// extra time and on penalties, a final not played yet.
const std::string SmallCup = R"({"name": "Test Cup 2020/21", "matches": [
  {"round": "Round 1", "date": "2020-09-20", "team1": "Cup Town", "team2": "Nott'm Forest",
   "score": {"ft": [1, 1], "et": [2, 2], "p": [4, 3]}},
  {"round": "Final", "date": "2021-05-22", "time": "20:00", "team1": "Cup Town", "team2": "Fourth", "score": {}}
]})";

class OpenFootballTest : public ::testing::Test {
protected:
    SeasonSource Source(const std::string& name, const std::string& json, int typeID = ChampTypeID::League)
    {
        WriteFile(folder_.File(name), json);
        SeasonSource source;
        source.path = folder_.File(name);
        source.typeID = typeID;
        return source;
    }

    TempFolder folder_;
};

// Each statement must come back from its file whole, as the program reads the file.
void ExpectReadBackWhole(const std::vector<std::string>& statements)
{
    JXParse table;
    table.ParseText(InstructionFileText(statements));
    ASSERT_EQ(table.RowCount(), static_cast<int>(statements.size()));
    for (size_t i = 0; i < statements.size(); ++i)
        EXPECT_EQ(table.GetField(static_cast<int>(i), "instruct").GetAnsi(), statements[i]);
}

int CountStarting(const std::vector<std::string>& statements, const std::string& start)
{
    return static_cast<int>(std::count_if(statements.begin(), statements.end(),
                                          [&](const std::string& s) { return s.rfind(start, 0) == 0; }));
}

TEST_F(OpenFootballTest, LeagueSeasonBecomesTheseStatements)
{
    SeasonConverter converter;
    const ConvertedSource converted = converter.Convert(Source("en.1.json", SmallSeason));
    const std::vector<std::string> expected = {
            "{i}[National]{v}'ENG','England'{/v}",
            "{i}ChampType{v}1,'League'{/v}",
            "{i}ChampType{v}2,'Cup'{/v}",
            "{i}ChampType{v}3,'International'{/v}",
            "{i}Champ{v}0,'All tournaments','ENG',1,-1,'',0{/v}",
            "{i}Season{v}0,'All seasons',0{/v}",
            "{i}Champ{v}1,'Test League','ENG',1,-1,'Test League',1{/v}",
            "{i}Season{v}2020,'2020/21',2020{/v}",
            "{i}Round{v}1,'Round',-1,1{/v}",
            "{i}Round{v}2,'Playoffs',0,0{/v}",
            "{i}Round{v}3,'Final',0,0{/v}",
            "{i}Team{v}1,'Fifth','ENG'{/v}",
            "{i}Team{v}2,'Fourth','ENG'{/v}",
            "{i}Team{v}3,'Nott''m Forest','ENG'{/v}",
            "{i}Team{v}4,'Team  A B (x)','ENG'{/v}",
            "{i}Team{v}5,'Third Town','ENG'{/v}",
            "{i}Fixed{v}1,#09/12/2020#,3,4,2,1,1,0,1,1,2020,0,0,0,0,0,'',0,0{/v}",
            "{i}Fixed{v}2,#10/03/2020#,4,3,2,1,4,-1,1,1,2020,0,0,0,0,0,'',0,0{/v}",
            "{i}Fixed{v}3,#05/29/2021#,2,1,0,1,0,0,2,1,2020,0,0,0,0,0,'',0,0{/v}",
            "{i}Fixed{v}4,#05/30/2021#,2,1,0,1,0,0,3,1,2020,0,0,0,0,0,'',0,0{/v}",
            "{d}Version",
            "{i}Version{v}'1','30.05.2021',-1{/v}",
    };
    ASSERT_EQ(converted.files.size(), 1u);
    EXPECT_EQ(converted.files[0], expected) << "the play-offs (a stage, or a round not a matchday) sit outside "
                                               "the table, the extra-time score counts";
    EXPECT_EQ(converted.counts.played, 4);
    EXPECT_EQ(converted.counts.skipped, 2) << "not played, postponed";
    ExpectReadBackWhole(converted.files[0]);
}

TEST_F(OpenFootballTest, CupOfTheSameRunNamesEachClubStageAndSeasonOnce)
{
    SeasonConverter converter;
    converter.Convert(Source("en.1.json", SmallSeason));
    SeasonSource cup = Source("de.cup.json", SmallCup, ChampTypeID::Cup);
    cup.fixturesFrom = QDate(2021, 5, 1);
    const ConvertedSource converted = converter.Convert(cup);

    EXPECT_EQ(converted.files.at(0), (std::vector<std::string>{
            "{i}[National]{v}'GER','Germany'{/v}",
            "{i}Champ{v}2,'Test Cup','GER',2,-1,'Test Cup',1{/v}",
            "{i}Round{v}4,'Round 1',0,0{/v}",
            "{i}Team{v}6,'Cup Town','GER'{/v}",
            "{i}Fixed{v}5,#09/20/2020#,6,3,2,2,0,-1,4,2,2020,0,0,0,0,0,'',0,0{/v}",
            "{i}Calendar{v}#05/22/2021#,6,2,3,0,2,'2000',0,0,0,0,0,'',0,0,NULL,NULL{/v}",
            "{d}Version",
            "{i}Version{v}'2','20.09.2020',-1{/v}"}));
    EXPECT_EQ(converter.Teams().size(), 6u);
    EXPECT_EQ(converter.Rounds(), (std::map<std::string, int>{{"Round", 1}, {"Playoffs", 2}, {"Final", 3}, {"Round 1", 4}}));
    EXPECT_EQ(converter.Champs(), (std::map<std::string, int>{{"Test League", 1}, {"Test Cup", 2}}));
}

TEST_F(OpenFootballTest, OptionsPlaceTheSeasonAndSpreadItOverFiles)
{
    SeasonRunIds ids;
    ids.firstChampId = 12;
    ids.firstRoundId = 6;
    ids.firstTeamId = 100;
    ids.firstMatchId = 5000;
    ids.firstFileNumber = 8;
    SeasonSource source = Source("xx.json", SmallSeason);
    source.nationalId = "XEN";
    source.nationalName = "Testland";
    source.champName = "Cup: Of Tests";
    source.seasonName = "Autumn 2020";
    source.seasonId = 5;
    const ConvertedSource converted = SeasonConverter(ids).Convert(source, 2);

    ASSERT_EQ(converted.files.size(), 2u);
    const std::vector<std::string>& first = converted.files[0];
    EXPECT_EQ(first[0], "{i}[National]{v}'XEN','Testland'{/v}");
    EXPECT_EQ(first[6], "{i}Champ{v}12,'Cup  Of Tests','XEN',1,-1,'Cup  Of Tests',1{/v}");
    EXPECT_EQ(first[7], "{i}Season{v}5,'Autumn 2020',2020{/v}");
    EXPECT_EQ(first[8], "{i}Round{v}6,'Round',-1,1{/v}");
    EXPECT_EQ(first[9], "{i}Round{v}8,'Playoffs',0,0{/v}") << "7 is the Stats row of the stages outside the table";
    EXPECT_EQ(first[16], "{i}Fixed{v}5000,#09/12/2020#,102,103,2,1,1,0,6,12,5,0,0,0,0,0,'',0,0{/v}");
    EXPECT_EQ(first.back(), "{i}Version{v}'8','03.10.2020',-1{/v}");
    // The later file carries only its matches and its own version.
    EXPECT_EQ(CountStarting(converted.files[1], "{i}Fixed{v}"), 2);
    EXPECT_EQ(converted.files[1].size(), 4u);
    EXPECT_EQ(converted.files[1].back(), "{i}Version{v}'9','30.05.2021',-1{/v}");
}

TEST_F(OpenFootballTest, SeasonWithoutAYearInItsNameTakesItFromTheFirstMatch)
{
    const std::string json = R"({"name": "Spring League", "matches": [
      {"round": "Matchday 1", "date": "2021-03-06", "team1": "A", "team2": "B", "score": {"ft": [0, 0]}},
      {"round": "Matchday 2", "date": "2020-08-15", "team1": "B", "team2": "A", "score": {"ft": [3, 0]}}]})";
    SeasonConverter converter;
    const std::vector<std::string> statements = converter.Convert(Source("de.1.json", json)).files[0];
    EXPECT_EQ(statements[0], "{i}[National]{v}'GER','Germany'{/v}");
    EXPECT_EQ(statements[6], "{i}Champ{v}1,'Spring League','GER',1,-1,'Spring League',1{/v}");
    EXPECT_EQ(statements[7], "{i}Season{v}2020,'2020/21',2020{/v}");
}

TEST_F(OpenFootballTest, BrokenInputIsReportedClearly)
{
    const std::vector<std::string> broken = {
            "{\"name\": ",
            R"({"name": "x"})",
            R"({"matches": [{"round": "Matchday 1", "date": "2020-01-01", "team1": "A", "score": {"ft": [1, 0]}}]})",
            R"({"matches": [{"round": "Matchday 1", "date": "2020-02-30", "team1": "A", "team2": "B"}]})",
    };
    for (const std::string& json : broken)
        EXPECT_THROW(ReadOpenFootballJson(json, ChampTypeID::League), EConvertError) << json;

    SeasonConverter converter;
    EXPECT_THROW(converter.Convert(Source("en.1.json", broken[2])), EConvertError);
    EXPECT_THROW(converter.Convert(Source("E0_2021.csv", "Date,HomeTeam,AwayTeam,FTHG,FTAG\n",
                                          ChampTypeID::Cup)),
                 EConvertError)
            << "football-data.co.uk files hold leagues";
    SeasonSource missing;
    missing.path = folder_.File("missing.json");
    EXPECT_THROW(converter.Convert(missing), EFileError);
    WriteFile(folder_.File("taken"), "a file where a folder should be");
    EXPECT_THROW(WriteInstructionFiles(folder_.File("taken"), 1, {{"{d}Version"}}), EFileError);
    EXPECT_THROW(InstructionFileText({"{u}Version{s}UpdateNum='1';"}), std::invalid_argument);
}

TEST(OpenFootballRealDataTest, PremierLeagueSeasonIsWrittenAsThreeFiles)
{
    const std::string shared = SharedDataFolder();
    if (shared.empty())
        GTEST_SKIP() << NoSharedDataMessage();

    SeasonSource source;
    source.path = shared + "openfootball-football-json/2018-19/en.1.json";
    const ConvertedSource converted = SeasonConverter().Convert(source, 3);
    ASSERT_EQ(converted.files.size(), 3u);
    EXPECT_EQ(converted.counts.played, 380);
    EXPECT_EQ(CountStarting(converted.files[0], "{i}Fixed{v}"), 127);
    EXPECT_EQ(CountStarting(converted.files[1], "{i}Fixed{v}"), 127);
    EXPECT_EQ(CountStarting(converted.files[2], "{i}Fixed{v}"), 126);
    EXPECT_EQ(CountStarting(converted.files[2], "{i}Team{v}"), 0);
    EXPECT_EQ(converted.files[2].back(), "{i}Version{v}'3','12.05.2019',-1{/v}");
    for (const std::vector<std::string>& file : converted.files)
        ExpectReadBackWhole(file);
}

}  // namespace
