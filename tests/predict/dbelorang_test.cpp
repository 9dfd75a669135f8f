#include "predict/dbelorang.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "datafolderfixture.h"
#include "foundation/jxerr.h"
#include "platform/progressbar.h"
#include "sqlitefile.h"

namespace {

constexpr int League = 10;
constexpr int Cup = 20;

// Records every position; throws once it is set for the n-th time, when asked to.
class RecordingBar : public IProgressBar {
public:
    explicit RecordingBar(int failAt = 0) : failAt_(failAt) {}
    int Position() const override { return positions.empty() ? 0 : positions.back(); }
    void SetPosition(int position) override
    {
        positions.push_back(position);
        if (static_cast<int>(positions.size()) == failAt_)
            throw std::runtime_error("the window went away");
    }
    std::vector<int> positions;

private:
    int failAt_;
};

// A match of a day after 1 December 2008.
struct Match {
    int id, day, home, away, gol1, gol2;
};

std::string Csv(std::initializer_list<int> values)
{
    std::string text;
    for (int value : values)
        text += (text.empty() ? "" : ", ") + std::to_string(value);
    return text;
}

class DBEloRangTest : public DataFolderFixture {
protected:
    DBEloRangTest()
    {
        Exec("INSERT INTO Champ(ChampID, TypeID) VALUES(" + Csv({League, 1}) + ")");
        Exec("INSERT INTO Champ(ChampID, TypeID) VALUES(" + Csv({Cup, 2}) + ")");
    }

    static void Add(const Match& m, int season = 1, int champ = League)
    {
        Exec("INSERT INTO Fixed(FixedIND, Team1ID, Team2ID, Gol1, Gol2, ChampID, SeasonID, [Date]) VALUES(" +
             Csv({m.id, m.home, m.away, m.gol1, m.gol2, champ, season}) + ", #12/01/2008# + " + std::to_string(m.day) +
             ")");
    }

    // The league teams of a season as the Stats rebuild lists them.
    static void AddStats(int season, const std::vector<int>& teams)
    {
        for (int team : teams)
            Exec("INSERT INTO Stats(ChampID, SeasonID, TeamID) VALUES(" + Csv({League, season, team}) + ")");
    }

    // Four clubs, twice each against each other, a round a week; club 4 has no Stats
    // row, and a cup match falls in the season.
    static void AddRoundRobin()
    {
        for (const Match& m : std::vector<Match>{{1, 0, 1, 2, 2, 1},   {2, 0, 3, 4, 0, 0},   {3, 7, 1, 3, 1, 1},
                                                 {4, 7, 4, 2, 3, 0},   {5, 14, 1, 4, 0, 2},  {6, 14, 2, 3, 1, 1},
                                                 {7, 21, 2, 1, 0, 1},  {8, 21, 4, 3, 2, 2},  {9, 28, 3, 1, 5, 0},
                                                 {10, 28, 2, 4, 1, 0}, {11, 35, 4, 1, 1, 3}, {12, 35, 3, 2, 2, 1}})
            Add(m);
        Add({13, 10, 1, 2, 4, 0}, 1, Cup);
        AddStats(1, {1, 2, 3});
    }

    static Rows EloRows() { return Select("SELECT * FROM EloFixed ORDER BY FixedIND"); }

    // Rang1, Rang2, NewRang1, NewRang2, IsStats of a match.
    static std::vector<std::string> Row(int fixedIND)
    {
        const Rows rows = Select("SELECT Rang1, Rang2, NewRang1, NewRang2, IsStats FROM EloFixed WHERE FixedIND=" +
                                 std::to_string(fixedIND));
        return rows.empty() ? std::vector<std::string>{} : rows.front();
    }

