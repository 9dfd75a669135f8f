#include "research/dlgtestpredict.h"

#include <gtest/gtest.h>

#include <QCalendarWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTimer>

#include <filesystem>
#include <string>
#include <vector>

#include "benchmatches.h"
#include "computingmodel.h"
#include "configfolder.h"
#include "currentfolder.h"
#include "data/dbsetting.h"
#include "datafolderfixture.h"
#include "foundation/jxgrid.h"
#include "localeguard.h"
#include "platform/tprogressbar.h"
#include "setup/programfoldersetup.h"
#include "sqlitefile.h"
#include "tempfolder.h"

namespace {

// A model that passes both tests on every fixture, its table the league's.
const char* const PassingModel = "30:11:19:4550:2675:2775:4810:5190;";

// The bench in a program folder made by the setup, on the hand-made matches, with the
// export files in a current folder of its own.
class DlgTestPredictTest : public DatabaseFixture {
protected:
    DlgTestPredictTest()
    {
        SetupProgramFolder(Folder(), SetupOptions{});
        BenchMatches::Add();
    }

    static std::unique_ptr<TDlgTestPredict> MakeBench()
    {
        return std::make_unique<TDlgTestPredict>(nullptr, [] { return std::make_unique<ComputingModel>(); });
    }

    void WriteModel(const std::string& name, const std::string& text) const
    {
        WriteFile(File("Predict/" + name + ".prd"), text);
    }
    void ClearModels() const
    {
        std::filesystem::remove_all(File("Predict"));
        std::filesystem::create_directory(File("Predict"));
    }
    // Both export files, holding a line of an earlier run.
    void WriteExports() const
    {
        for (const char* name : {"export_predict1.csv", "export_predict3.csv"})
            WriteFile(Exported(name), "earlier;line\r\n");
    }
    std::string Exported(const std::string& name) const { return work_.File(name); }
    std::string ExportBytes(const std::string& name) const { return ReadFile(Exported(name)); }
    // The lines of an export file, and the given column of each (1-based).
    std::vector<std::string> ExportColumn(const std::string& name, int column) const
    {
        std::vector<std::string> values;
        const std::string bytes = ExportBytes(name);
        for (size_t start = 0, end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
            std::string line = bytes.substr(start, end - start);
            for (int i = 1; i < column; ++i)
                line.erase(0, line.find(';') + 1);
            values.push_back(line.substr(0, line.find(';')));
        }
        return values;
    }

