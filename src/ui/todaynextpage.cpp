#include "ui/todaynextpage.h"

#include "data/dbasecontrols.h"
#include "data/dbchamp.h"
#include "data/dbfilter.h"
#include "data/dbfixed.h"
#include "data/dbsetting.h"
#include "foundation/jxdatetime.h"
#include "foundation/jxerr.h"
#include "foundation/jxfile.h"
#include "foundation/jxgrid.h"
#include "platform/eventhandler.h"
#include "platform/exceptions.h"
#include "platform/messagebox.h"
#include "platform/sysutils.h"
#include "predict/fillpredictfilelist.h"
#include "presenters/gridfill.h"
#include "ui/formcontrols.h"
#include "update/pickupload.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include <filesystem>
#include <utility>

namespace {

const char* const DayFolder = "Predict/";
const char* const DayFile = "today_date.ini";
// The picks to upload, in the process's current folder, and where they go.
const char* const PicksFile = "export_predict_to_site.txt";
const char* const PicksPage = "my_dev/rff/save_predict.php?";

// The hidden day boxes: their up-downs' range, and what a text that is no number counts as.
constexpr int DaysMin = -50;
constexpr int DaysMax = 15;
constexpr int TodayDaysFallback = 7;
constexpr int TodayDaysMinusFallback = 0;

constexpr int ListLeft = TTodayPage::PageLeft + 2;
constexpr int ListWidth = 260;
constexpr int GridWidth = 429;
constexpr int GridHeight = 379;

constexpr ColumnLayout DayColumns[] = {{"80", 1022}, {"100%", 1049}, {"80", 1027}};

DBSetting* Setting()
{
    return DBSetting::Global();
}

QDate ToQDate(TDateTime value)
{
    int year = 0, month = 0, day = 0;
    DecodeDate(value, year, month, day);
    return QDate(year, month, day);
}

TDateTime FromQDate(const QDate& date)
{
    return EncodeDate(date.year(), date.month(), date.day());
}

std::string DayFilePath()
{
    return std::string(GetAppPath()) + DayFolder + DayFile;
}

// The day of the day file: day, month and four-digit year on the first three lines.
// A missing or short file, or lines that make no date, give today.
TDateTime ReadDayFile()
{
    JXFile lines;
    try {
        lines.LoadFromFile(DayFilePath());
    } catch (const EFileError&) {
        return Date();
    }
    int day = 0, month = 0, year = 0;
    TDateTime value = 0;
    if (lines.Count() >= 3 && TryStrToInt(lines.GetLine(0), day) && TryStrToInt(lines.GetLine(1), month) &&
        TryStrToInt(lines.GetLine(2), year) && TryEncodeDate(year, month, day, value))
        return value;
    return Date();
}

// Raises EFileError when the file cannot be written.
void WriteDayFile(TDateTime day)
{
    std::error_code ignored;
    std::filesystem::create_directories(std::string(GetAppPath()) + DayFolder, ignored);
    const JXDateTime value(day);
    JXFile lines;
    lines.Add(value.Day());
    lines.Add(value.Month());
    lines.Add(value.Year());
    lines.SaveToFile(DayFilePath());
}

int BoxValue(const QLineEdit* box, int fallback)
{
    int value = 0;
    return TryStrToInt(box->text().toStdString(), value) ? value : fallback;
}

void SetBox(QLineEdit* box, TUpDown* steps, int value)
{
    box->setText(QString::number(value));
    steps->SetPosition(value);
}

// One step of a day box by its up-down's arrow.
void StepBox(QLineEdit* box, int fallback, TUDBtnType button)
{
    box->setText(QString::number(BoxValue(box, fallback) + (button == btNext ? 1 : -1)));
}

}  // namespace

