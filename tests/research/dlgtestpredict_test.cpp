#include "research/dlgtestpredict.h"

#include <gtest/gtest.h>

#include <QCalendarWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "benchmatches.h"
#include "computingmodel.h"
#include "configfolder.h"
#include "currentfolder.h"
#include "data/dbsetting.h"
#include "exportlines.h"
#include "foundation/jxgrid.h"
#include "localeguard.h"
#include "platform/tprogressbar.h"
#include "predict/dbformteam.h"
#include "setup/programfoldersetup.h"
#include "sqlitefile.h"

namespace {

// Passes both tests on every fixture; its table is the league's.
const char* const PassingModel = "30:11:19:4550:2675:2775:4810:5190;";
const char* const Inform = "export_predict1.csv";
const char* const Total = "export_predict3.csv";

// A holder filled as a filler would fill it; nothing in the program does.
class FilledForm : public DBFormTeam {
public:
    FilledForm()
    {
        valid_ = true;
        summary_ = {1.5f, 2.25f, 3.75f, 4.0f, 5.5f, 6.5f};
    }
};

// The computing model with a filled recent-form holder, written through the model's own
// holder, which the model gives out read-only.
class FormFilledModel : public ComputingModel {
protected:
    void Calculate(int team1ID, int team2ID, int option) override
    {
        ComputingModel::Calculate(team1ID, team2ID, option);
        const_cast<DBFormTeam&>(GetFormTeam()) = FilledForm();
    }
};

// The bench on the hand-made matches in a program folder made by the setup, with its
// export files in a current folder of its own.
class DlgTestPredictTest : public BenchMatchesFixture {
protected:
    DlgTestPredictTest() { SetupProgramFolder(Folder(), SetupOptions{}); }

