#include "data/dbseries.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <array>
#include <map>
#include <string>
#include <vector>

#include "data/codes.h"
#include "realseasonfixture.h"
#include "updateservice/seasonloader.h"

namespace {

using Runs = std::array<int, SeriesCalcIndex::Count>;
using Cells = std::array<int, ScoreCell::Count>;

// A played match as the raw file has it; after extra time the score is the one after it.
struct RawMatch {
    std::string date;
    std::string team1;
    std::string team2;
    int gol1;
    int gol2;
    bool aet;
};

std::vector<RawMatch> ReadRawMatches(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path;
    std::vector<RawMatch> matches;
    for (const QJsonValue& value : QJsonDocument::fromJson(file.readAll()).object()["matches"].toArray()) {
        const QJsonObject match = value.toObject();
        const QJsonObject score = match["score"].toObject();
        const bool aet = score.contains("et");
        const QJsonArray goals = score[aet ? "et" : "ft"].toArray();
        if (goals.size() == 2)
            matches.push_back({match["date"].toString().toStdString(), match["team1"].toString().toStdString(),
                               match["team2"].toString().toStdString(), goals[0].toInt(), goals[1].toInt(), aet});
    }
    return matches;
}

// The runs and score cells of one club, counted straight from the raw matches.
struct CountedRuns {
    Runs cur{};
    Runs max{};
    Cells cells{};
    int matches = 0;
};

CountedRuns CountRuns(std::vector<RawMatch> matches, const std::string& club)
{
    std::stable_sort(matches.begin(), matches.end(),
                     [](const RawMatch& a, const RawMatch& b) { return a.date < b.date; });
    constexpr std::array<std::array<int, 2>, 16> cellScores = {{{3, 0}, {3, 2}, {3, 1}, {2, 1}, {2, 0}, {1, 0},
                                                                {0, 0}, {1, 1}, {2, 2}, {3, 3}, {0, 1}, {0, 2},
                                                                {1, 2}, {1, 3}, {2, 3}, {0, 3}}};
    CountedRuns counted;
    for (const RawMatch& m : matches) {
        if (m.team1 != club && m.team2 != club)
            continue;
        int own = m.team1 == club ? m.gol1 : m.gol2;
        int rival = m.team1 == club ? m.gol2 : m.gol1;
        if (m.aet)
            own = rival = std::min(own, rival);
        const int total = own + rival;
        // Win, Draw, Lose, NoWin, NoDraw, NoLose, Over, Under, WithScore, NoScore, WithMiss, NoMiss, 00
        const bool goesOn[] = {own > rival, own == rival, own < rival, own <= rival, own != rival, own >= rival,
                               total >= 3,  total < 3,    own > 0,     own == 0,     rival > 0,    rival == 0,
                               total == 0};
        for (int k = 0; k < SeriesCalcIndex::Count; ++k) {
            counted.cur[k] = goesOn[k] ? counted.cur[k] + 1 : 0;
            counted.max[k] = std::max(counted.max[k], counted.cur[k]);
        }
        const auto cell = std::find(cellScores.begin(), cellScores.end(), std::array{own, rival});
        ++counted.cells[cell - cellScores.begin()];
        ++counted.matches;
    }
    return counted;
}

// Real seasons brought in as an update brings them.
class DBSeriesRealDataTest : public RealSeasonFixture {
protected:
    static std::string OpenFootball(const std::string& file) { return "openfootball-football-json/" + file; }
    std::vector<RawMatch> Raw(const std::string& file) const { return ReadRawMatches(shared_ + OpenFootball(file)); }

    static void ExpectRunsOf(DBSeries& series, const CountedRuns& counted)
    {
        Runs cur, max;
        Cells cells;
        for (int k = 0; k < SeriesCalcIndex::Count; ++k) {
            cur[k] = series.GetCur(k);
            max[k] = series.GetMax(k);
        }
        for (int cell = 0; cell < ScoreCell::Count; ++cell)
            cells[cell] = series.GetScore(cell);
        EXPECT_EQ(series.GetCount(), counted.matches);
        EXPECT_EQ(cur, counted.cur);
        EXPECT_EQ(max, counted.max);
        EXPECT_EQ(cells, counted.cells);
    }

    DBSeries series;
};

TEST_F(DBSeriesRealDataTest, Bundesliga2023RunsAndScoresEqualThoseCountedFromTheFile)
{
    const std::map<std::string, int> teams = LoadSeasons({Source(OpenFootball("2023-24/de.1.json"))}).teams;
    const std::vector<RawMatch> raw = Raw("2023-24/de.1.json");
    ASSERT_EQ(raw.size(), 306u);

    series.Calc(teams.at("Bayer 04 Leverkusen"), 0, "1", FieldCode::Both);
    EXPECT_EQ(series.GetCur(SeriesCalcIndex::NoLose), 34) << "unbeaten through the season";
    EXPECT_EQ(series.GetMax(SeriesCalcIndex::NoLose), 34);

    for (const char* club : {"Bayer 04 Leverkusen", "FC Bayern München", "Borussia Dortmund", "SV Darmstadt 98",
                             "1. FC Union Berlin"}) {
        SCOPED_TRACE(club);
        series.Calc(teams.at(club), 0, "1", FieldCode::Both);
        ExpectRunsOf(series, CountRuns(raw, club));
    }
}

TEST_F(DBSeriesRealDataTest, CupMatchesAfterExtraTimeCountAsDrawsAtTheLowerScore)
{
    const std::map<std::string, int> teams = LoadSeasons({Source(OpenFootball("2018-19/de.1.json")),
                                                          Source(OpenFootball("2018-19/de.cup.json"), ChampTypeID::Cup)})
                                                     .teams;
    std::vector<RawMatch> raw = Raw("2018-19/de.1.json");
    const std::vector<RawMatch> cup = Raw("2018-19/de.cup.json");
    raw.insert(raw.end(), cup.begin(), cup.end());
    EXPECT_EQ(Value("SELECT COUNT(*) FROM Fixed WHERE AET=True"), "11");

    // Dortmund's cup: 1:2 away at Fürth, 3:2 against Union and 3:3 against Bremen, each after extra time.
    series.Calc(teams.at("Borussia Dortmund"), 0, "2", FieldCode::Both);
    EXPECT_EQ(series.GetCount(), 3);
    EXPECT_EQ(series.GetCur(SeriesCalcIndex::Draw), 3);
    EXPECT_EQ(series.GetMax(SeriesCalcIndex::Win), 0);
    EXPECT_EQ(series.GetScore(ScoreCell::Of(1, 1)), 1);
    EXPECT_EQ(series.GetScore(ScoreCell::Of(2, 2)), 1);
    EXPECT_EQ(series.GetScore(ScoreCell::Of(3, 3)), 1);

    for (const char* club : {"Borussia Dortmund", "FC Augsburg", "Werder Bremen", "Bayern München", "SC Freiburg",
                             "RB Leipzig", "1. FSV Mainz 05"}) {
        SCOPED_TRACE(club);
        series.Calc(teams.at(club), 0, "1,2", FieldCode::Both);
        ExpectRunsOf(series, CountRuns(raw, club));
    }
}

}  // namespace
