#include "ui/todayseriespage.h"

#include "data/codes.h"
#include "data/dbconnect.h"
#include "data/dbfilter.h"
#include "data/dbfixed.h"
#include "data/dbseason.h"
#include "data/dbseries.h"
#include "data/dbsetting.h"
#include "foundation/jxgrid.h"
#include "platform/controltext.h"
#include "platform/eventhandler.h"
#include "platform/messagebox.h"
#include "platform/sysutils.h"
#include "platform/tprogressbar.h"
#include "presenters/dbseriesgrid.h"
#include "presenters/gridfill.h"
#include "ui/formcontrols.h"
#include "update/dbupdateview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include <utility>
#include <vector>

namespace {

// The total-goals lines of cboTotal: 0.5 + item index.
constexpr int TotalLines = 5;
// Series rows are written for every type of tournament as TypeID 0.
constexpr int SeriesTypeID = 0;

constexpr int StripHeight = 27;
constexpr int KindsTop = StripHeight;
constexpr int TopListTop = KindsTop + 28;
constexpr int TopListHeight = 307;
constexpr int NextHeight = 36;

constexpr ColumnLayout NextColumns[] = {{"12%", 1022}, {"20%", 1023}, {"55%", 1049}, {"13%", 1027}};

DBSetting* Setting()
{
    return DBSetting::Global();
}

}  // namespace

TTodaySeriesPage::TTodaySeriesPage(QWidget* parent, DBFilter* filter, ViewAdder addView)
    : TTodayPage(parent, "tabSeries", filter, std::move(addView)), NextFixed(std::make_unique<DBFixed>())
{
    BuildLayout();
    SeriesGrid = std::make_unique<DBSeriesGrid>(gridAllSeries);
    SeriesGrid->SetupTopColumns();
    SetupGridColumns(*gridNextFixed, NextColumns);
    gridNextFixed->SetRowCount(2);

    Sides.OnChecked(this, [this] { btnFieldAllClick(); });
    ConnectHandler(chkMax, &QCheckBox::toggled, this, &TTodaySeriesPage::btnFieldAllClick);
    Kinds.OnChecked(this, [this] { btnWinClick(Kinds.Checked()); });
    ConnectHandler(gridAllSeries, &TJXGrid::OnSelectCell, this, &TTodaySeriesPage::gridAllSeriesSelectCell);
    ConnectHandler(gridAllSeries, &TJXGrid::OnDblClick, this, &TTodaySeriesPage::gridAllSeriesDblClick);
    ConnectHandler(gridNextFixed, &TJXGrid::OnDblClick, this, &TTodaySeriesPage::gridNextFixedDblClick);
    ConnectHandler(btnUpdateSeries, &QPushButton::clicked, this, &TTodaySeriesPage::btnUpdateSeriesClick);
    ConnectHandler(btnEnter, &QPushButton::clicked, this, &TTodaySeriesPage::btnEnterClick);
}

TTodaySeriesPage::~TTodaySeriesPage() = default;

void TTodaySeriesPage::BuildLayout()
{
    Sides = AddSideRadios(this, "gb2",
                          {{"btnFieldAll", &btnFieldAll}, {"btnFieldHome", &btnFieldHome}, {"btnFieldAway", &btnFieldAway}});
    gb2 = Sides.frame;
    gb2->setGeometry(PageLeft, 0, 200, StripHeight);
    chkMax = AddControl<QCheckBox>(this, "chkMax", QRect(210, 4, 150, 20), Setting()->GetLangText(1231));
    lblTotal = AddControl<QLabel>(this, "lblTotal", QRect(370, 6, 50, 16), Setting()->GetLangText(1107) + ":");
    lblTotal->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    cboTotal = AddControl<QComboBox>(this, "cboTotal", QRect(424, 3, 56, 22));
    for (int line = 0; line < TotalLines; ++line)
        cboTotal->addItem(QString::fromStdString(FloatToStr(line + 0.5)));
    btnEnter = AddControl<QPushButton>(this, "btnEnter", QRect(488, 2, 110, 24), Setting()->GetLangText(1281));

    Kinds = AddRadioRow(this, "gb1",
                        {{"btnWin", &btnWin},
                         {"btnDraw", &btnDraw},
                         {"btnLose", &btnLose},
                         {"btnNoWin", &btnNoWin},
                         {"btnNoDraw", &btnNoDraw},
                         {"btnNoLose", &btnNoLose},
                         {"btnUnder", &btnUnder},
                         {"btnOver", &btnOver},
                         {"btnWithScore", &btnWithScore},
                         {"btnNoScore", &btnNoScore},
                         {"btnWithMiss", &btnWithMiss},
                         {"btnNoMiss", &btnNoMiss},
                         {"btn00", &btn00}});
    gb1 = Kinds.frame;
    gb1->setGeometry(PageLeft, KindsTop, PageWidth, TopListTop - KindsTop);
    for (int kind = 0; kind < SeriesKind::NilNil; ++kind)
        SetCaption(Kinds.radios[kind], Setting()->GetLangText(1203 + kind));
    SetCaption(btn00, "0:0");

    bar = AddControl<TProgressBar>(this, "bar", QRect(4, KindsTop + 4, 560, 20));
    btnUpdateSeries = AddControl<QPushButton>(this, "btnUpdateSeries", QRect(572, KindsTop + 2, 140, 24),
                                              Setting()->GetLangText(1202));

    gridAllSeries = AddControl<TJXGrid>(this, "gridAllSeries", QRect(PageLeft, TopListTop, PageWidth, TopListHeight));
    gridNextFixed =
            AddControl<TJXGrid>(this, "gridNextFixed", QRect(PageLeft, TopListTop + TopListHeight, PageWidth, NextHeight));
}