    // A bench that lists these model files, with export files holding an earlier line.
    std::unique_ptr<TDlgTestPredict> MakeBench(
            const std::map<std::string, std::string>& models = {{"inform", PassingModel}},
            const PredictModelFactory& makeModel = [] { return std::make_unique<ComputingModel>(); })
    {
        std::filesystem::remove_all(File("Predict"));
        std::filesystem::create_directory(File("Predict"));
        for (const auto& [name, text] : models)
            WriteFile(File("Predict/" + name + ".prd"), text);
        for (const char* file : {Inform, Total})
            WriteFile(file, "earlier;line\r\n");
        return std::make_unique<TDlgTestPredict>(nullptr, makeModel);
    }
    static void Run(TDlgTestPredict& bench, const char* days)
    {
        bench.Edit1->setText(days);
        bench.Button1->click();
    }
    static std::string Day(const TDlgTestPredict& bench)
    {
        return bench.MonthCalendar1->selectedDate().toString("dd.MM").toStdString();
    }
    // One column (1-based) of every line of an export file.
    static std::vector<std::string> Column(const char* file, int column)
    {
        std::vector<std::string> values;
        for (const auto& line : FileLines(file))
            values.push_back(line.at(column - 1));
        return values;
    }

private:
    ConfigFolder config_;
    TempFolder work_;
    CurrentFolder current_{work_.Path()};
};

TEST_F(DlgTestPredictTest, LayoutCalendarAndModelList)
{
    DBSetting::Global()->WriteString("PredictFileName", "total");
    auto bench = MakeBench({{"total", ""}, {"inform", ""}});
    EXPECT_EQ(DlgTestPredict, bench.get());
    EXPECT_FALSE(bench->isVisible());
    EXPECT_EQ(bench->cboPredict->itemText(0), "inform");
    EXPECT_EQ(bench->cboPredict->currentText(), "total");
    EXPECT_EQ(Day(*bench), "12.06");

    LocaleGuard russian(QLocale(QLocale::Russian, QLocale::Russia));
    emit bench->MonthCalendar1->clicked(bench->MonthCalendar1->selectedDate());
    EXPECT_EQ(bench->Label1->text(), "06/12/2019");
    bench->MonthCalendar1->setSelectedDate(QDate(2019, 12, 31));
    bench->Button2->click();
    EXPECT_EQ(bench->MonthCalendar1->selectedDate(), QDate(2020, 1, 1));
    EXPECT_EQ(bench->Label1->text(), "06/12/2019") << "moving the day shows nothing";
    bench.reset();
    EXPECT_EQ(DlgTestPredict, nullptr);
}

TEST_F(DlgTestPredictTest, LinesByteForByteInTheUsersNotation)
{
    const std::vector<std::pair<QLocale, std::string>> cases = {
            {QLocale(QLocale::Russian, QLocale::Russia),
             "12.06.2019;League;Beta;Gamma;1;;45,5;26,75;27,75;48,1;51,9;;666;666;2,1;3,3;3,5;1,8;2,05;1;1;-0.25;1,88;"
             "2,02;0;0;0;0\r\n"},
            {QLocale(QLocale::English, QLocale::UnitedStates),
             "6/12/19;League;Beta;Gamma;1;;45.5;26.75;27.75;48.1;51.9;;666;666;2.1;3.3;3.5;1.8;2.05;1;1;-0.25;1.88;2.02;"
             "0;0;0;0\r\n"},
    };
    for (const auto& [locale, firstLine] : cases) {
        SCOPED_TRACE(locale.name().toStdString());
        LocaleGuard guard(locale);
        auto bench = MakeBench();
        Run(*bench, "1");
        EXPECT_EQ(ReadFile(Inform).substr(0, firstLine.size()), firstLine);
        EXPECT_EQ(Column(Inform, 3), (std::vector<std::string>{"Beta", "Delta"}));
    }
    // The grid's summary of a fixture: games of all models, highest percentages, score, odds.
    LocaleGuard english(QLocale(QLocale::English, QLocale::UnitedStates));
    auto bench = MakeBench({{"inform", PassingModel}, {"total", "12:0:0:5000:3000:2000:4000:6000;"}});
    Run(*bench, "1");
    std::string row;
    for (int col = 0; col < bench->grid->ColCount(); ++col)
        row += bench->grid->Cell(1, col) + " ";
    EXPECT_EQ(row, "6/12/19 League Beta Gamma 42 50 30 27.75 48.1 60 1:1 2.1 3.3 3.5 1.8 2.05 ");

    // A filled holder: the two form values after the percentages, values 3 to 6 last.
    bench.reset();
    bench = MakeBench({{"inform", PassingModel}}, [] { return std::make_unique<FormFilledModel>(); });
    Run(*bench, "1");
    const std::vector<std::string> line = FileLines(Inform).at(0);
    EXPECT_EQ(std::vector(line.begin() + 12, line.begin() + 14), (std::vector<std::string>{"1.5", "2.25"}));
    EXPECT_EQ(std::vector(line.end() - 4, line.end()), (std::vector<std::string>{"3.75", "4", "5.5", "6.5"}));
    EXPECT_TRUE(Messages().empty());
}

TEST_F(DlgTestPredictTest, ModelsPassByExactNameAndEnoughGamesOnTheDaysOfTheEdit)
{
    struct Case {
        const char* name;
        int games;
        const char* edit;
        size_t informLines, totalLines;
        const char* dayAfter;
    };
    for (const Case& test : {Case{"inform", 24, "1", 0, 0, "13.06"}, Case{"inform", 25, "1", 2, 0, "13.06"},
                             Case{"total", 9, "1", 0, 0, "13.06"}, Case{"total", 10, "1", 0, 2, "13.06"},
                             Case{"Inform", 30, "1", 0, 0, "13.06"}, Case{"inform", 0, "1", 0, 0, "13.06"},
                             Case{"inform", 30, "", 2, 0, "13.06"}, Case{"inform", 30, "x", 2, 0, "13.06"},
                             Case{"inform", 30, "0", 0, 0, "12.06"}, Case{"inform", 30, "-2", 0, 0, "12.06"}}) {
        SCOPED_TRACE(std::string(test.name) + " " + std::to_string(test.games) + " \"" + test.edit + "\"");
        auto bench = MakeBench({{test.name, std::to_string(test.games) + ":11:19:4550;"}});
        Run(*bench, test.edit);
        EXPECT_EQ(FileLines(Inform).size(), test.informLines);
        EXPECT_EQ(FileLines(Total).size(), test.totalLines) << "the earlier line is dropped";
        EXPECT_EQ(Day(*bench), test.dayAfter);
        // Every fixture with odds is summed up in the grid, whatever its models gave.
        EXPECT_EQ(bench->grid->RowCount(), test.dayAfter == std::string("13.06") ? 3 : 2);
    }
}

TEST_F(DlgTestPredictTest, FixtureWithoutOddsGivesNoLineAndNoProgress)
{
    const std::vector<std::tuple<const char*, size_t, std::vector<int>>> cases = {
            {"", 2, {33, 66, 100}},
            // The matches of the day are parked: the next cut brings them back changed.
            {"UPDATE _Fixed SET Kef2=1 WHERE FixedIND=3", 1, {33, 100}},
            {"UPDATE _Fixed SET KefX=0 WHERE FixedIND=4", 0, {100}},
    };
    for (const auto& [change, lines, progress] : cases) {
        SCOPED_TRACE(change);
        if (*change)
            Exec(change);
        auto bench = MakeBench();
        std::vector<int> positions;
        QObject::connect(bench->pb, &QProgressBar::valueChanged, [&](int value) { positions.push_back(value); });
        Run(*bench, "1");
        EXPECT_EQ(FileLines(Inform).size(), lines);
        EXPECT_EQ(positions, progress);
    }
}

TEST_F(DlgTestPredictTest, ThreeDaysEachTestedAgainstEveryEarlierMatch)
{
    auto bench = MakeBench();
    Run(*bench, "3");
    EXPECT_EQ(Column(Inform, 3), (std::vector<std::string>{"Beta", "Delta", "Alpha", "Beta"}));
    // Games of the league's leader: one match before the 12th, two before the 13th,
    // three (Alpha) before the 14th.
    EXPECT_EQ(Column(Inform, 5), (std::vector<std::string>{"1", "1", "2", "3"}));
    EXPECT_EQ(Day(*bench), "15.06");
    EXPECT_EQ(bench->Label1->text(), "06/14/2019");
    EXPECT_EQ(Ids("_Fixed"), "6");
}

TEST_F(DlgTestPredictTest, FailedThirdCutKeepsTheLinesOfTwoDays)
{
    // Only the cut at the 14th leaves a single parked match when it removes them.
    RunSqlite(File("data.mdb"), "CREATE TRIGGER RefuseThirdCut BEFORE DELETE ON Fixed WHEN (SELECT COUNT(*) FROM "
                                "_Fixed)=1 BEGIN SELECT RAISE(ABORT, 'the third cut is refused'); END;");
    auto bench = MakeBench();
    Run(*bench, "3");
    EXPECT_EQ(Column(Inform, 3), (std::vector<std::string>{"Beta", "Delta", "Alpha"}));
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text, "the third cut is refused");
    EXPECT_EQ(LogTexts().back(), "[ERROR] the third cut is refused");
    EXPECT_EQ(Day(*bench), "14.06");
    EXPECT_EQ(Ids("_Fixed"), "5 6") << "the database keeps the cut of the second day";

