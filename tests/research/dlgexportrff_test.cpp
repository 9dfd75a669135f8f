#include "research/dlgexportrff.h"

#include <gtest/gtest.h>

#include <QCalendarWidget>
#include <QComboBox>
#include <QLocale>
#include <QPushButton>
#include <QTimer>

#include <filesystem>
#include <string>
#include <vector>

#include "computingmodel.h"
#include "currentfolder.h"
#include "exportlines.h"
#include "foundation/jxgrid.h"
#include "localeguard.h"
#include "loopbackwebhost.h"
#include "platform/tprogressbar.h"
#include "predictleaguefixture.h"

namespace {

// Three fixtures on 12 June 2019, in the order the day lists them: two teams of the
// small league (no pick), Home against Away of the first league (picks of the odds and of
// the points), and two teams of different seasons (no pick). The window writes its
// export into a current folder of its own.
class DlgExportRFFTest : public PredictLeagueFixture {
protected:
    DlgExportRFFTest()
    {
        Exec("UPDATE Team SET Name='Hull+City 100%' WHERE TeamID=1");
        for (const char* fixture : {
                     "1, 2, 1, '1930', 1.8, 3.6, 5.5, 1.9, 1.95, '-0.5', 1.9, 2.0, 2, 1",
                     "5, 6, 2, '1500', 2.0, 3.2, 3.6, 2.1, 1.7, '0', 1.95, 1.95, 0, 0",
                     "4, 3, 1, '2100', 2.4, 3.1, 2.9, 1.8, 2.0, '0.25', 1.9, 1.9, 1, 3",
             })
            Exec(std::string("INSERT INTO Calendar(Date, Team1ID, Team2ID, ChampID, FixTime, Kef1, KefX, Kef2, "
                             "Un25, Ov25, AsianHandicap, AsianKef1, AsianKef2, Gol1, Gol2, RoundID, Tur) "
                             "VALUES(#6/12/2019#, ") +
                 fixture + ", 1, 1)");
        std::filesystem::create_directory(File("Predict"));
        // The model "total" with its table that of the first league's second season.
        WriteFile(File("Predict/total.prd"), "30:1:2:4550:2675:2775:4810:5190;");
        WriteFile(InformExportFile, EarlierLine);
    }

    void Run(QPushButton* job, const QDate& day = QDate(2019, 6, 12))
    {
        window_.MonthCalendar1->setSelectedDate(day);
        job->click();
    }
    std::string GridRow(int row) const
    {
        std::string text;
        for (int col = 0; col < window_.grid->ColCount(); ++col)
            text += window_.grid->Cell(row, col) + "|";
        return text;
    }

    static inline const std::string EarlierLine = "earlier;line\r\n";
    TDlgExportRFF window_{nullptr, [] { return std::make_unique<ComputingModel>(); }};
    LoopbackWebHost web_;

private:
    TempFolder work_;
    CurrentFolder current_{work_.Path()};
};

TEST_F(DlgExportRFFTest, RffExportListsEveryFixtureAndUploadsThoseWithAPick)
{
    EXPECT_EQ(DlgExportRFF, &window_);
    EXPECT_FALSE(window_.isVisible());
    EXPECT_EQ(GridRow(0), "Date|Champ|Team1|Team2|BkKef1|BkKef2|MyKef1|MyKef2|Algo1|Algo2|Algo3|");
    LocaleGuard russian(QLocale(QLocale::Russian, QLocale::Russia));
    Run(window_.Button6);
    ASSERT_EQ(window_.grid->RowCount(), 4);
    EXPECT_EQ(GridRow(1), "12.06.2019|League 2|Team 5[5]|Team 6[6]|2|3,6|0|0||||");
    EXPECT_EQ(GridRow(2), "12.06.2019|League 1|Hull+City 100%[1]|Team 2[2]|1,8|5,5|1,73|4,75||{W1}|{IT1}|");
    EXPECT_EQ(GridRow(3), "12.06.2019|League 1|Team 4[4]|Team 3[3]|2,4|2,9|0|0||||");

    Run(window_.Button6, QDate(2019, 6, 13));
    EXPECT_EQ(window_.grid->RowCount(), 2);
    EXPECT_EQ(GridRow(1), "|||||||||||") << "a day without fixtures leaves the title row alone";

    const std::string names = ":{/splitCol};{/splitRow}DateTime:ChampName:Team1ID:Team1Name:Team2ID:Team2Name:Stats:"
                              "Finans:Inform:Advice:Score:Value;";
    const std::string pick = "1560367800:League 1:1:Hull+City 100%:2:Team 2::{W1}:{IT1}: : : ;";
    EXPECT_EQ(web_.Uploads(), (std::vector<std::string>{names + pick, names}));
    ASSERT_EQ(Messages().size(), 2u);
    EXPECT_EQ(Messages()[0].text, "1") << "the web host's reply";
}

TEST_F(DlgExportRFFTest, TheWebHostsReplyIsShownAfterItsWriteError)
{
    std::string cyrillic;
    while (cyrillic.size() < 5000)
        cyrillic += "ж";
    const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
            {"2", {"Ошибка|Ошибка записи файла, повторите позже", "|2"}},
            {"3 later", {"Ошибка|Ошибка записи файла 3, повторите позже", "|3 later"}},
            {"saved 23", {"|saved 23"}},
            {cyrillic, {"|" + cyrillic.substr(0, 4000)}},
    };
    size_t shown = 0;
    for (const auto& [reply, boxes] : cases) {
        SCOPED_TRACE(reply.substr(0, 10));
        web_.Service().SetWebReply(reply);
        Run(window_.Button6);
        std::vector<std::string> replyBoxes;
        for (; shown < Messages().size(); ++shown)
            replyBoxes.push_back(Messages()[shown].caption + "|" + Messages()[shown].text);
        EXPECT_EQ(replyBoxes, boxes);
    }