    static void Run(TDlgTestPredict& bench, const char* days)
    {
        bench.Edit1->setText(days);
        bench.Button1->click();
    }
    static std::string Day(const TDlgTestPredict& bench)
    {
        return bench.MonthCalendar1->selectedDate().toString("dd.MM.yyyy").toStdString();
    }
    // A grid row's texts joined by blanks.
    static std::string GridRow(const TDlgTestPredict& bench, int row)
    {
        std::string texts;
        for (int col = 0; col < bench.grid->ColCount(); ++col)
            texts += (col == 0 ? "" : " ") + bench.grid->Cell(row, col);
        return texts;
    }
    std::string CalendarFixtures() { return Value("SELECT COUNT(*) FROM Calendar"); }

private:
    ConfigFolder config_;
    TempFolder work_;
    CurrentFolder current_{work_.Path()};
};

TEST_F(DlgTestPredictTest, LayoutCalendarCommandsAndModelList)
{
    WriteModel("total", PassingModel);
    WriteModel("inform", PassingModel);
    DBSetting::Global()->WriteString("PredictFileName", "total");
    LocaleGuard russian(QLocale(QLocale::Russian, QLocale::Russia));
    auto bench = MakeBench();

    EXPECT_EQ(DlgTestPredict, bench.get());
    EXPECT_FALSE(bench->isVisible());
    EXPECT_EQ(bench->size(), QSize(1169, 595));
    EXPECT_EQ(bench->windowTitle(), "DlgTestPredict");
    EXPECT_EQ(bench->Button3->text(), "Очистить");
    EXPECT_EQ(bench->Button1->text(), "Экспорт");
    EXPECT_EQ(bench->Button2->text(), "Button2");
    EXPECT_EQ(bench->Label1->text(), "Label1");
    EXPECT_EQ(Day(*bench), "12.06.2019");
    EXPECT_EQ(bench->Edit1->text(), "");
    ASSERT_EQ(bench->cboPredict->count(), 2);
    EXPECT_EQ(bench->cboPredict->itemText(0), "inform");
    EXPECT_EQ(bench->cboPredict->currentText(), "total");

    std::string titles;
    std::string widths;
    for (int col = 0; col < bench->grid->ColCount(); ++col) {
        titles += bench->grid->Cell(0, col) + " ";
        widths += bench->grid->GetColsProperty(col).Width + " ";
        EXPECT_EQ(bench->grid->GetColsProperty(col).Align, 2) << "column " << col;
    }
    EXPECT_EQ(titles, "Date Champ Team1 Team2 G MyK1 MyKX MyK2 MyUn MyOv Score BkK1 BkKX BkK2 BkUn BkOv ");
    EXPECT_EQ(widths, "60 100% 180 180 30 40 40 40 40 40 50 40 40 40 40 40 ");

    emit bench->MonthCalendar1->clicked(bench->MonthCalendar1->selectedDate());
    EXPECT_EQ(bench->Label1->text(), "06/12/2019");
    bench->MonthCalendar1->setSelectedDate(QDate(2019, 12, 31));
    bench->Button2->click();
    EXPECT_EQ(Day(*bench), "01.01.2020");
    EXPECT_EQ(bench->Label1->text(), "06/12/2019") << "moving the day shows nothing";

    bench.reset();
    EXPECT_EQ(DlgTestPredict, nullptr);
}

TEST_F(DlgTestPredictTest, LinesOfAPassingModelByteForByteInTheUsersNotation)
{
    struct Case {
        QLocale locale;
        std::string lines;
        std::string firstGridRow;
    };
    const std::vector<Case> cases = {
            {QLocale(QLocale::Russian, QLocale::Russia),
             "12.06.2019;League;Beta;Gamma;1;;45,5;26,75;27,75;48,1;51,9;;666;666;2,1;3,3;3,5;1,8;2,05;1;1;-0.25;1,88;"
             "2,02;0;0;0;0\r\n"
             "12.06.2019;League;Delta;Alpha;1;;45,5;26,75;27,75;48,1;51,9;;666;666;3,6;3,5;2,05;2;1,8;0;2;0.25;1,92;1,"
             "98;0;0;0;0\r\n",
             "12.06.2019 League Beta Gamma 30 45,5 26,75 27,75 48,1 51,9 1:1 2,1 3,3 3,5 1,8 2,05"},
            {QLocale(QLocale::English, QLocale::UnitedStates),
             "6/12/19;League;Beta;Gamma;1;;45.5;26.75;27.75;48.1;51.9;;666;666;2.1;3.3;3.5;1.8;2.05;1;1;-0.25;1.88;2.02;"
             "0;0;0;0\r\n"
             "6/12/19;League;Delta;Alpha;1;;45.5;26.75;27.75;48.1;51.9;;666;666;3.6;3.5;2.05;2;1.8;0;2;0.25;1.92;1.98;0;"
             "0;0;0\r\n",
             "6/12/19 League Beta Gamma 30 45.5 26.75 27.75 48.1 51.9 1:1 2.1 3.3 3.5 1.8 2.05"},
    };
    WriteModel("inform", PassingModel);
    for (const Case& test : cases) {
        SCOPED_TRACE(test.locale.name().toStdString());
        LocaleGuard locale(test.locale);
        WriteExports();
        auto bench = MakeBench();
        Run(*bench, "1");
        EXPECT_EQ(ExportBytes("export_predict1.csv"), test.lines);
        EXPECT_EQ(ExportBytes("export_predict3.csv"), "") << "the earlier line is dropped";
        EXPECT_EQ(bench->grid->RowCount(), 3);
        EXPECT_EQ(GridRow(*bench, 1), test.firstGridRow);
    }
    EXPECT_TRUE(Messages().empty());
}

TEST_F(DlgTestPredictTest, ModelsPassByTheirExactNameAndEnoughGames)
{
    struct Case {
        const char* name;
        int games;
        size_t informLines;
        size_t totalLines;
    };
    const Case cases[] = {
            {"inform", 24, 0, 0}, {"inform", 25, 2, 0}, {"total", 9, 0, 0}, {"total", 10, 0, 2},
            {"Inform", 30, 0, 0}, {"other", 30, 0, 0},  {"inform", 0, 0, 0},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(std::string(test.name) + " " + std::to_string(test.games));
        ClearModels();
        WriteModel(test.name, std::to_string(test.games) + ":11:19:4550:2675:2775:4810:5190;");
        WriteExports();
        auto bench = MakeBench();
        Run(*bench, "1");
        EXPECT_EQ(ExportColumn("export_predict1.csv", 1).size(), test.informLines);
        EXPECT_EQ(ExportColumn("export_predict3.csv", 1).size(), test.totalLines);
        // Every fixture with odds is summed up, whatever its models gave.
        ASSERT_EQ(bench->grid->RowCount(), 3);
        EXPECT_EQ(bench->grid->Cell(2, 4), std::to_string(test.games));
        EXPECT_EQ(bench->grid->Cell(2, 5), test.games > 0 ? "45.5" : "0");
    }
}

TEST_F(DlgTestPredictTest, FixtureWithoutOddsGivesNoLineAndNoProgress)
{
    struct Case {
        const char* change;  // on the parked matches of the day, which the next cut brings back
        size_t lines;
        std::vector<int> progress;
    };
    const std::vector<Case> cases = {
            {"", 2, {33, 66, 100}},
            {"UPDATE _Fixed SET Kef2=1 WHERE FixedIND=3", 1, {33, 100}},
            {"UPDATE _Fixed SET KefX=0 WHERE FixedIND=4", 0, {100}},
    };
    WriteModel("inform", PassingModel);
    for (const Case& test : cases) {
        SCOPED_TRACE(test.change);
        if (*test.change)
            Exec(test.change);
        WriteExports();
        auto bench = MakeBench();
        std::vector<int> progress;
        QObject::connect(bench->pb, &QProgressBar::valueChanged, [&](int value) { progress.push_back(value); });
        Run(*bench, "1");
        EXPECT_EQ(ExportColumn("export_predict1.csv", 1).size(), test.lines);
        EXPECT_EQ(progress, test.progress);
    }
}

TEST_F(DlgTestPredictTest, DaysOfARunComeFromTheEdit)
{
    struct Case {
        const char* edit;
        const char* dayAfter;
        size_t lines;
    };
    const Case cases[] = {{"", "13.06.2019", 2}, {"x", "13.06.2019", 2}, {"0", "12.06.2019", 0},
                          {"-2", "12.06.2019", 0}};
    WriteModel("inform", PassingModel);
    for (const Case& test : cases) {
        SCOPED_TRACE(std::string("\"") + test.edit + "\"");
        WriteExports();
        auto bench = MakeBench();
        Run(*bench, test.edit);
        EXPECT_EQ(Day(*bench), test.dayAfter);
        EXPECT_EQ(ExportColumn("export_predict1.csv", 1).size(), test.lines);
        EXPECT_EQ(ExportBytes("export_predict3.csv"), "");
    }
}

TEST_F(DlgTestPredictTest, ThreeDaysEachTestedAgainstEveryEarlierMatch)
{
    WriteModel("inform", PassingModel);
    WriteExports();
    auto bench = MakeBench();
    Run(*bench, "3");

    EXPECT_EQ(ExportColumn("export_predict1.csv", 3), (std::vector<std::string>{"Beta", "Delta", "Alpha", "Beta"}));
    // Games of the league leader: every team has one match before the 12th, two before
    // the 13th, and Alpha three before the 14th.
    EXPECT_EQ(ExportColumn("export_predict1.csv", 5), (std::vector<std::string>{"1", "1", "2", "3"}));
    EXPECT_EQ(Day(*bench), "15.06.2019");
    EXPECT_EQ(bench->Label1->text(), "06/14/2019");
    EXPECT_EQ(BenchMatches::Ids("Fixed"), "1 2 3 4 5");
    EXPECT_EQ(BenchMatches::Ids("_Fixed"), "6");
    EXPECT_EQ(bench->pb->value(), 100);
    EXPECT_EQ(bench->ProgressBar2->value(), 100);
}

TEST_F(DlgTestPredictTest, FailedThirdCutKeepsTheLinesOfTwoDays)
{
    WriteModel("inform", PassingModel);
    WriteExports();
    // Only the cut at the 14th leaves a single parked match when it removes them.
    RunSqlite(File("data.mdb"), "CREATE TRIGGER RefuseThirdCut BEFORE DELETE ON Fixed WHEN (SELECT COUNT(*) FROM "
                                "_Fixed)=1 BEGIN SELECT RAISE(ABORT, 'the third cut is refused'); END;");
    auto bench = MakeBench();
    Run(*bench, "3");

    EXPECT_EQ(ExportColumn("export_predict1.csv", 3), (std::vector<std::string>{"Beta", "Delta", "Alpha"}));
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text, "the third cut is refused");
    EXPECT_EQ(LogTexts().back(), "[ERROR] the third cut is refused");
    EXPECT_EQ(Day(*bench), "14.06.2019");
    EXPECT_EQ(BenchMatches::Ids("_Fixed"), "5 6") << "the database keeps the cut of the second day";

