#include "research/dlgexportrff.h"

#include <gtest/gtest.h>

#include <QCalendarWidget>
#include <QPushButton>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "currentfolder.h"
#include "exportlines.h"
#include "foundation/jxgrid.h"
#include "foundation/jxparse.h"
#include "loopbackwebhost.h"
#include "platform/sysutils.h"
#include "premierleaguefixture.h"
#include "research/testpredictcut.h"

namespace {

// The pick export on Boxing Day 2023, the match history cut there by the bench: the five
// matches of the day come back as fixtures with their closing odds and real scores.
class DlgExportRFFRealDataTest : public PremierLeagueFixture {
protected:
    void SetUp() override
    {
        PremierLeagueFixture::SetUp();
        if (IsSkipped())
            return;
        TestPredictCut(BoxingDay, nullptr);
        window_.MonthCalendar1->setSelectedDate(QDate(2023, 12, 26));
    }

    // The rule of the points per game worked out from the season file: the home side's
    // points at home and the away side's away before the day, each 1.5 to 2.5 a game.
    static std::string PointsPick(const Matches& csv, const std::string& home, const std::string& away)
    {
        double points[2] = {}, games[2] = {};
        for (const auto& [teams, match] : csv) {
            if (match.date >= QDate(2023, 12, 26))
                continue;
            const int margin = match.score->first - match.score->second;
            if (teams.first == home) {
                points[0] += margin > 0 ? 3 : margin == 0;
                ++games[0];
            }
            if (teams.second == away) {
                points[1] += margin < 0 ? 3 : margin == 0;
                ++games[1];
            }
        }
        const auto inForm = [&](int side) {
            return points[side] >= 1.5 * games[side] && points[side] <= 2.5 * games[side];
        };
        return inForm(0) && inForm(1) ? "{IT1} {IT2}" : inForm(0) ? "{IT1}" : inForm(1) ? "{IT2}" : "";
    }

    static inline const TDateTime BoxingDay = EncodeDate(2023, 12, 26);
    TDlgExportRFF window_;
    LoopbackWebHost web_;

private:
    TempFolder work_;
    CurrentFolder current_{work_.Path()};
};

// The team's name without the id the grid puts after it.
std::string Name(const std::string& gridText)
{
    return gridText.substr(0, gridText.rfind('['));
}

TEST_F(DlgExportRFFRealDataTest, BothJobsCarryTheDaysMatchesWithTheirClosingOddsAndPicks)
{
    window_.Button6->click();
    ASSERT_EQ(window_.grid->RowCount(), 6);
    const auto csv = Season2324Matches();
    std::map<std::string, std::string> pointsPicks;
    std::set<std::string> withPicks;
    for (int row = 1; row <= 5; ++row) {
        const std::string home = Name(window_.grid->Cell(row, 2));
        const std::string away = Name(window_.grid->Cell(row, 3));
        const FileMatch& match = csv.at({home, away});
        EXPECT_EQ(match.date, QDate(2023, 12, 26)) << home;
        EXPECT_DOUBLE_EQ(StrToFloat(window_.grid->Cell(row, 4)), StrToFloat(match.odds.kef1)) << home;
        EXPECT_DOUBLE_EQ(StrToFloat(window_.grid->Cell(row, 5)), StrToFloat(match.odds.kef2)) << home;
        EXPECT_EQ(window_.grid->Cell(row, 10), PointsPick(csv, home, away)) << home;
        pointsPicks[home + "-" + away] = window_.grid->Cell(row, 10);
        if (!(window_.grid->Cell(row, 8) + window_.grid->Cell(row, 9) + window_.grid->Cell(row, 10)).empty())
            withPicks.insert(home + "-" + away);
    }
    EXPECT_EQ(pointsPicks, (std::map<std::string, std::string>{{"Bournemouth-Fulham", ""},
                                                                {"Burnley-Liverpool", "{IT2}"},
                                                                {"Man United-Aston Villa", "{IT1} {IT2}"},
                                                                {"Newcastle-Nott'm Forest", ""},
                                                                {"Sheffield United-Luton", ""}}));

    ASSERT_EQ(web_.Uploads().size(), 1u);
    JXParse upload;
    upload.ParseText(web_.Uploads()[0]);
    std::set<std::string> uploaded;
    for (int row = 0; row < upload.RowCount(); ++row)
        uploaded.insert(upload.GetField(row, "Team1Name").GetAnsi() + "-" +
                        upload.GetField(row, "Team2Name").GetAnsi());
    EXPECT_EQ(uploaded, withPicks);
    EXPECT_EQ(upload.RowCount(), static_cast<int>(withPicks.size()));

    WriteFile(InformExportFile, "");
    window_.Button1->click();
    const auto lines = FileLines(InformExportFile);
    ASSERT_EQ(lines.size(), 5u);
    for (const auto& line : lines) {
        ASSERT_EQ(line.size(), 29u);
        EXPECT_EQ(line[0], ShortDateToStr(BoxingDay));
        EXPECT_EQ(line[1], "0000") << "the cut stores no kick-off time";
        // Odds, score and handicap: columns 16 to 25 of the line.
        const std::vector<std::string> facts = ExportedFacts(csv.at({line.at(3), line.at(4)}));
        for (size_t i = 0; i < facts.size(); ++i)
            EXPECT_DOUBLE_EQ(StrToFloat(line.at(15 + i)), StrToFloat(facts[i])) << line[3] << " column " << 16 + i;
    }
}

}  // namespace
