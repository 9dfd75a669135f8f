#include "research/dlgexportrff.h"

#include "data/dbfixed.h"
#include "foundation/jxerr.h"
#include "foundation/jxfile.h"
#include "foundation/jxgrid.h"
#include "foundation/jxinet.h"
#include "foundation/jxmath.h"
#include "platform/application.h"
#include "platform/eventhandler.h"
#include "platform/formcontrols.h"
#include "platform/messagebox.h"
#include "platform/sysutils.h"
#include "platform/tprogressbar.h"
#include "predict/dbpredict_2_1.h"
#include "predict/dbpredictkelto.h"
#include "presenters/gridfill.h"
#include "research/predictexportline.h"
#include "research/researchform.h"
#include "research/rffpicktable.h"
#include "update/pickupload.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QPushButton>

#include <array>
#include <exception>

TDlgExportRFF* DlgExportRFF = nullptr;

namespace {

const std::array<ColumnLayout, 11> GridColumns = {{
        {"60", 0, "Date"},
        {"100%", 0, "Champ"},
        {"130", 0, "Team1"},
        {"130", 0, "Team2"},
        {"30", 0, "BkKef1"},
        {"30", 0, "BkKef2"},
        {"30", 0, "MyKef1"},
        {"30", 0, "MyKef2"},
        {"60", 0, "Algo1"},
        {"60", 0, "Algo2"},
        {"60", 0, "Algo3"},
}};

const char* const NoModelText = "Выберите модель из списка";
const char* const UploadPage = "my_dev/rff2/save_predict.php?";

AnsiString TeamText(const AnsiString& name, int id)
{
    return name + "[" + IntToStr(id) + "]";
}

// Model odds are worked out to 2 decimals; the float's own digits past them are noise.
AnsiString ModelOddsText(float odds)
{
    return FloatToStrRound(odds, 2);
}

}  // namespace

TDlgExportRFF::TDlgExportRFF(QWidget* owner, const PredictModelFactory& makeModel)
    : TForm(owner), MakeModel(makeModel)
{
    DlgExportRFF = this;
    BuildLayout();
    SetupResearchGrid(*grid, GridColumns);
    ConnectHandler(Button6, &QPushButton::clicked, this, &TDlgExportRFF::Button6Click);
    ConnectHandler(Button1, &QPushButton::clicked, this, &TDlgExportRFF::Button1Click);
}

TDlgExportRFF::~TDlgExportRFF()
{
    if (DlgExportRFF == this)
        DlgExportRFF = nullptr;
}

void TDlgExportRFF::BuildLayout()
{
    setObjectName("DlgExportRFF");
    setWindowTitle("DlgExportRFF");
    setFixedSize(972, 546);
    setFont(LayoutFont("MS Sans Serif", 11, false));

    MonthCalendar1 = AddControl<QCalendarWidget>(this, "MonthCalendar1", QRect(8, 8, 191, 154));
    MonthCalendar1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    Button6 = AddControl<QPushButton>(this, "Button6", QRect(216, 8, 153, 25), "RFF Export");
    Button1 = AddControl<QPushButton>(this, "Button1", QRect(216, 48, 153, 33), "ZeviraRuvid");
    Button1->setFont(LayoutFont("MS Sans Serif", 15, true));
    ComboBox1 = AddControl<QComboBox>(this, "ComboBox1", QRect(384, 54, 145, 21));
    // A text typed into the box stays out of the items: it is no model to choose.
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->addItem("total");
    pb = AddControl<TProgressBar>(this, "pb", QRect(216, 145, 748, 17));
    grid = AddControl<TJXGrid>(this, "grid", QRect(8, 170, 956, 368));
}

JobScope TDlgExportRFF::Commands()
{
    return JobScope(Busy, {MonthCalendar1, Button6, Button1});
}

void TDlgExportRFF::Button6Click()
{
    const JobScope job = Commands();
    RffPickTable table;
    DBFixed fixed;
    DBPredictKelto kelto;
    fixed.OpenCalendarByDate(CalendarDay(MonthCalendar1));
    FillGridRows(*grid, fixed, [&](int row) {
        // Each algorithm runs whatever the others made of the fixture.
        kelto.SetTeam(fixed.GetTeam1ID(), fixed.GetTeam2ID(), static_cast<float>(fixed.GetKef1()),
                      static_cast<float>(fixed.GetKefX()), static_cast<float>(fixed.GetKef2()),
                      static_cast<float>(fixed.GetKefUn()), static_cast<float>(fixed.GetKefOv()));
        kelto.UpdatePredictKeltoAlgo1();
        kelto.UpdatePredictKeltoAlgo2();
        kelto.UpdatePredictKeltoAlgo3();
        WriteGridRow(row, fixed, kelto);
        table.Add(RffPickOf(fixed, kelto));
        ProcessMessages();
    });
    UploadPicks(UploadPage, table.ToText().GetAnsi());
}

void TDlgExportRFF::WriteGridRow(int row, DBFixed& fixed, const DBPredictKelto& kelto)
{
    const std::array<AnsiString, 11> texts = {
            ShortDateToStr(fixed.GetDate()),
            fixed.GetChamp(),
            TeamText(fixed.GetTeam1(), fixed.GetTeam1ID()),
            TeamText(fixed.GetTeam2(), fixed.GetTeam2ID()),
            FloatToStr(fixed.GetKef1()),
            FloatToStr(fixed.GetKef2()),
            ModelOddsText(kelto.GetPercent1(true)),
            ModelOddsText(kelto.GetPercent2(true)),
            kelto.GetAlgoText(0),
            kelto.GetAlgoText(1),
            kelto.GetAlgoText(2),
    };
    for (int col = 0; col < static_cast<int>(texts.size()); ++col)
        SetGridCell(*grid, row, col, texts[col]);
}

void TDlgExportRFF::Button1Click()
{
    const JobScope job = Commands();
    const std::optional<AnsiString> model = SelectedModel();
    if (!model) {
        ShowMessage(NoModelText);
        return;
    }
    try {
        ExportDay(*model);
    } catch (const std::exception& error) {
        ReportFailure(error);
    }
}

std::optional<AnsiString> TDlgExportRFF::SelectedModel() const
{
    const int index = ComboBox1->currentIndex();
    if (index < 0 || ComboBox1->currentText() != ComboBox1->itemText(index))
        return std::nullopt;
    return ComboBox1->itemText(index).toStdString();
}

void TDlgExportRFF::ExportDay(const AnsiString& model)
{
    // The file is read only to learn that it can be: its lines are dropped.
    JXFile lines;
    lines.LoadFromFile(InformExportFile);
    lines.Clear();
    DBFixed fixed;
    fixed.OpenCalendarByDate(CalendarDay(MonthCalendar1));
    const std::unique_ptr<DBPredict_2_1> predict = MakeModel();
    const int count = fixed.Count();
    pb->SetPosition(0);
    for (int i = 0; i < count; ++i) {
        fixed.MoveBy(i);
        predict->LoadFromFile(model, fixed.GetTeam1ID(), fixed.GetTeam2ID(), 0);
        lines.Add(PredictDayExportLine(fixed, *predict));
        pb->SetPosition(i * 100 / count);
        ProcessMessages();
    }
    pb->SetPosition(100);
    lines.SaveToFile(InformExportFile);
}
