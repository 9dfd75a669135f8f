#include <gtest/gtest.h>
#include <sqlite3.h>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "data/schema.h"
#include "foundation/jxparse.h"
#include "instructionfiles.h"
#include "platform/exceptions.h"
#include "platform/jetsql.h"
#include "platform/sysutils.h"
#include "sampledata/sampledatagenerator.h"
#include "sampledata/sampleids.h"
#include "sqlitefile.h"
#include "tempfolder.h"

namespace {

using Row = std::vector<std::string>;

// The sample files applied to a fresh database, statement by statement through the
// Jet translator, one transaction per file, as the update applies them.
class SampleDataLoadTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        folder_ = std::make_unique<TempFolder>();
        SampleDataOptions options;
        options.today = Today;
        summary_ = SampleDataGenerator(options).Generate(folder_->Path());
        const std::string path = folder_->File("data.mdb");
        CreateDataSchema(path);
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
        RegisterJetFunctions(db);
        for (int n = 1; n <= summary_.files; ++n) {
            sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
            for (const std::string& statement : ReadInstructions(folder_->File(std::to_string(n) + ".txt")))
                Run(db, statement);
            sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        }
        sqlite3_close(db);
    }

    static void TearDownTestSuite() { folder_.reset(); }

    static void Run(sqlite3* db, const std::string& statement)
    {
        try {
            const std::string sql = TranslateJetSql(JXParse::ExpandSql(statement));
            char* error = nullptr;
            if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK)
                failures_.push_back(statement + " -> " + (error ? error : "?"));
            sqlite3_free(error);
        } catch (const EDatabaseError& e) {
            failures_.push_back(statement + " -> " + e.what());
        }
    }

    static std::vector<Row> Rows(const std::string& sql) { return QuerySqlite(folder_->File("data.mdb"), sql); }
    static std::string Value(const std::string& sql) { return Rows(sql).at(0).at(0); }
    static int Count(const std::string& sql) { return std::stoi(Value(sql)); }

    static constexpr int TodayYear = 2025;
    static inline const int Today = static_cast<int>(EncodeDate(TodayYear, 3, 14));
    static inline std::unique_ptr<TempFolder> folder_;
    static inline SampleDataSummary summary_;
    static inline std::vector<std::string> failures_;
};

std::string Ids(int first, int last)
{
    std::string list;
    for (int id = first; id <= last; ++id)
        list += (list.empty() ? "" : ",") + std::to_string(id);
    return list;
}

}  // namespace

TEST_F(SampleDataLoadTest, EveryStatementRuns)
{
    ASSERT_TRUE(failures_.empty()) << failures_.size() << " failed, the first: " << failures_.front();
}

TEST_F(SampleDataLoadTest, TablesHoldWhatTheFilesInsert)
{
    for (const auto& [table, rows] : summary_.rows)
        EXPECT_EQ(Count("SELECT COUNT(*) FROM \"" + table + "\""), rows) << table;
    EXPECT_EQ(Count("SELECT COUNT(*) FROM Fixed"), summary_.playedMatches);
    EXPECT_EQ(Count("SELECT COUNT(*) FROM Calendar"), summary_.comingMatches);
    EXPECT_EQ(Count("SELECT COUNT(*) FROM Team"), summary_.countries * ClubsPerCountry);
    EXPECT_EQ(Count("SELECT COUNT(*) FROM National"), summary_.countries + 1);
    EXPECT_EQ(Count("SELECT COUNT(*) FROM Champ"), 2 * summary_.countries + 2);
    EXPECT_EQ(Count("SELECT COUNT(*) FROM Season"), summary_.seasons + 1);
    EXPECT_EQ(Count("SELECT COUNT(*) FROM Players"), Count("SELECT COUNT(*) FROM PlayersSquad"));
    EXPECT_EQ(Rows("SELECT UpdateNum, UpdateDate, UpdateSeries FROM Version"),
              (std::vector<Row>{{std::to_string(summary_.files), "14.03.2025", "-1"}}));
}

