#pragma once

#include <optional>

#include "platform/tform.h"
#include "platform/types.h"
#include "predict/dbpredict_2_1.h"
#include "research/jobscope.h"
#include "research/testpredictstep.h"

class DBFixed;
class DBPredictKelto;
class QCalendarWidget;
class QComboBox;
class QPushButton;
class RffPickTable;
class TJXGrid;
class TProgressBar;

// The pick export of the calendar day's fixtures: RFF Export lists each fixture with its
// odds, the model odds and the picks of the three rule algorithms, and uploads the
// fixtures with a pick to the web host; ZeviraRuvid writes one line per fixture with the
// chosen model file into export_predict1.csv of the current folder. Created hidden at
// start; no command of the program shows it.
class TDlgExportRFF : public TForm {
    Q_OBJECT

public:
    explicit TDlgExportRFF(QWidget* owner = nullptr, const PredictModelFactory& makeModel = MakePredictModel);
    ~TDlgExportRFF() override;

    QCalendarWidget* MonthCalendar1;
    QPushButton* Button6;
    QPushButton* Button1;
    QComboBox* ComboBox1;
    TProgressBar* pb;
    TJXGrid* grid;

protected:
    // Both jobs pump messages while their query and model are open.
    bool CanClose() override { return !Busy; }

private:
    void BuildLayout();

    void Button6Click();
    void Button1Click();

    // Disables both jobs and the calendar and refuses closing while it lives.
    JobScope Commands();
    void WriteGridRow(int row, DBFixed& fixed, const DBPredictKelto& kelto);
    // Posts the table to the web host and shows the reply; a failed post is only logged.
    // The model of the item chosen in ComboBox1; none for a text typed in.
    std::optional<AnsiString> SelectedModel() const;
    // The one-day export of the model; raises when the export file cannot be read or written.
    void ExportDay(const AnsiString& model);

    PredictModelFactory MakeModel;
    bool Busy = false;
};

// The program's pick export window while it exists.
extern TDlgExportRFF* DlgExportRFF;