    DBEloRang elo;
};

TEST_F(DBEloRangTest, RatingsOfOneMatchAtEqualStartByScore)
{
    // 2:1 at home: the away side is rated against the home side's new rating.
    const double home = DBEloRang::NewRang(2, 1, 1000, 1000, true);
    EXPECT_NEAR(DBEloRang::ExpectedScore(true, 1000, 1000), 0.6401, 0.0001);
    EXPECT_NEAR(home, 1008.998, 0.001);
    EXPECT_NEAR(DBEloRang::ExpectedScore(false, 1000, home), 0.4871, 0.0001);
    EXPECT_NEAR(DBEloRang::NewRang(1, 2, 1000, home, false), 987.824, 0.001);

    // Stored after the walk: new home and away ratings; 3:1 and 5:0 also tell the
    // new home rating from the old one (981 and 975 against it).
    const std::tuple<int, int, const char*> cases[] = {
            {2, 1, "1009/988"}, {1, 0, "1009/988"}, {3, 1, "1013/982"}, {5, 0, "1018/976"}, {0, 0, "996/1000"}};
    int season = 0;
    for (const auto& [gol1, gol2, stored] : cases) {
        Add({++season, 0, 1, 2, gol1, gol2}, season);
        AddStats(season, {1, 2});
        elo.UpdateSeason(season, "", nullptr);
        const std::vector<std::string> row = Row(season);
        ASSERT_EQ(row.size(), 5u);
        EXPECT_EQ(row[0] + "/" + row[1], "1000/1000");
        EXPECT_EQ(row[2] + "/" + row[3], stored) << gol1 << ":" << gol2;
    }
    EXPECT_TRUE(LogLines().empty());
}

TEST_F(DBEloRangTest, SeasonWalkRowsProgressRerunAndFailure)
{
    AddRoundRobin();
    RecordingBar bar;
    elo.UpdateSeason(1, "", &bar);

    const Rows rows = EloRows();
    ASSERT_EQ(rows.size(), 12u) << "one row per league match, none for the cup match";
    for (const auto& row : rows)
        EXPECT_EQ(row[5], std::stoi(row[0]) <= 8 ? "False" : "True") << "match " << row[0];
    EXPECT_EQ(Row(2), (std::vector<std::string>{"1000", "1000", "996", "1000", "False"}))
            << "club 4, missing from Stats, starts at 1000";
    const auto& warnings = JXErr::GetInstance().Lines();
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings.front().GetAnsi(),
              "[WARNING] DBEloRang::UpdateSeason: team 4 has no Stats row in season 1 and starts at 1000");

    ASSERT_EQ(bar.positions.size(), 13u);
    EXPECT_TRUE(std::is_sorted(bar.positions.begin(), bar.positions.end()));
    EXPECT_EQ(bar.positions.front(), 8);
    EXPECT_EQ(bar.positions.back(), 100);

    elo.UpdateSeason(1, "", nullptr);
    EXPECT_EQ(EloRows(), rows) << "a rerun replaces the season's rows by the same rows";

    // A walk that does not finish keeps the old rows.
    Exec("UPDATE Fixed SET Gol1=9 WHERE FixedIND=1");
    RecordingBar failing(6);
    elo.UpdateSeason(1, "", &failing);
    EXPECT_EQ(EloRows(), rows);
    EXPECT_EQ(JXErr::GetInstance().Lines().back().GetAnsi(),
              "[WARNING] DBEloRang::UpdateSeason 1 the window went away");

    elo.UpdateSeason(1, "1/1/", nullptr);
    EXPECT_EQ(EloRows().size(), 10u) << "the date cut keeps the matches before 1 January 2009";

    Add({20, 0, 1, 2, 1, 0}, 3, Cup);
    RecordingBar empty;
    elo.UpdateSeason(3, "", &empty);
    EXPECT_EQ(empty.positions, std::vector<int>{100}) << "a season without league matches";
}

TEST_F(DBEloRangTest, LookupsCountBackOverTheTeamsMatchesOfEverySeason)
{
    AddRoundRobin();
    elo.UpdateSeason(1, "", nullptr);
    // Club 1's ratings after each of its matches, oldest first: at home in 1, 3 and 5.
    std::vector<int> club1;
    for (int id : {1, 3, 5, 7, 9, 11})
        club1.push_back(std::stoi(Row(id).at(id <= 5 ? 2 : 3)));
    ASSERT_EQ(club1.size(), 6u);
    EXPECT_EQ(DBEloRang::GetRang(1), club1[5]);
    EXPECT_EQ(DBEloRang::GetRangTrend(1), club1[5] - club1[0]);
    for (int n = 0; n <= 5; ++n)
        EXPECT_EQ(DBEloRang::GetRangBack(1, n), club1[5 - n]) << n;
    EXPECT_EQ(DBEloRang::GetRangBack(1, 9), club1[0]) << "past the oldest match stays on it";
    EXPECT_EQ(DBEloRang::GetRangBack(1, -2), club1[5]);

    // A new season starts again at 1000; club 5 has three rated matches only.
    for (const Match& m : {Match{21, 300, 1, 5, 2, 0}, Match{22, 307, 5, 1, 1, 1}, Match{23, 314, 1, 5, 0, 1}})
        Add(m, 2);
    AddStats(2, {1, 5});
    elo.UpdateSeason(2, "", nullptr);
    EXPECT_EQ(Row(21).at(0), "1000");
    EXPECT_EQ(DBEloRang::GetRang(1), std::stoi(Row(23).at(2))) << "the latest row of any season";
    EXPECT_EQ(DBEloRang::GetRangTrend(5), DBEloRang::GetRang(5) - std::stoi(Row(21).at(3)));
    EXPECT_EQ(DBEloRang::GetRangBack(5, 9), std::stoi(Row(21).at(3)));

    EXPECT_EQ(DBEloRang::GetRang(99), 0);
    EXPECT_EQ(DBEloRang::GetRangTrend(99), 0);
    EXPECT_EQ(DBEloRang::GetRangBack(99, 2), 0);
}