    // Nothing listening at the web host.
    setenv("KOVRAL_WEB_HOST", "127.0.0.1:1", 1);
    Run(window_.Button6);
    EXPECT_EQ(Messages().size(), shown);
    EXPECT_EQ(LogTexts().back(),
              "[ERROR] UploadPicks: no answer from 127.0.0.1:1/my_dev/rff2/save_predict.php?");
}

TEST_F(DlgExportRFFTest, ZeviraRuvidWritesALineForEveryFixtureWithItsKickOffTime)
{
    LocaleGuard russian(QLocale(QLocale::Russian, QLocale::Russia));
    Run(window_.Button1);
    // The columns of the bench's line, with the kick-off time after the date.
    const std::string text = ReadFile(InformExportFile);
    EXPECT_NE(text.find("\r\n12.06.2019;1930;League 1;Hull+City 100%;Team 2;16;;45,5;26,75;27,75;48,1;51,9;;666;666;"
                        "1,8;3,6;5,5;1,9;1,95;2;1;-0.5;1,9;2;0;0;0;0\r\n"),
              std::string::npos);
    const auto lines = FileLines(InformExportFile);
    ASSERT_EQ(lines.size(), 3u);
    for (const auto& line : lines)
        EXPECT_EQ(line.size(), 29u);
    EXPECT_EQ(lines[0][1] + lines[2][1], "15002100");

    // Progress over three fixtures, from a bar left at 100 by the run before.
    std::vector<int> positions;
    QObject::connect(window_.pb, &QProgressBar::valueChanged, [&](int value) { positions.push_back(value); });
    Run(window_.Button1);
    EXPECT_EQ(positions, (std::vector<int>{0, 33, 66, 100}));

    Run(window_.Button1, QDate(2019, 6, 13));
    EXPECT_TRUE(std::filesystem::exists(InformExportFile));
    EXPECT_EQ(ReadFile(InformExportFile), "") << "a day without fixtures";
    EXPECT_TRUE(Messages().empty());
}

TEST_F(DlgExportRFFTest, ZeviraRuvidWithoutAChosenModelOrAFileWritesNothing)
{
    // A text typed in, and no item at all.
    window_.ComboBox1->setEditText("tot");
    Run(window_.Button1);
    window_.ComboBox1->setCurrentIndex(-1);
    Run(window_.Button1);
    EXPECT_EQ(ReadFile(InformExportFile), EarlierLine);

    window_.ComboBox1->setCurrentIndex(0);
    std::filesystem::remove(InformExportFile);
    Run(window_.Button1);
    EXPECT_FALSE(std::filesystem::exists(InformExportFile));
    ASSERT_EQ(Messages().size(), 3u);
    EXPECT_EQ(Messages()[0].text + Messages()[1].text, "Выберите модель из спискаВыберите модель из списка");
    EXPECT_EQ(Messages()[2].text, "Cannot open file \"export_predict1.csv\"");
}

TEST_F(DlgExportRFFTest, JobsDisableTheirCommandsAndRefuseClosing)
{
    window_.show();
    const auto enabled = [&] {
        return window_.MonthCalendar1->isEnabled() + window_.Button6->isEnabled() + window_.Button1->isEnabled();
    };
    for (QPushButton* job : {window_.Button6, window_.Button1}) {
        int enabledDuring = -1;
        QTimer::singleShot(0, &window_, [&] {
            enabledDuring = enabled();
            window_.Close();
        });
        Run(job);
        EXPECT_EQ(enabledDuring, 0);
        EXPECT_TRUE(window_.isVisible());
        EXPECT_EQ(enabled(), 3);
    }
    window_.Close();
    EXPECT_FALSE(window_.isVisible());
}

}  // namespace
