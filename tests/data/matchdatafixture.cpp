#include "matchdatafixture.h"

#include "platform/adoquery.h"

MatchDataFixture::MatchDataFixture()
{
    for (const char* sql : {
                 "INSERT INTO [National] VALUES('ENG', 'England')",
                 "INSERT INTO [National] VALUES('GER', 'Germany')",
                 "INSERT INTO [National] VALUES('EUR', 'Europe')",
                 "INSERT INTO ChampType VALUES(1, 'League')",
                 "INSERT INTO ChampType VALUES(2, 'Cup')",
                 "INSERT INTO ChampType VALUES(3, 'International')",
                 "INSERT INTO Champ VALUES(0, 'All', 'ENG', 1, True, '', 0)",
                 "INSERT INTO Champ VALUES(10, 'Premier League', 'ENG', 1, True, 'a', 1)",
                 "INSERT INTO Champ VALUES(20, 'FA Cup', 'ENG', 2, False, 'b', 1)",
                 "INSERT INTO Champ VALUES(30, 'Champions League', 'EUR', 3, True, 'c', 1)",
                 "INSERT INTO Season VALUES(0, '', 0)",
                 "INSERT INTO Season VALUES(1, '2022/2023', 2022)",
                 "INSERT INTO Season VALUES(2, '2023/2024', 2023)",
                 "INSERT INTO Round VALUES(1, 'Matchday', True, 1)",
                 "INSERT INTO Round VALUES(8, 'Final', False, 0)",
                 "INSERT INTO Team VALUES(17, 'Arsenal', 'ENG')",
                 "INSERT INTO Team VALUES(18, 'Chelsea', 'ENG')",
                 "INSERT INTO Team VALUES(19, 'Liverpool', 'ENG')",
                 "INSERT INTO Team VALUES(20, 'Bayern', 'GER')",
         })
        Exec(sql);
    // FixedIND, date, home, away, goals, matchday, AET, round, tournament, season, odds (NULL: none stored)
    for (const char* values : {
                 "1, #08/10/2022#, 17, 18, 3, 1, 1, False, 1, 10, 1, 1.5, 4.2, 6.5",
                 "2, #09/10/2022#, 17, 19, 1, 0, 2, False, 1, 10, 1, NULL, NULL, NULL",
                 "3, #10/10/2022#, 18, 17, 0, 3, 3, False, 1, 10, 1, NULL, NULL, NULL",
                 "4, #03/10/2023#, 17, 18, 2, 2, 0, True, 8, 20, 1, NULL, NULL, NULL",
                 "5, #04/10/2023#, 17, 19, 4, 2, 0, False, 8, 20, 1, NULL, NULL, NULL",
                 "6, #09/10/2023#, 17, 20, 3, 0, 1, False, 1, 30, 2, NULL, NULL, NULL",
                 "7, #10/10/2023#, 17, 18, 2, 1, 4, False, 1, 10, 2, NULL, NULL, NULL",
                 "8, #11/10/2023#, 19, 17, 2, 1, 0, True, 8, 20, 2, 0, 0, 0.5",
                 "9, #12/10/2023#, 18, 19, 1, 1, 5, False, 1, 10, 2, NULL, NULL, NULL",
         })
        Exec(std::string("INSERT INTO Fixed(FixedIND,Date,Team1ID,Team2ID,Gol1,Gol2,Tur,AET,RoundID,ChampID,SeasonID,"
                         "Kef1,KefX,Kef2) VALUES(") + values + ")");
}

std::string MatchDataFixture::Scores(DBFixed& fixed)
{
    std::string scores;
    TADOQuery* query = fixed.GetQuery();
    if (!query->Active())
        return "<closed>";
    for (query->First(); !query->Eof(); query->Next())
        scores += (scores.empty() ? "" : " ") + fixed.GetScoreText();
    return scores;
}

std::string MatchDataFixture::History()
{
    std::string history;
    for (const auto& row : Select("SELECT FilterID, Cur FROM Filter ORDER BY FilterID"))
        history += (history.empty() ? "" : " ") + row[0] + (row[1] == "True" ? "*" : "");
    return history;
}
