#include "ui/dlgfixed.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include <string>
#include <vector>

#include "configfolder.h"
#include "data/dbfilter.h"
#include "foundation/jxgrid.h"
#include "realseasonfixture.h"
#include "setup/programfoldersetup.h"
#include "ui/dlgmain.h"
#include "updateservice/seasonloader.h"

namespace {

// Six Premier League seasons taken in as an update brings them, one team per name
// across the files, in a folder made a complete installation; the match card opened
// from the main window's head-to-head view.
class TDlgFixedRealDataTest : public RealSeasonFixture {
protected:
    TDlgFixed& OpenPair(const std::string& team, const std::string& rival)
    {
        std::vector<SeasonSource> sources;
        for (const char* season : {"1819", "1920", "2021", "2223", "2324", "2425"})
            sources.push_back(Source(std::string("football-data-co-uk/E0_") + season + ".csv"));
        const SeasonRun run = LoadSeasons(sources);
        SetupProgramFolder(Folder(), {});
        Exec("DELETE * FROM Filter");
        AddEntry(1, true, FilterMode::Pair, run.teams.at(team), run.teams.at(rival));
        main_ = std::make_unique<TDlgMain>();
        main_->show();
        QTest::mouseClick(main_->findChild<QToolButton*>("btnNFixed"), Qt::LeftButton);
        if (!DlgFixed)
            throw std::runtime_error("no match card is shown");
        return *DlgFixed;
    }

    static std::vector<std::string> Summary()
    {
        std::vector<std::string> texts;
        for (const char* label : {"lblRGame", "lblRWDL", "lblRGoals", "lblRTotal", "lblRAvgGoals"})
            texts.push_back(DlgFixed->findChild<QLabel*>(label)->text().toStdString());
        return texts;
    }

    static std::vector<std::string> Row(const char* gridName, int row)
    {
        const TJXGrid* grid = DlgFixed->findChild<TJXGrid*>(gridName);
        std::vector<std::string> cells;
        for (int col = 0; col < grid->ColCount(); ++col)
            cells.push_back(grid->Cell(row, col));
        return cells;
    }

    ConfigFolder config_;
    std::unique_ptr<TDlgMain> main_;
};

TEST_F(TDlgFixedRealDataTest, LiverpoolAgainstManCity)
{
    OpenPair("Liverpool", "Man City");
    EXPECT_EQ(Summary(), (std::vector<std::string>{"12", "+4=4-4", "14:18", "7-5", "1.17-1.5"}));
    EXPECT_EQ(Row("gridTable", 1), (std::vector<std::string>{"1", "Liverpool", "38", "25", "9", "4", "86 - 41", "84"}));
    EXPECT_EQ(Row("gridTableRival", 1),
              (std::vector<std::string>{"3", "Man City", "38", "21", "8", "9", "72 - 44", "71"}));
    const std::vector<std::string> newest = Row("gridLastSmall", 1);
    EXPECT_EQ(newest[0], "25.05.2025");
    EXPECT_EQ(newest[2], "Crystal Palace");
    EXPECT_EQ(newest[3], "1:1");

    QTest::mouseClick(DlgFixed->findChild<QRadioButton*>("btnFieldHomeAway"), Qt::LeftButton);
    EXPECT_EQ(Summary(), (std::vector<std::string>{"6", "+3=2-1", "8:6", "4-2", "1.33-1"}));
}

}  // namespace