    bench->Button3->click();
    ASSERT_EQ(Messages().size(), 2u);
    EXPECT_EQ(Messages()[1].text, "the third cut is refused") << "the cut command shows its failure too";
    EXPECT_EQ(BenchMatches::Ids("_Fixed"), "5 6");
}

TEST_F(DlgTestPredictTest, MissingFilesEndTheFirstRunBeforeAnyCut)
{
    WriteModel("inform", PassingModel);
    auto bench = MakeBench();
    Run(*bench, "1");

    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text, "Cannot open file \"export_predict1.csv\"");
    EXPECT_EQ(ExportBytes("export_predict1.csv"), "");
    EXPECT_TRUE(std::filesystem::exists(Exported("export_predict3.csv")));
    EXPECT_EQ(ExportBytes("export_predict3.csv"), "");
    EXPECT_EQ(BenchMatches::Ids("Fixed"), "1 2 3 4 5 6");
    EXPECT_EQ(CalendarFixtures(), "1");
    EXPECT_EQ(Day(*bench), "12.06.2019");

    Run(*bench, "1");
    EXPECT_EQ(Messages().size(), 1u);
    EXPECT_EQ(ExportColumn("export_predict1.csv", 3).size(), 2u);
    EXPECT_EQ(Day(*bench), "13.06.2019");
}