TEST_F(DBEloRangTest, SummaryBandsRoundHalvesToEven)
{
    // Rating differences 25, 35, -25 and 20; the last row does not count.
    const std::pair<Match, std::string> rated[] = {
            {{41, 0, 1, 2, 2, 1}, "1025, 1000, 0, 0, True"}, {{42, 1, 3, 4, 0, 0}, "1035, 1000, 0, 0, True"},
            {{43, 2, 1, 3, 0, 3}, "1000, 1025, 0, 0, True"}, {{44, 3, 2, 4, 1, 2}, "1010, 990, 0, 0, True"},
            {{45, 4, 1, 4, 7, 0}, "1100, 900, 0, 0, False"}};
    for (const auto& [match, ratings] : rated) {
        Add(match);
        Exec("INSERT INTO EloFixed VALUES(" + std::to_string(match.id) + ", " + ratings + ")");
    }
    Exec("INSERT INTO EloStats(Deff, SeasonID, Game) VALUES(500, 1, 99)");

    DBEloRang::UpdateEloStats(1);
    DBEloRang::UpdateEloStats(1);
    // Deff, Game, Win1, Draw, Win2, Under, Over, Gol1, Gol2
    EXPECT_EQ(Select("SELECT Deff, Game, Win1, Draw, Win2, Under, Over, Gol1, Gol2 FROM EloStats WHERE ChampID=" +
                     std::to_string(League) + " AND SeasonID=1 ORDER BY Deff"),
              (Rows{{"-20", "1", "0", "0", "1", "0", "1", "0", "3"},
                    {"20", "2", "1", "0", "1", "0", "2", "3", "3"},
                    {"40", "1", "0", "1", "0", "1", "0", "0", "0"}}));
    EXPECT_EQ(Value("SELECT COUNT(*) FROM EloStats"), "3") << "the old rows of the season are gone";
}

// A failure between the two statements of a season's summary leaves its old rows, once.
TEST_F(DBEloRangTest, SummaryOfASeasonIsReplacedWholeOrNotAtAll)
{
    Add({41, 0, 1, 2, 2, 1});
    Exec("INSERT INTO EloFixed VALUES(41, 1025, 1000, 0, 0, True)");
    DBEloRang::UpdateEloStats(1);
    const std::string summary = "SELECT Deff, Game FROM EloStats WHERE SeasonID=1";
    const Rows before = Select(summary);
    ASSERT_EQ(before, (Rows{{"20", "1"}}));
    Add({42, 1, 3, 4, 0, 0});
    Exec("INSERT INTO EloFixed VALUES(42, 1035, 1000, 0, 0, True)");

    for (const char* statement : {"INSERT", "DELETE"}) {
        SCOPED_TRACE(statement);
        RunSqlite(File("data.mdb"), std::string("CREATE TRIGGER Refuse BEFORE ") + statement +
                                            " ON EloStats BEGIN SELECT RAISE(ABORT, 'summary refused'); END");
        DBEloRang::UpdateEloStats(1);
        EXPECT_EQ(Select(summary), before);
        ASSERT_FALSE(JXErr::GetInstance().Lines().empty());
        EXPECT_EQ(JXErr::GetInstance().Lines().back().GetAnsi().rfind("[WARNING] DBEloRang::UpdateEloStats 1 ", 0), 0u)
                << JXErr::GetInstance().Lines().back().GetAnsi();
        RunSqlite(File("data.mdb"), "DROP TRIGGER Refuse");
    }
    DBEloRang::UpdateEloStats(1);
    EXPECT_EQ(Select(summary + " ORDER BY Deff"), (Rows{{"20", "1"}, {"40", "1"}}));
}

}  // namespace