    bench->Button3->click();
    ASSERT_EQ(Messages().size(), 2u);
    EXPECT_EQ(Messages()[1].text, "the third cut is refused") << "the cut command shows its failure too";
}

TEST_F(DlgTestPredictTest, MissingFileEndsTheFirstRunBeforeAnyCut)
{
    auto bench = MakeBench();
    std::filesystem::remove(Inform);
    Run(*bench, "1");
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text, "Cannot open file \"export_predict1.csv\"");
    EXPECT_TRUE(std::filesystem::exists(Inform));
    EXPECT_EQ(ReadFile(Inform) + ReadFile(Total), "");
    EXPECT_EQ(Ids("Fixed"), "1 2 3 4 5 6");
    EXPECT_EQ(Day(*bench), "12.06");

    Run(*bench, "1");
    EXPECT_EQ(Messages().size(), 1u);
    EXPECT_EQ(FileLines(Inform).size(), 2u);
}

TEST_F(DlgTestPredictTest, CommandsAreDisabledAndClosingRefusedDuringARun)
{
    auto bench = MakeBench();
    bench->show();
    const std::vector<QWidget*> commands = {bench->MonthCalendar1, bench->Button3, bench->Button1,
                                            bench->cboPredict,     bench->Edit1,   bench->Button2};
    const auto enabled = [&] {
        return std::count_if(commands.begin(), commands.end(), [](QWidget* command) { return command->isEnabled(); });
    };
    long enabledDuring = -1;
    bool visibleAfterClose = false;
    QTimer::singleShot(0, bench.get(), [&] {
        enabledDuring = enabled();
        bench->Close();
        visibleAfterClose = bench->isVisible();
    });
    Run(*bench, "1");
    EXPECT_EQ(enabledDuring, 0);
    EXPECT_TRUE(visibleAfterClose);
    EXPECT_EQ(enabled(), 6);
    EXPECT_EQ(bench->grid->RowCount(), 3);

    Run(*bench, "1");
    EXPECT_EQ(bench->grid->RowCount(), 2) << "the grid of a run starts empty";
    bench->Close();
    EXPECT_FALSE(bench->isVisible());
}

}  // namespace
