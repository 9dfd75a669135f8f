#pragma once

#include <memory>
#include <vector>

#include "data/dbfixed.h"
#include "platform/tform.h"
#include "platform/types.h"
#include "predict/dbpredict_2_1.h"
#include "research/testpredictstep.h"

class QCalendarWidget;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TJXGrid;
class TProgressBar;

// The back-test bench: cuts the match history at the calendar day, so the matches from
// that day on become fixtures that keep their odds and real scores, and runs the model
// files of the Predict folder on the fixtures of consecutive days, writing the lines of
// the models "inform" and "total" into export_predict1.csv and export_predict3.csv of
// the current folder. Created hidden at start; no command of the program shows it.
class TDlgTestPredict : public TForm {
    Q_OBJECT

public:
    explicit TDlgTestPredict(QWidget* owner = nullptr, const PredictModelFactory& makeModel = MakePredictModel);
    ~TDlgTestPredict() override;

    QLabel* Label1;
    QCalendarWidget* MonthCalendar1;
    QPushButton* Button3;
    QPushButton* Button1;
    QComboBox* cboPredict;
    QLineEdit* Edit1;
    QPushButton* Button2;
    TProgressBar* ProgressBar2;
    TProgressBar* pb;
    TJXGrid* grid;

protected:
    // A cut or a run pumps messages while its transaction or its files are open.
    bool CanClose() override { return !Busy; }

private:
    // Disables every command and refuses closing while it lives.
    class BusyScope;

    void BuildLayout();
    void SetupGrid();
    void FormCreate();

    void MonthCalendar1Click();
    void Button2Click();
    void Button3Click();
    void Button1Click();

    TDateTime CalendarDay() const;
    void SetCalendarDay(TDateTime day);
    // The cut at the calendar day, with its date text shown; raises on failure.
    void CutAtCalendarDay();
    void TestDay(const std::vector<AnsiString>& names, TestPredictLines& lines);
    void AddSummaryRow(const FixtureSummary& summary);
    std::vector<AnsiString> ModelNames() const;
    // Writes a list to its file; a failure is shown and logged.
    static void SaveLines(const JXFile& lines, const AnsiString& file);
    static void Report(const std::exception& error);

    // Members go in reverse order: the model before the match query.
    std::unique_ptr<DBFixed> Fixed;
    std::unique_ptr<DBPredict_2_1> Predict;
    bool Busy = false;
    // Grid rows written by the current run.
    int SummaryRows = 0;
};

// The program's back-test bench while it exists.
extern TDlgTestPredict* DlgTestPredict;