TEST_F(SampleDataLoadTest, RowsTheListsRelyOnExist)
{
    EXPECT_EQ(Rows("SELECT Fav, TypeID IN (SELECT TypeID FROM ChampType), NationalID IN (SELECT NationalID FROM "
                   "National) FROM Champ WHERE ChampID=0"),
              (std::vector<Row>{{"-1", "1", "1"}}));
    EXPECT_EQ(Value("SELECT COUNT(*) FROM Season WHERE SeasonID=0"), "1");
    EXPECT_EQ(Rows("SELECT TypeID FROM ChampType ORDER BY TypeID"), (std::vector<Row>{{"1"}, {"2"}, {"3"}}));
    EXPECT_EQ(Rows("SELECT NationalID, TypeID FROM Champ WHERE ChampID=1"), (std::vector<Row>{{"EUR", "3"}}));
    EXPECT_GT(Count("SELECT COUNT(*) FROM Champ WHERE Fav=-1 AND TypeID=1"), 3);
    EXPECT_GT(Count("SELECT COUNT(*) FROM Champ WHERE Fav=0 AND ChampID>0"), 0);
    // Seasons are listed newest first by NameYear.
    EXPECT_EQ(Value("SELECT Name FROM Season ORDER BY NameYear DESC"), "2024/2025");

    // Every reference points at a row that exists: each of these finds nothing.
    const std::string teams = "(SELECT TeamID FROM Team)", countries = "(SELECT NationalID FROM National)";
    const std::string others = " OR ChampID NOT IN (SELECT ChampID FROM Champ WHERE ChampID>0) OR RoundID NOT IN "
                               "(SELECT RoundID FROM Round) OR Team1ID=Team2ID OR Team2ID NOT IN " + teams;
    for (const std::string& orphans :
         {"Team WHERE NationalID NOT IN " + countries, "Champ WHERE NationalID NOT IN " + countries,
          "Players WHERE NationalID NOT IN " + countries, "PlayersSquad WHERE TeamID NOT IN " + teams,
          "Calendar WHERE Team1ID NOT IN " + teams + others,
          "Fixed WHERE SeasonID NOT IN (SELECT SeasonID FROM Season WHERE SeasonID>0) OR Team1ID NOT IN " + teams +
                  others})
        EXPECT_EQ(Count("SELECT COUNT(*) FROM " + orphans), 0) << orphans;
}

TEST_F(SampleDataLoadTest, LeagueSeasonsAreDoubleRoundRobins)
{
    // The current season's matches still to come are in the calendar.
    const std::vector<Row> matches =
            Rows("SELECT F.ChampID, F.SeasonID, F.Team1ID, F.Team2ID FROM Fixed AS F INNER JOIN Champ AS C ON "
                 "C.ChampID=F.ChampID WHERE C.TypeID=1 AND F.RoundID=1 UNION ALL SELECT K.ChampID, (SELECT "
                 "MAX(SeasonID) FROM Season), K.Team1ID, K.Team2ID FROM Calendar AS K INNER JOIN Champ AS C ON "
                 "C.ChampID=K.ChampID WHERE C.TypeID=1");
    std::map<std::pair<std::string, std::string>, std::set<std::pair<std::string, std::string>>> pairs;
    std::map<std::pair<std::string, std::string>, std::map<std::string, int>> games, homeGames;
    for (const Row& m : matches) {
        const auto key = std::pair(m[0], m[1]);
        EXPECT_TRUE(pairs[key].insert({m[2], m[3]}).second) << "twice " << m[2] << "-" << m[3];
        ++games[key][m[2]];
        ++games[key][m[3]];
        ++homeGames[key][m[2]];
    }
    EXPECT_EQ(static_cast<int>(pairs.size()), summary_.countries * summary_.seasons);
    for (const auto& [key, teams] : games) {
        const int n = static_cast<int>(teams.size());
        EXPECT_TRUE(n == 18 || n == 20) << key.first << "/" << key.second << ": " << n;
        EXPECT_EQ(static_cast<int>(pairs[key].size()), n * (n - 1)) << key.first << "/" << key.second;
        for (const auto& [team, played] : teams) {
            EXPECT_EQ(played, 2 * (n - 1)) << "team " << team;
            EXPECT_EQ(homeGames[key][team], n - 1) << "team " << team;
        }
    }
    // Three clubs go down and three come up between seasons.
    EXPECT_EQ(Count("SELECT COUNT(*) FROM (SELECT DISTINCT Team1ID FROM Fixed WHERE ChampID=" +
                    std::to_string(SampleIds::League(SampleIds::England)) +
                    " AND SeasonID=2 AND Team1ID NOT IN "
                    "(SELECT Team1ID FROM Fixed WHERE ChampID=" +
                    std::to_string(SampleIds::League(SampleIds::England)) + " AND SeasonID=1))"),
              3);
}

