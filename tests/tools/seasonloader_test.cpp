#include "updateservice/seasonloader.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <set>

#include "data/dbfixed.h"
#include "platform/sysutils.h"
#include "realseasonfixture.h"
#include "tempfolder.h"

namespace {

// Real seasons loaded into an empty program folder through the update's own code.
class SeasonLoaderTest : public RealSeasonFixture {
protected:
    QJsonArray JsonMatches(const std::string& file) const
    {
        return QJsonDocument::fromJson(QByteArray::fromStdString(ReadFile(shared_ + file)))
                .object()
                .value("matches")
                .toArray();
    }
};

TEST_F(SeasonLoaderTest, PremierLeagueCsvLoadsEveryMatchWithTheFilesOdds)
{
    const SeasonRun run = LoadSeasons({Source("football-data-co-uk/E0_1819.csv")});
    EXPECT_EQ(run.counts.at(0).played, 380);
    EXPECT_EQ(Value("SELECT COUNT(*) FROM Fixed"), "380");

    // The opening match as the file gives it: Bet365's 1X2 odds, the Betbrain averages
    // of over/under and the Asian handicap.
    DBFixed fixed;
    ASSERT_TRUE(fixed.OpenHeadToHead(run.teams.at("Man United"), run.teams.at("Leicester"), "", FieldCode::Home));
    ASSERT_EQ(fixed.Count(), 1);
    EXPECT_EQ(fixed.GetDate(), EncodeDate(2018, 8, 10));
    EXPECT_EQ(fixed.GetTeam1() + " " + fixed.GetScoreText() + " " + fixed.GetTeam2(), "Man United 2:1 Leicester");
    EXPECT_EQ(fixed.GetRound(), "Round 1");
    EXPECT_EQ(fixed.GetChamp() + " " + fixed.GetSeason() + " " + fixed.GetChampNat(), "England E0 2018/19 ENG");
    EXPECT_FALSE(fixed.GetAET());
    EXPECT_DOUBLE_EQ(fixed.GetKef1(), 1.57);
    EXPECT_DOUBLE_EQ(fixed.GetKefX(), 3.9);
    EXPECT_DOUBLE_EQ(fixed.GetKef2(), 7.5);
    EXPECT_EQ(Select("SELECT Un25, Ov25, AsianHandicap, AsianKef1, AsianKef2 FROM Fixed WHERE Team1ID=" +
                     std::to_string(run.teams.at("Man United")) + " AND Date=#08/10/2018#"),
              (Rows{{"1.79", "2.03", "-0.75", "1.7", "2.21"}}));
}

TEST_F(SeasonLoaderTest, MatchesFromTheFixtureDateOnBecomeComingFixturesWithOddsAndRealScore)
{
    const std::string file = "football-data-co-uk/E0_1819.csv";
    int later = 0;
    for (const QString& line : QString::fromStdString(ReadFile(shared_ + file)).split('\n')) {
        const QDate date = QDate::fromString(line.section(',', 1, 1), "dd/MM/yyyy");
        later += date.isValid() && date >= QDate(2019, 4, 20);
    }
    ASSERT_GT(later, 0);

    SeasonSource source = Source(file);
    source.fixturesFrom = QDate(2019, 4, 20);
    const SeasonRun run = LoadSeasons({source});
    EXPECT_EQ(run.counts.at(0).fixtures, later);
    EXPECT_EQ(Value("SELECT COUNT(*) FROM Calendar"), std::to_string(later));
    EXPECT_EQ(Value("SELECT COUNT(*) FROM Fixed"), std::to_string(380 - later));
    EXPECT_EQ(Value("SELECT COUNT(*) FROM Fixed WHERE Date>=#04/20/2019#"), "0");

    DBFixed calendar;
    ASSERT_TRUE(calendar.OpenCalendarByDate(EncodeDate(2019, 4, 26)));
    ASSERT_EQ(calendar.Count(), 1);
    EXPECT_EQ(calendar.GetTeam1() + " " + calendar.GetScoreText() + " " + calendar.GetTeam2(),
              "Liverpool 5:0 Huddersfield");
    EXPECT_EQ(calendar.GetRound(), "Round 36") << "the matchday the league gave it, counted from the games";
    EXPECT_EQ(calendar.GetFixTime(), "0000") << "the 2018-19 file has no kick-off times";
    EXPECT_DOUBLE_EQ(calendar.GetKef1(), 1.07);
    EXPECT_DOUBLE_EQ(calendar.GetKefX(), 15);
    EXPECT_DOUBLE_EQ(calendar.GetKef2(), 41);
    EXPECT_DOUBLE_EQ(calendar.GetKefUn(), 4.17);
    EXPECT_DOUBLE_EQ(calendar.GetKefOv(), 1.22);
    EXPECT_EQ(calendar.GetAHandi(), "-3");
    EXPECT_DOUBLE_EQ(calendar.GetAKef1(), 1.89);
    EXPECT_DOUBLE_EQ(calendar.GetAKef2(), 1.97);
}

TEST_F(SeasonLoaderTest, LeagueAndCupOfOneSeasonNameEachClubOnceAndKeepTheExtraTimeScores)
{
    const std::string league = "openfootball-football-json/2018-19/de.1.json";
    const std::string cup = "openfootball-football-json/2018-19/de.cup.json";
    std::set<QString> names;
    int extraTime = 0;
    for (const std::string& file : {league, cup})
        for (const QJsonValue& match : JsonMatches(file)) {
            names.insert(match["team1"].toString());
            names.insert(match["team2"].toString());
            extraTime += file == cup && match["score"].toObject().contains("et");
        }
    ASSERT_GT(extraTime, 0);

    const SeasonRun run = LoadSeasons({Source(league), Source(cup, ChampTypeID::Cup)});
    const std::string cupId = std::to_string(run.champs.at("DFB Pokal"));
    EXPECT_EQ(Value("SELECT COUNT(*) FROM Team"), std::to_string(names.size()));
    EXPECT_EQ(Select("SELECT DISTINCT Name FROM Team").size(), names.size());
    const std::string bayern = std::to_string(run.teams.at("Bayern München"));
    EXPECT_EQ(Select("SELECT DISTINCT ChampID FROM Fixed WHERE Team1ID=" + bayern + " OR Team2ID=" + bayern).size(),
              2u);
    EXPECT_EQ(Value("SELECT TypeID FROM Champ WHERE ChampID=" + cupId), "2");
    EXPECT_EQ(Value("SELECT COUNT(*) FROM Stats WHERE ChampID=" + cupId + " AND RoundID<>7"), "0")
            << "cup rounds are no table stages";
    EXPECT_EQ(Value("SELECT COUNT(*) FROM Fixed WHERE AET=True AND ChampID=" + cupId), std::to_string(extraTime));

    DBFixed fixed;
    ASSERT_TRUE(fixed.OpenHeadToHead(run.teams.at("SV Wehen Wiesbaden"), run.teams.at("FC St. Pauli"), "2",
                                     FieldCode::Home));
    ASSERT_EQ(fixed.Count(), 1);
    EXPECT_EQ(fixed.GetScoreText(), "3:2") << "1:1 after ninety minutes";
    EXPECT_TRUE(fixed.GetAET());
    EXPECT_EQ(fixed.GetRound(), "Round 1");
}

}  // namespace
