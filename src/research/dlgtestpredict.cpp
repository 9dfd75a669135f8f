#include "research/dlgtestpredict.h"

#include "data/dbsetting.h"
#include "foundation/jxdatetime.h"
#include "foundation/jxerr.h"
#include "foundation/jxgrid.h"
#include "platform/application.h"
#include "platform/eventhandler.h"
#include "platform/formcontrols.h"
#include "platform/messagebox.h"
#include "platform/sysutils.h"
#include "platform/tapplication.h"
#include "platform/tprogressbar.h"
#include "predict/fillpredictfilelist.h"
#include "presenters/gridfill.h"
#include "research/testpredictcut.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>
#include <exception>

TDlgTestPredict* DlgTestPredict = nullptr;

namespace {

const std::array<ColumnLayout, 16> GridColumns = {{
        {"60", 0, "Date"},
        {"100%", 0, "Champ"},
        {"180", 0, "Team1"},
        {"180", 0, "Team2"},
        {"30", 0, "G"},
        {"40", 0, "MyK1"},
        {"40", 0, "MyKX"},
        {"40", 0, "MyK2"},
        {"40", 0, "MyUn"},
        {"40", 0, "MyOv"},
        {"50", 0, "Score"},
        {"40", 0, "BkK1"},
        {"40", 0, "BkKX"},
        {"40", 0, "BkK2"},
        {"40", 0, "BkUn"},
        {"40", 0, "BkOv"},
}};

QFont LayoutFont(const char* family, int pixels, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QPushButton* AddButton(QWidget* parent, const char* name, const QRect& geometry, const char* caption)
{
    auto* button = AddControl<QPushButton>(parent, name, geometry);
    button->setText(QString::fromUtf8(caption));
    return button;
}

}  // namespace

class TDlgTestPredict::BusyScope {
public:
    explicit BusyScope(TDlgTestPredict& form) : form_(form) { Enable(false); }
    ~BusyScope() { Enable(true); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    void Enable(bool on)
    {
        form_.Busy = !on;
        for (QWidget* command : std::initializer_list<QWidget*>{form_.MonthCalendar1, form_.Button3, form_.Button1,
                                                                form_.cboPredict, form_.Edit1, form_.Button2})
            command->setEnabled(on);
    }

    TDlgTestPredict& form_;
};

TDlgTestPredict::TDlgTestPredict(QWidget* owner, const PredictModelFactory& makeModel) : TForm(owner)
{
    DlgTestPredict = this;
    BuildLayout();
    Fixed = std::make_unique<DBFixed>();
    Predict = makeModel();
    SetupGrid();
    ConnectHandler(MonthCalendar1, &QCalendarWidget::clicked, this, &TDlgTestPredict::MonthCalendar1Click);
    ConnectHandler(Button2, &QPushButton::clicked, this, &TDlgTestPredict::Button2Click);
    ConnectHandler(Button3, &QPushButton::clicked, this, &TDlgTestPredict::Button3Click);
    ConnectHandler(Button1, &QPushButton::clicked, this, &TDlgTestPredict::Button1Click);
    FormCreate();
}

TDlgTestPredict::~TDlgTestPredict()
{
    if (DlgTestPredict == this)
        DlgTestPredict = nullptr;
}

void TDlgTestPredict::BuildLayout()
{
    setObjectName("DlgTestPredict");
    setWindowTitle("DlgTestPredict");
    setFixedSize(1169, 595);
    move(427, 246);
    setFont(LayoutFont("MS Sans Serif", 11, false));

    Label1 = AddControl<QLabel>(this, "Label1", QRect(16, 0, 55, 20));
    Label1->setFont(LayoutFont("MS Sans Serif", 16, true));
    Label1->setText("Label1");
    MonthCalendar1 = AddControl<QCalendarWidget>(this, "MonthCalendar1", QRect(0, 24, 191, 154));
    MonthCalendar1->setSelectedDate(QDate(2019, 6, 12));
    MonthCalendar1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    Button3 = AddButton(this, "Button3", QRect(184, 8, 153, 25), "Очистить");
    Button1 = AddButton(this, "Button1", QRect(184, 40, 153, 25), "Экспорт");
    cboPredict = AddControl<QComboBox>(this, "cboPredict", QRect(344, 8, 145, 21));
    Edit1 = AddControl<QLineEdit>(this, "Edit1", QRect(344, 40, 121, 21));
    Button2 = AddButton(this, "Button2", QRect(408, 104, 75, 25), "Button2");
    ProgressBar2 = AddControl<TProgressBar>(this, "ProgressBar2", QRect(0, 184, 185, 17));
    pb = AddControl<TProgressBar>(this, "pb", QRect(248, 184, 881, 17));
    grid = AddControl<TJXGrid>(this, "grid", QRect(8, 208, 1137, 345));
}

void TDlgTestPredict::SetupGrid()
{
    grid->SetCurColor(0xFF0000);
    grid->SetIsCursor(true);
    grid->SetIsRows(true);
    SetupGridColumns(*grid, GridColumns);
    ClearGrid(*grid);
}

void TDlgTestPredict::FormCreate()
{
    FillPredictFileList(cboPredict, DBSetting::Global()->ReadString("PredictFileName"));
}

TDateTime TDlgTestPredict::CalendarDay() const
{
    const QDate day = MonthCalendar1->selectedDate();
    return EncodeDate(day.year(), day.month(), day.day());
}

void TDlgTestPredict::SetCalendarDay(TDateTime day)
{
    int year = 0;
    int month = 0;
    int dayOfMonth = 0;
    DecodeDate(day, year, month, dayOfMonth);
    MonthCalendar1->setSelectedDate(QDate(year, month, dayOfMonth));
}

void TDlgTestPredict::MonthCalendar1Click()
{
    Label1->setText(QString::fromStdString(CutDateText(CalendarDay())));
    // The toolkit's labels grow with their text.
    Label1->adjustSize();
}

void TDlgTestPredict::Button2Click()
{
    JXDateTime day(CalendarDay());
    day.AddDays(1);
    SetCalendarDay(day.ToDateTime());
}

void TDlgTestPredict::Button3Click()
{
    BusyScope busy(*this);
    try {
        CutAtCalendarDay();
    } catch (const std::exception& error) {
        TApplication::ShowException(error.what());
    }
}

void TDlgTestPredict::CutAtCalendarDay()
{
    MonthCalendar1Click();
    TestPredictCut(CalendarDay(), ProgressBar2);
}

void TDlgTestPredict::Button1Click()
{
    BusyScope busy(*this);
    ClearGrid(*grid);
    SummaryRows = 0;
    TestPredictLines lines;
    try {
        // The files are read only to learn that they can be: their lines are dropped.
        lines.inform.LoadFromFile(InformExportFile);
        lines.inform.Clear();
        lines.total.LoadFromFile(TotalExportFile);
        lines.total.Clear();
        const std::vector<AnsiString> names = ModelNames();
        const int days = StrToIntDef(Edit1->text().toStdString(), 1);
        for (int day = 0; day < days; ++day)
            TestDay(names, lines);
    } catch (const std::exception& error) {
        Report(error);
    }
    SaveLines(lines.inform, InformExportFile);
    SaveLines(lines.total, TotalExportFile);
}

void TDlgTestPredict::TestDay(const std::vector<AnsiString>& names, TestPredictLines& lines)
{
    CutAtCalendarDay();
    Fixed->OpenCalendarByDate(CalendarDay());
    pb->SetPosition(0);
    const int count = Fixed->Count();
    const float step = 100.0f / static_cast<float>(count + 1);
    float progress = 0;
    for (int i = 0; i < count; ++i) {
        Fixed->MoveBy(i);
        if (!FixtureHasOdds(*Fixed))
            continue;
        AddSummaryRow(TestPredictFixture(*Fixed, *Predict, names, lines));
        progress += step;
        pb->SetPosition(static_cast<int>(progress));
        ProcessMessages();
    }
    Button2Click();
    pb->SetPosition(100);
}

void TDlgTestPredict::AddSummaryRow(const FixtureSummary& summary)
{
    const int row = ++SummaryRows;
    grid->SetRowCount(row + 1);
    const std::array<AnsiString, 16> texts = {
            ShortDateToStr(Fixed->GetDate()),
            Fixed->GetChamp(),
            Fixed->GetTeam1(),
            Fixed->GetTeam2(),
            IntToStr(summary.games),
            FloatToStr(summary.w1),
            FloatToStr(summary.x),
            FloatToStr(summary.w2),
            FloatToStr(summary.under),
            FloatToStr(summary.over),
            Fixed->GetScoreText(),
            FloatToStr(Fixed->GetKef1()),
            FloatToStr(Fixed->GetKefX()),
            FloatToStr(Fixed->GetKef2()),
            FloatToStr(Fixed->GetKefUn()),
            FloatToStr(Fixed->GetKefOv()),
    };
    for (int col = 0; col < static_cast<int>(texts.size()); ++col)
        SetGridCell(*grid, row, col, texts[col]);
    grid->Invalidate();
}

std::vector<AnsiString> TDlgTestPredict::ModelNames() const
{
    std::vector<AnsiString> names;
    for (int i = 0; i < cboPredict->count(); ++i)
        names.push_back(cboPredict->itemText(i).toStdString());
    return names;
}

void TDlgTestPredict::SaveLines(const JXFile& lines, const AnsiString& file)
{
    try {
        lines.SaveToFile(file);
    } catch (const std::exception& error) {
        Report(error);
    }
}

void TDlgTestPredict::Report(const std::exception& error)
{
    ShowMessage(error.what());
    JXErr::Error(error.what());
}