TEST_F(SampleDataLoadTest, SplitLeagueEndsInTwoTableGroups)
{
    const std::string league = std::to_string(SampleIds::League(SampleIds::Belgium));
    EXPECT_EQ(Rows("SELECT RoundID, IsTable, OrderNumber FROM Round WHERE RoundID IN (1,2,3) ORDER BY RoundID"),
              (std::vector<Row>{{"1", "-1", "1"}, {"2", "-1", "2"}, {"3", "-1", "3"}}));
    EXPECT_EQ(Rows("SELECT RoundID, COUNT(*), COUNT(DISTINCT Team1ID), MIN(Tur), MAX(Tur) FROM Fixed WHERE ChampID=" +
                   league + " AND SeasonID=1 AND RoundID IN (2,3) GROUP BY RoundID"),
              (std::vector<Row>{{"2", "15", "6", "35", "39"}, {"3", "15", "6", "35", "39"}}));
    EXPECT_EQ(
            Count("SELECT COUNT(*) FROM Fixed AS A, Fixed AS B WHERE A.ChampID=" + league + " AND B.ChampID=" + league +
                  " AND A.SeasonID=B.SeasonID AND A.RoundID=2 AND B.RoundID=3 AND A.Team1ID IN (B.Team1ID, B.Team2ID)"),
            0);
}

TEST_F(SampleDataLoadTest, CupRoundsKnockTeamsOut)
{
    const std::vector<Row> matches = Rows(
            "SELECT F.ChampID, F.SeasonID, F.RoundID, F.Team1ID, F.Team2ID, F.Gol1, F.Gol2 FROM Fixed AS F INNER JOIN "
            "Champ AS C ON C.ChampID=F.ChampID WHERE C.TypeID=2 ORDER BY F.ChampID, F.SeasonID, F.RoundID");
    using Cup = std::pair<std::string, std::string>;
    std::map<Cup, std::map<int, std::pair<std::set<std::string>, std::set<std::string>>>> rounds;  // teams, winners
    for (const Row& m : matches) {
        auto& [teams, winners] = rounds[{m[0], m[1]}][std::stoi(m[2])];
        EXPECT_TRUE(teams.insert(m[3]).second && teams.insert(m[4]).second) << "a team twice in a round";
        ASSERT_NE(m[5], m[6]) << "a cup match ended level";
        winners.insert(std::stoi(m[5]) > std::stoi(m[6]) ? m[3] : m[4]);
    }
    int finals = 0;
    for (const auto& [cup, byRound] : rounds) {
        EXPECT_EQ(byRound.begin()->second.first.size(), 32u);
        for (auto it = byRound.begin(); std::next(it) != byRound.end(); ++it)
            EXPECT_EQ(std::next(it)->second.first, it->second.second) << "cup " << cup.first << "/" << cup.second;
        finals += byRound.rbegin()->first == SampleIds::Final && byRound.rbegin()->second.first.size() == 2;
    }
    EXPECT_EQ(finals, summary_.countries * (summary_.seasons - 1));
    // The current season's next round is drawn from the winners so far.
    EXPECT_EQ(Count("SELECT COUNT(*) FROM Calendar WHERE RoundID=" + std::to_string(SampleIds::SemiFinal) +
                    " AND ChampID IN (SELECT ChampID FROM Champ WHERE TypeID=2)"),
              2 * summary_.countries);
}

TEST_F(SampleDataLoadTest, ExtraTimeDecidesLevelTies)
{
    EXPECT_GT(Count("SELECT COUNT(*) FROM Fixed WHERE AET=-1"), 20);
    EXPECT_EQ(Count("SELECT COUNT(*) FROM Fixed WHERE AET=-1 AND Gol1=Gol2"), 0);
    EXPECT_EQ(Count("SELECT COUNT(*) FROM Fixed AS F INNER JOIN Round AS R ON R.RoundID=F.RoundID WHERE F.AET<>0 AND "
                    "R.IsTable<>0"),
              0);
}

TEST_F(SampleDataLoadTest, InternationalTournamentHasGroupsAndTwoLeggedTies)
{
    const std::string euro = std::to_string(SampleIds::EuroCup);
    EXPECT_EQ(
            Rows("SELECT COUNT(DISTINCT RoundID), COUNT(*), COUNT(DISTINCT Team1ID) FROM Fixed WHERE ChampID=" + euro +
                 " AND SeasonID=1 AND RoundID IN (" + Ids(SampleIds::FirstGroup, SampleIds::FirstGroup + 7) + ")"),
            (std::vector<Row>{{"8", "96", "32"}}));
    EXPECT_EQ(Rows("SELECT RoundID, COUNT(*), MIN(Tur), MAX(Tur) FROM Fixed WHERE ChampID=" + euro +
                   " AND SeasonID=1 AND RoundID<10 GROUP BY RoundID ORDER BY RoundID"),
              (std::vector<Row>{
                      {"5", "16", "1", "2"}, {"6", "8", "1", "2"}, {"7", "4", "1", "2"}, {"8", "1", "0", "0"}}));
    EXPECT_EQ(Count("SELECT COUNT(*) FROM Team WHERE TeamID IN (SELECT Team1ID FROM Fixed WHERE ChampID=" + euro +
                    ") AND NationalID NOT IN ('ENG','ESP','GER','RUS','BEL','ITA','FRA','POR')"),
              0);
}

