#include "updateservice/footballdatacsv.h"

#include <gtest/gtest.h>

#include "platform/exceptions.h"

namespace {

// Four matches of a made-up season, one not played yet and one out of date order.
const std::string Season = "Div,Date,HomeTeam,AwayTeam,FTHG,FTAG,B365H,B365D,B365A\n"
                           "E0,10/08/2018,Man United,Leicester,2,1,1.57,3.9,7.5\n"
                           "E0,11/08/2018,Nott'm Forest,Man City,0,2,6,4.2,1.5\n"
                           "E0,18/08/2018,Leicester,Nott'm Forest,,,2.1,3.3,3.6\n"
                           "E0,14/08/2018,Man City,Man United,1,1,1.9,3.5,4\n";

std::string Replaced(std::string text, const std::string& from, const std::string& to)
{
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

std::vector<std::string> Described(const SeasonFile& season)
{
    std::vector<std::string> matches;
    for (const FileMatch& m : season.matches)
        matches.push_back(m.date.toString("dd.MM.yyyy").toStdString() + " " + m.team1 + "-" + m.team2 + " " +
                          (m.score ? std::to_string(m.score->first) + ":" + std::to_string(m.score->second) : "-") +
                          " md" + std::to_string(m.tur) + " " + m.odds.kef1);
    return matches;
}

std::string OddsText(const MatchOdds& o)
{
    return o.kef1 + " " + o.kefX + " " + o.kef2 + " | " + o.un25 + " " + o.ov25 + " | " + o.handicap + " " +
           o.asianKef1 + " " + o.asianKef2;
}

TEST(FootballDataCsvTest, EveryFormOfTheFileGivesTheSameMatchesInDateOrder)
{
    const std::vector<std::string> expected = {
            "10.08.2018 Man United-Leicester 2:1 md1 1.57", "11.08.2018 Nott'm Forest-Man City 0:2 md1 6",
            "14.08.2018 Man City-Man United 1:1 md2 1.9", "18.08.2018 Leicester-Nott'm Forest - md2 2.1"};
    const std::pair<const char*, std::string> forms[] = {
            {"plain", Season},
            {"byte order mark", "\xEF\xBB\xBF" + Season},
            {"CRLF line ends", Replaced(Season, "\n", "\r\n")},
            {"two-digit years", Replaced(Season, "/2018,", "/18,")},
            {"blank and comma-only lines", "\n" + Season + ",,,,,,,,\r\n\r\n"},
            {"all at once", "\xEF\xBB\xBF" + Replaced(Replaced(Season, "/2018,", "/18,"), "\n", "\r\n") + ",,,\r\n"},
    };
    for (const auto& [form, text] : forms)
        EXPECT_EQ(Described(ReadFootballDataCsv(text, OddsChoice::Opening)), expected) << form;
}

TEST(FootballDataCsvTest, OddsAreBet365sWhereTheFileHasThemElseTheMarketAverage)
{
    // The columns of 2018-19 (Betbrain averages), of 2019-20 on (closing odds), and none.
    const std::string older = "Date,HomeTeam,AwayTeam,FTHG,FTAG,B365H,B365D,B365A,BbAvH,BbAvD,BbAvA,BbAv>2.5,"
                              "BbAv<2.5,BbAHh,BbAvAHH,BbAvAHA\n"
                              "10/08/2018,A,B,2,1,1.57,3.9,7.5,1.56,3.92,7.06,2.03,1.79,-0.75,1.7,2.21\n";
    const std::string newer = "Date,HomeTeam,AwayTeam,FTHG,FTAG,B365H,B365D,B365A,AvgH,AvgD,AvgA,B365>2.5,"
                              "B365<2.5,Avg>2.5,Avg<2.5,AHh,B365AHH,B365AHA,AvgAHH,AvgAHA,B365CH,B365CD,B365CA,"
                              "B365C>2.5,B365C<2.5,AvgC>2.5,AvgC<2.5,AHCh,B365CAHH,B365CAHA\n"
                              "09/08/2019,A,B,4,1,1.14,10,19,1.14,8.75,19.83,1.4,3,1.41,2.92,-2.25,1.96,1.94,1.94,"
                              "1.94,1.15,9.5,21,1.3,3.5,1.32,3.43,-2,1.91,1.99\n";
    const std::string gaps = Replaced(Replaced(newer, "1.14,10,19,", ",,,"), "1.3,3.5,1.32", ",,1.32");
    const std::string none = "Date,HomeTeam,AwayTeam,FTHG,FTAG\n09/08/2019,A,B,4,1\n";
    const struct {
        const char* name;
        std::string text;
        OddsChoice choice;
        std::string odds;
    } cases[] = {
            {"2018-19", older, OddsChoice::Opening, "1.57 3.9 7.5 | 1.79 2.03 | -0.75 1.7 2.21"},
            {"2018-19 has no closing odds", older, OddsChoice::Closing, "1.57 3.9 7.5 | 1.79 2.03 | -0.75 1.7 2.21"},
            {"2019-20 opening", newer, OddsChoice::Opening, "1.14 10 19 | 3 1.4 | -2.25 1.96 1.94"},
            {"2019-20 closing", newer, OddsChoice::Closing, "1.15 9.5 21 | 3.5 1.3 | -2 1.91 1.99"},
            {"empty Bet365 cells", gaps, OddsChoice::Opening, "1.14 8.75 19.83 | 3 1.4 | -2.25 1.96 1.94"},
            {"empty closing cells", gaps, OddsChoice::Closing, "1.15 9.5 21 | 3.43 1.32 | -2 1.91 1.99"},
            {"no odds columns", none, OddsChoice::Closing, "   |   |   "},
    };
    for (const auto& c : cases) {
        const SeasonFile season = ReadFootballDataCsv(c.text, c.choice);
        ASSERT_EQ(season.matches.size(), 1u) << c.name;
        EXPECT_EQ(OddsText(season.matches[0].odds), c.odds) << c.name;
    }
}

TEST(FootballDataCsvTest, MalformedFileIsReportedWithItsLine)
{
    const std::string head = "Div,Date,HomeTeam,AwayTeam,FTHG,FTAG,B365H\n";
    const struct {
        const char* name;
        std::string text;
        std::string message;
    } cases[] = {
            {"no such day", head + "E0,31/02/2019,A,B,1,0,2\n", "line 2: the date \"31/02/2019\""},
            {"other date form", head + "E0,2019-02-01,A,B,1,0,2\n", "line 2: the date \"2019-02-01\""},
            {"goals no number", head + "E0,01/02/2019,A,B,1,x,2\n", "line 2: the score"},
            {"one goal missing", head + "E0,01/02/2019,A,B,1,,2\n", "line 2: the score"},
            {"negative goals", head + "E0,01/02/2019,A,B,-1,0,2\n", "line 2: the score"},
            {"a team missing", head + "\nE0,01/02/2019,,B,1,0,2\n", "line 3: a team is missing"},
            {"too few fields", head + "E0,01/02/2019,A,B,1,0\n", "line 2: 6 fields where the head names 7"},
            {"too many fields", head + "E0,01/02/2019,A,B,1,0,2,3\n", "line 2: 8 fields"},
            {"odds no number", head + "E0,01/02/2019,A,B,1,0,inf\n", "line 2: B365H \"inf\" is no number"},
            {"a column missing", "Div,Date,HomeTeam,AwayTeam,FTHG\n", "no column FTAG"},
            {"nothing at all", "\xEF\xBB\xBF\r\n", "no head row"},
    };
    for (const auto& c : cases) {
        try {
            ReadFootballDataCsv(c.text, OddsChoice::Opening);
            ADD_FAILURE() << c.name << ": read without complaint";
        } catch (const EConvertError& error) {
            EXPECT_NE(error.Message().find(c.message), std::string::npos) << c.name << ": " << error.Message();
        }
    }
}

}  // namespace