TTodayNextPage::TTodayNextPage(QWidget* parent, DBFilter* filter, ViewAdder addView)
    : TTodayPage(parent, "tabNext", filter, std::move(addView)),
      DayChamps(std::make_unique<DBChamp>()),
      DayMatches(std::make_unique<DBFixed>())
{
    BuildLayout();
    SetupGridColumns(*grid, DayColumns);

    ConnectHandler(dataToday, &QDateEdit::dateChanged, this, &TTodayNextPage::dataTodayChange);
    ConnectHandler(lstChamp, &QListWidget::currentRowChanged, this, &TTodayNextPage::lstChampClick);
    ConnectHandler(grid, &TJXGrid::OnDblClick, this, &TTodayNextPage::gridDblClick);
    ConnectHandler(udTodayDays, &TUpDown::Click, this, &TTodayNextPage::udTodayDaysClick);
    ConnectHandler(udTodayDaysMinus, &TUpDown::Click, this, &TTodayNextPage::udTodayDaysMinusClick);
    ConnectHandler(cboPredict, &QComboBox::activated, this, &TTodayNextPage::cboPredictChange);
    ConnectHandler(btnSendToServer, &QPushButton::clicked, this, &TTodayNextPage::btnSendToServerClick);
}

TTodayNextPage::~TTodayNextPage() = default;

void TTodayNextPage::BuildLayout()
{
    dataToday = AddControl<QDateEdit>(this, "dataToday", QRect(ListLeft, 4, ListWidth, 22));
    dataToday->setCalendarPopup(true);
    dataToday->setDisplayFormat("dd.MM.yyyy");
    lstChamp = AddControl<QListWidget>(this, "lstChamp", QRect(ListLeft, 30, ListWidth, 357));
    grid = AddControl<TJXGrid>(this, "grid", QRect(TTodayPage::PageLeft + PageWidth - 2 - GridWidth, 8, GridWidth, GridHeight));

    txtTodayDaysMinus = AddControl<QLineEdit>(this, "txtTodayDaysMinus", QRect(ListLeft, 360, 40, 21));
    udTodayDaysMinus = AddControl<TUpDown>(this, "udTodayDaysMinus", QRect(ListLeft + 40, 360, 16, 21));
    txtTodayDays = AddControl<QLineEdit>(this, "txtTodayDays", QRect(ListLeft + 60, 360, 40, 21));
    udTodayDays = AddControl<TUpDown>(this, "udTodayDays", QRect(ListLeft + 100, 360, 16, 21));
    for (TUpDown* steps : {udTodayDaysMinus, udTodayDays})
        steps->SetRange(DaysMin, DaysMax);
    lblTime = AddControl<QLabel>(this, "lblTime", QRect(ListLeft + 120, 362, 60, 16), Setting()->GetLangText(1233));
    cboPredict = AddControl<QComboBox>(this, "cboPredict", QRect(ListLeft, 334, 140, 22));
    btnPredict =
            AddControl<QPushButton>(this, "btnPredict", QRect(ListLeft + 144, 334, 110, 22), Setting()->GetLangText(1404));
    btnSendToServer = AddControl<QPushButton>(this, "btnSendToServer", QRect(ListLeft + 144, 308, 110, 22));
    for (QWidget* hidden : std::initializer_list<QWidget*>{txtTodayDaysMinus, udTodayDaysMinus, txtTodayDays,
                                                           udTodayDays, lblTime, cboPredict, btnPredict,
                                                           btnSendToServer})
        hidden->hide();
}

void TTodayNextPage::Fill()
{
    ShowDayChamps();
}

void TTodayNextPage::Restore()
{
    {
        const QSignalBlocker quiet(dataToday);
        dataToday->setDate(ToQDate(ReadDayFile()));
    }
    SetBox(txtTodayDays, udTodayDays, Setting()->ReadInteger("TodayDays"));
    SetBox(txtTodayDaysMinus, udTodayDaysMinus, Setting()->ReadInteger("TodayDaysMinus"));
    FillPredictFileList(cboPredict, Setting()->ReadString("PredictFileName"));
}