TEST_F(SampleDataLoadTest, FixturesStartTodayWithOddsForTheNextDays)
{
    EXPECT_EQ(Count("SELECT MIN(Date) FROM Calendar"), Today);
    EXPECT_LT(Count("SELECT MAX(Date) FROM Fixed"), Today);
    EXPECT_EQ(Count("SELECT COUNT(*) FROM Calendar WHERE Date<>CAST(Date AS INTEGER)"), 0);
    EXPECT_GT(Count("SELECT COUNT(*) FROM Calendar WHERE Kef1>1 AND Un25>1 AND AsianHandicap<>''"), 0);
    EXPECT_EQ(Count("SELECT COUNT(*) FROM Calendar WHERE Kef1>0 AND Date>=" + std::to_string(Today + 7)), 0);
    EXPECT_GT(Count("SELECT COUNT(*) FROM Calendar WHERE FixTime='0000'"), 0);
    EXPECT_GT(Count("SELECT COUNT(*) FROM Calendar WHERE FixTime<>'0000'"), 0);
    EXPECT_EQ(Count("SELECT COUNT(*) FROM Calendar WHERE LENGTH(FixTime)<>4 OR Gol1 IS NOT NULL"), 0);
    EXPECT_GT(Count("SELECT COUNT(*) FROM Calendar WHERE Date=" + std::to_string(Today) +
                    " AND ChampID IN (SELECT "
                    "ChampID FROM Champ WHERE Fav=-1)"),
              0);
}

TEST_F(SampleDataLoadTest, OddsAgreeWithTheResults)
{
    const auto share = [](const std::string& condition, const std::string& where) {
        return std::stod(Value("SELECT AVG(" + condition + ") FROM Fixed WHERE " + where));
    };
    EXPECT_GT(share("Gol1>Gol2", "Kef1>0 AND Kef1<Kef2"), share("Gol1>Gol2", "Kef1>Kef2") + 0.2);
    EXPECT_GT(share("Gol1+Gol2>2", "Ov25>0 AND Ov25<Un25"), share("Gol1+Gol2>2", "Ov25>Un25") + 0.05);
    const double homeWins = share("Gol1>Gol2", "1=1");
    EXPECT_GT(homeWins, 0.4);
    EXPECT_LT(homeWins, 0.52);
    const double goals = share("Gol1+Gol2", "1=1");
    EXPECT_GT(goals, 2.4);
    EXPECT_LT(goals, 3.0);
    // Missing odds are rare but present, as in real data.
    const double missing = share("Kef1=0", "1=1");
    EXPECT_GT(missing, 0.0);
    EXPECT_LT(missing, 0.03);
}

TEST_F(SampleDataLoadTest, SquadsCoverEveryPositionAndFlank)
{
    EXPECT_EQ(Count("SELECT COUNT(*) FROM PlayerPos"), 6);
    EXPECT_EQ(Count("SELECT COUNT(*) FROM PlayerFlang"), 7);
    const std::string squad = " FROM Players AS P INNER JOIN PlayersSquad AS S ON S.PlayerID=P.PlayerID WHERE S.TeamID=" +
                              std::to_string(SampleIds::FirstTeam(SampleIds::England));
    EXPECT_EQ(Rows("SELECT COUNT(DISTINCT P.PosID), COUNT(DISTINCT P.FlangID), SUM(P.Skills=0)" + squad),
              (std::vector<Row>{{"6", "7", "1"}}));
    EXPECT_EQ(Count("SELECT COUNT(*) FROM Players WHERE Born>" + std::to_string(Today - 17 * 365) + " OR Born<" +
                    std::to_string(Today - 37 * 365) + " OR Height<160 OR Height>205"),
              0);
    EXPECT_GT(Count("SELECT COUNT(*) FROM Players AS P INNER JOIN PlayersSquad AS S ON S.PlayerID=P.PlayerID INNER "
                    "JOIN Team AS T ON T.TeamID=S.TeamID WHERE P.NationalID<>T.NationalID"),
              0);
}