TEST_F(DlgTestPredictTest, CommandsAreDisabledAndClosingRefusedDuringARun)
{
    WriteModel("inform", PassingModel);
    WriteExports();
    auto bench = MakeBench();
    bench->show();
    const std::vector<QWidget*> commands = {bench->MonthCalendar1, bench->Button3, bench->Button1,
                                            bench->cboPredict,     bench->Edit1,   bench->Button2};
    int enabledDuring = -1;
    bool visibleAfterClose = false;
    QTimer::singleShot(0, bench.get(), [&] {
        enabledDuring = static_cast<int>(std::count_if(commands.begin(), commands.end(),
                                                       [](QWidget* command) { return command->isEnabled(); }));
        bench->Close();
        visibleAfterClose = bench->isVisible();
    });
    Run(*bench, "1");

    EXPECT_EQ(enabledDuring, 0);
    EXPECT_TRUE(visibleAfterClose);
    for (QWidget* command : commands)
        EXPECT_TRUE(command->isEnabled()) << command->objectName().toStdString();
    EXPECT_EQ(bench->grid->RowCount(), 3);

    Run(*bench, "1");
    EXPECT_EQ(bench->grid->RowCount(), 2) << "the grid of a run starts empty";
    EXPECT_EQ(bench->grid->Cell(1, 2), "Alpha");
    bench->Close();
    EXPECT_FALSE(bench->isVisible());
}

}  // namespace
