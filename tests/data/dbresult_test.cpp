#include "data/dbresult.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "data/codes.h"
#include "matchdatafixture.h"

namespace {

class DBResultTest : public MatchDataFixture {
protected:
    DBResultTest()
    {
        // date, team, side, tournament, season, rival, own goals, rival goals
        for (const char* row : {
                     "#05/01/2023#, 17, 2, 10, 1, 19, 3, 3",
                     "#08/01/2023#, 17, 1, 10, 2, 18, 2, 0",
                     "#08/08/2023#, 17, 2, 10, 2, 19, 1, 1",
                     "#08/15/2023#, 17, 2, 10, 2, 18, 2, 1",
                     "#08/22/2023#, 17, 1, 10, 2, 19, 0, 3",
                     "#08/29/2023#, 17, 2, 10, 2, 18, 0, 2",
                     "#09/05/2023#, 17, 1, 99, 2, 20, 4, 0",
                     "#08/02/2023#, 18, 2, 10, 2, 17, 0, 2",
                     "#08/16/2023#, 18, 1, 10, 2, 17, 1, 2",
                     "#08/03/2023#, 19, 1, 10, 2, 17, 1, 1",
                     "#08/04/2023#, 20, 1, 10, 2, 17, 2, 1",
                     "#08/11/2023#, 20, 1, 10, 2, 17, 0, 1",
                     "#08/18/2023#, 20, 1, 10, 2, 17, 5, 1",
                     "#08/25/2023#, 20, 1, 10, 2, 17, 1, 3",
             })
            Exec(std::string("INSERT INTO TeamResults(Date,TeamID,Field,ChampID,SeasonID,RivalID,Gol1,Gol2) VALUES(") +
                 row + ")");
        // Standings rows of the league's second season: Arsenal on both sides, Chelsea at home only.
        for (const char* row : {"17, 1", "17, 2", "18, 1"})
            Exec(std::string("INSERT INTO Stats(ChampID,SeasonID,RoundID,Game,TeamID,Field) VALUES(10, 2, 1, 1, ") +
                 row + ")");
    }

    // The open rows as "team:own:rival".
    std::string Rows()
    {
        std::string rows;
        for (result.GetQuery()->First(); !result.GetQuery()->Eof(); result.GetQuery()->Next())
            rows += (rows.empty() ? "" : " ") + std::to_string(result.GetTeamID()) + ":" +
                    std::to_string(result.GetGol1()) + ":" + std::to_string(result.GetGol2());
        return rows;
    }

    DBResult result;
};

TEST_F(DBResultTest, SelectsNarrowBySideResultTotalTournamentAndDaysNewestFirst)
{
    const std::vector<std::pair<std::function<bool()>, std::string>> cases = {
            {[&] { return result.OpenLast(30, 17, ">=", "", FieldCode::Away); }, "17:2:1 17:1:1 17:3:3"},
            {[&] { return result.OpenLast(2, 17, "", ">", FieldCode::Both); }, "17:4:0 17:0:3"},
            {[&] { return result.OpenLast(30, 17, "<", "<", FieldCode::Home); }, ""},
            {[&] { return result.OpenPredict(30, 17, 10, 2, FieldCode::Both, 0); },
             "17:0:2 17:0:3 17:2:1 17:1:1 17:2:0"},
            {[&] { return result.OpenPredict(3, 17, 10, 1, FieldCode::Away, 0); }, "17:0:2 17:2:1 17:1:1"},
            // Counted back from the newest played match (10.12.2023): 110 days reach 22.08.2023.
            {[&] { return result.OpenPredict(30, 17, 10, 0, FieldCode::Both, 110); }, "17:0:2 17:0:3"},
            // Grouped by team, with Arsenal's match in the other league, without Liverpool.
            {[&] { return result.OpenChamp(10, 2, FieldCode::Both); },
             "17:4:0 17:0:2 17:0:3 17:2:1 17:1:1 17:2:0 18:1:2 18:0:2"},
            {[&] { return result.OpenChamp(10, 2, FieldCode::Home); }, "17:4:0 17:0:3 17:2:0 18:1:2"},
            {[&] { return result.OpenChamp(10, 2, FieldCode::Away); }, "17:0:2 17:2:1 17:1:1"},
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        ASSERT_TRUE(cases[i].first()) << i;
        EXPECT_EQ(Rows(), cases[i].second) << i;
    }
    ASSERT_TRUE(result.OpenLast(1, 17, "", "", FieldCode::Both));
    EXPECT_EQ(result.GetTeamName() + " " + std::to_string(result.GetRivalID()), "Arsenal 20");
}

TEST_F(DBResultTest, AveragesTrimTheExtremesOnlyWhenThreeOrMoreRowsAreThere)
{
    struct Case {
        int top;
        bool trim;
        double own;
        double rival;
    };
    // Bayern's results, newest first: 1:3, 5:1, 0:1, 2:1.
    for (const Case& c : {Case{4, true, 1.5, 1.0}, Case{4, false, 2.0, 1.5}, Case{3, true, 1.0, 1.0},
                          Case{2, true, 3.0, 2.0}, Case{1, true, 1.0, 3.0}}) {
        SCOPED_TRACE("top " + std::to_string(c.top) + (c.trim ? " trimmed" : ""));
        ASSERT_TRUE(result.OpenLast(c.top, 20, "", "", FieldCode::Both));
        result.MoveBy(c.top - 1);
        result.CalcAvg(c.trim);
        EXPECT_DOUBLE_EQ(result.GetAvgGol1(), c.own);
        EXPECT_DOUBLE_EQ(result.GetAvgGol2(), c.rival);
        EXPECT_EQ(result.GetQuery()->RecNo(), c.top) << "the current row stays";
    }

    DBResult fresh;
    EXPECT_EQ(fresh.GetAvgGol1(), -1.0);
    ASSERT_TRUE(fresh.OpenLast(30, 999, "", "", FieldCode::Both));
    fresh.CalcAvg(true);
    EXPECT_EQ(fresh.GetAvgGol1(), -1.0);
    EXPECT_EQ(fresh.GetAvgGol2(), -1.0);
}

TEST_F(DBResultTest, MarksJudgeTheResultAgainstTheTotalAndHandicapLines)
{
    struct Case {
        int own, rival, tourTotal, tourHandicap;
        std::string marks;  // kinds 1 to 6
        std::string tones;  // F favourable, D draw, U unfavourable
    };
    for (const Case& c : {Case{3, 1, 1, 1, "+>><++", "FFFFFF"}, Case{0, 1, 2, 0, "-<<<--", "UUUFUU"},
                          Case{0, 1, 0, 1, "-<<>-+", "UUUUUF"}, Case{1, 1, 0, 0, "=<>>-+", "DUFUUF"},
                          Case{2, 2, 2, 0, "=><<-+", "DFUFUF"}}) {
        std::string marks, tones;
        for (int kind = MarkKind::First; kind <= MarkKind::Last; ++kind) {
            const ResultMark mark = DBResult::GetMark(kind, c.own, c.rival, c.tourTotal, c.tourHandicap);
            marks += mark.text;
            tones += "FDU"[static_cast<int>(mark.tone)];
        }
        EXPECT_EQ(marks, c.marks) << c.own << ":" << c.rival;
        EXPECT_EQ(tones, c.tones) << c.own << ":" << c.rival;
    }
}

}  // namespace