void TTodaySeriesPage::Fill()
{
    ShowSeries();
}

void TTodaySeriesPage::Restore()
{
    // Restoring the choices runs none of their handlers.
    std::vector<QSignalBlocker> quiet;
    quiet.emplace_back(chkMax);
    for (const RadioRow* row : {&Sides, &Kinds})
        for (QRadioButton* radio : row->radios)
            quiet.emplace_back(radio);
    Sides.radios[RememberedIndex(1, static_cast<int>(Sides.radios.size()))]->setChecked(true);
    chkMax->setChecked(Setting()->GetFormBool(3));
    Kind = RememberedIndex(4, SeriesKind::Count);
    Kinds.radios[Kind]->setChecked(true);
    SelectedRow = Setting()->GetFormInt(8);
}

void TTodaySeriesPage::Remember()
{
    Setting()->SetFormInt(FormKey, 1, Sides.Checked());
    Setting()->SetFormBool(FormKey, 3, chkMax->isChecked());
    Setting()->SetFormInt(FormKey, 4, Kind);
    Setting()->SetFormInt(FormKey, 8, SelectedRow);
}

void TTodaySeriesPage::ShowSeries()
{
    SeriesGrid->FillTop(Kind, Sides.Field(), chkMax->isChecked(), SeriesTypeID);
    cboTotal->setCurrentIndex(RememberedIndex(7, TotalLines));
    // A remembered row past the list (a shorter list after a rebuild) is the first.
    if (SelectedRow < 1 || SelectedRow >= gridAllSeries->RowCount())
        SelectedRow = 1;
    {
        const QSignalBlocker quiet(gridAllSeries);
        gridAllSeries->SetRow(SelectedRow);
    }
    ShowOutOfDate(DBConnect::GetData()->GetUpdateSeries());
    gridAllSeriesSelectCell(0, SelectedRow);
}

void TTodaySeriesPage::ShowOutOfDate(bool outOfDate)
{
    for (QWidget* rebuild : std::initializer_list<QWidget*>{btnUpdateSeries, bar})
        rebuild->setVisible(outOfDate);
    for (QWidget* choice : std::initializer_list<QWidget*>{chkMax, gb1, gb2, cboTotal, lblTotal, btnEnter})
        choice->setVisible(!outOfDate);
}

void TTodaySeriesPage::RebuildSeries()
{
    rebuilding_ = true;
    btnUpdateSeries->setEnabled(false);
    btnEnter->setEnabled(false);
    DBUpdateView rebuild;
    if (!rebuild.RebuildSeries(bar))
        MessageBox("Error update series", "Info", MB_OK);
    btnUpdateSeries->setEnabled(true);
    btnEnter->setEnabled(true);
    rebuilding_ = false;
    DBConnect::GetData()->ExecSQL("UPDATE Version SET UpdateSeries=0", false);
    SelectedRow = 1;
    ShowSeries();
}

void TTodaySeriesPage::btnWinClick(int kind)
{
    Kind = kind;
    SelectedRow = 1;
    ShowSeries();
}

void TTodaySeriesPage::btnFieldAllClick()
{
    SelectedRow = 1;
    ShowSeries();
}

void TTodaySeriesPage::gridAllSeriesSelectCell(int /*aCol*/, int aRow)
{
    SelectedRow = aRow;
    DBSeries& top = *SeriesGrid->Data;
    if (top.Count() < 1) {
        NextFixed->GetQuery()->Close();
    } else {
        top.MoveBy(aRow - 1);
        NextFixed->OpenCalendarByTeam(top.GetTeamID());
    }
    if (NextFixed->Count() < 1) {
        ClearGrid(*gridNextFixed);
    } else {
        DBFixed& next = *NextFixed;
        SetGridCell(*gridNextFixed, 1, 0, DateTimeToStr(next.GetDate()));
        SetGridCell(*gridNextFixed, 1, 1, next.GetChampWithNat());
        SetGridCell(*gridNextFixed, 1, 2, next.GetTeam1() + " - " + next.GetTeam2());
        SetGridCell(*gridNextFixed, 1, 3, next.GetRound());
    }
    gridNextFixed->Invalidate();
}

void TTodaySeriesPage::gridAllSeriesDblClick()
{
    AddView([this] {
        DBSeries& top = *SeriesGrid->Data;
        if (top.Count() < 1)
            return false;
        top.MoveBy(gridAllSeries->Row() - 1);
        const int team = top.GetTeamID();
        return Filter->AddTeam(team, DBSeason::GetLastSeasonOfTeam(team));
    });
}

void TTodaySeriesPage::gridNextFixedDblClick()
{
    AddView([this] {
        if (NextFixed->Count() < 1)
            return false;
        NextFixed->MoveBy(0);
        return Filter->AddTeamRival(NextFixed->GetTeam1ID(), NextFixed->GetTeam2ID());
    });
}

void TTodaySeriesPage::btnUpdateSeriesClick()
{
    RebuildSeries();
}

void TTodaySeriesPage::btnEnterClick()
{
    Setting()->SetFormInt(FormKey, 7, cboTotal->currentIndex());
    DBConnect::GetData()->ExecSQL("UPDATE Version SET UpdateSeries=1", false);
    SelectedRow = 1;
    ShowSeries();
    RebuildSeries();
}