void TTodayNextPage::Remember()
{
    Setting()->WriteInteger("TodayDays", BoxValue(txtTodayDays, TodayDaysFallback));
    Setting()->WriteInteger("TodayDaysMinus", BoxValue(txtTodayDaysMinus, TodayDaysMinusFallback));
    try {
        WriteDayFile(FromQDate(dataToday->date()));
    } catch (const Exception& error) {
        JXErr::Error(JXStr("TDlgToday::FormDestroy ") + error.what());
    }
    if (lstChamp->currentItem())
        Setting()->SetFormString(FormKey, 0, lstChamp->currentItem()->text().toStdString());
}

AnsiString TTodayNextPage::DayText() const
{
    // "/" in a pattern is the date separator: the literal wants "/" whatever that is.
    return JXStr::Replace(FormatDateTime("mm/dd/yyyy", FromQDate(dataToday->date())), ".", "/");
}

void TTodayNextPage::ShowDayChamps()
{
    DayChamps->OpenTodayFav(DayText());
    {
        const QSignalBlocker quiet(lstChamp);
        FillList(lstChamp, DayChamps.get());
        // Only the remembered tournament is chosen by itself.
        lstChamp->setCurrentRow(-1);
        const QList<QListWidgetItem*> remembered =
                lstChamp->findItems(QString::fromStdString(Setting()->GetFormString(0)), Qt::MatchFixedString);
        if (!remembered.isEmpty())
            lstChamp->setCurrentItem(remembered.first());
    }
    if (!lstChamp->currentItem())
        ClearDayMatches();
    lstChampClick();
}

void TTodayNextPage::ClearDayMatches()
{
    DayMatches->GetQuery()->Close();
    ClearGrid(*grid);
    grid->Invalidate();
}

void TTodayNextPage::ShowDayMatches()
{
    DBFixed& matches = *DayMatches;
    matches.OpenCalendarByChampDate(DayChamps->GetChampID(), DayText());
    FillGridRows(*grid, matches, [&](int row) {
        SetGridCell(*grid, row, 0, DateTimeToStr(matches.GetDate()));
        SetGridCell(*grid, row, 1, matches.GetTeam1() + " - " + matches.GetTeam2());
        SetGridCell(*grid, row, 2, matches.GetRound());
    });
    grid->setFocus();
}

void TTodayNextPage::dataTodayChange()
{
    ShowDayChamps();
}

void TTodayNextPage::lstChampClick()
{
    const QListWidgetItem* chosen = lstChamp->currentItem();
    if (!chosen)
        return;
    Setting()->SetFormString(FormKey, 0, chosen->text().toStdString());
    Setting()->LoadFormData(FormKey);
    SyncList(lstChamp, DayChamps.get());
    ShowDayMatches();
}

void TTodayNextPage::gridDblClick()
{
    AddView([this] {
        if (DayMatches->Count() < 1)
            return false;
        DayMatches->MoveBy(grid->Row() - 1);
        return Filter->AddTeamRival(DayMatches->GetTeam1ID(), DayMatches->GetTeam2ID());
    });
}

void TTodayNextPage::udTodayDaysClick(TUDBtnType button)
{
    StepBox(txtTodayDays, TodayDaysFallback, button);
    ShowDayChamps();
}

void TTodayNextPage::udTodayDaysMinusClick(TUDBtnType button)
{
    StepBox(txtTodayDaysMinus, TodayDaysMinusFallback, button);
    ShowDayChamps();
}

void TTodayNextPage::cboPredictChange()
{
    Setting()->WriteString("PredictFileName", cboPredict->currentText().toStdString());
}

void TTodayNextPage::btnSendToServerClick()
{
    JXFile lines;
    try {
        lines.LoadFromFile(PicksFile);
    } catch (const EFileError& error) {
        ShowMessage(error.what());
        return;
    }
    // The text-table format gives line breaks no meaning: the lines are joined as they are.
    JXStr text;
    for (int i = 0; i < lines.Count(); ++i)
        text = text + lines.GetLine(i);
    UploadPicks(PicksPage, text);
}
