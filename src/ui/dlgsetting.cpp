#include "ui/dlgsetting.h"

#include "data/dbasecontrols.h"
#include "data/dbconnect.h"
#include "data/dbseason.h"
#include "data/dbsetting.h"
#include "platform/controltext.h"
#include "platform/eventhandler.h"
#include "platform/programfolder.h"
#include "platform/sysutils.h"
#include "platform/tpagecontrol.h"
#include "platform/tprogressbar.h"
#include "predict/dbelorang.h"
#include "presenters/gridfill.h"
#include "ui/aboutpanel.h"
#include "ui/dlgmain.h"
#include "ui/formcontrols.h"
#include "update/dbupdateview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include <filesystem>
#include <set>
#include <utility>

namespace {

constexpr int LabelLeft = 6;
constexpr int RowHeight = 21;
// The day counts and the lines of the round-by-round tabs, with their arrows.
constexpr int StepEditLeft = 312;
constexpr int StepEditWidth = 26;
constexpr int MaxDays = 15;
constexpr int MaxLine = 4;

DBSetting& Setting()
{
    return *DBSetting::Global();
}

// A handicap or total line n + 0.5, shown with the user's decimal mark.
AnsiString LineText(int n)
{
    return IntToStr(n) + DecimalSeparator() + "5";
}

// The whole part of a line as shown, whichever decimal mark it carries.
int LineOf(const QLineEdit* edit)
{
    const AnsiString text = Caption(edit);
    return StrToIntDef(text.substr(0, text.find_first_of(".,")), 0);
}

void StepCount(QLineEdit* edit, TUDBtnType button)
{
    SetCaption(edit, IntToStr(StrToIntDef(Caption(edit), 0) + (button == btNext ? 1 : -1)));
}

void StepLine(QLineEdit* edit, TUDBtnType button)
{
    SetCaption(edit, LineText(LineOf(edit) + (button == btNext ? 1 : -1)));
}

// Runs a function when a scope ends, also by an exception.
class ScopeExit {
public:
    explicit ScopeExit(std::function<void()> atExit) : atExit_(std::move(atExit)) {}
    ~ScopeExit() { atExit_(); }
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;

private:
    std::function<void()> atExit_;
};

}  // namespace

TDlgSetting::TDlgSetting(QWidget* owner) : TForm(owner)
{
    BuildLayout();
    ConnectHandlers();
    SetTag(0);
    Season = std::make_unique<DBSeason>();
    Translate();
    FormCreate();
}

TDlgSetting::~TDlgSetting() = default;

// ---- layout ------------------------------------------------------------------------

void TDlgSetting::BuildLayout()
{
    BeginDialog(this, "DlgSetting", "Настройки", 369, 241);
    PageControl = AddControl<TPageControl>(this, "PageControl", QRect(0, 0, 369, 209));
    tabGeneral = AddPage(PageControl, "tabGeneral", "Общие");
    tabAddition = AddPage(PageControl, "tabAddition", "Дополнительно");
    tabUpdate = AddPage(PageControl, "tabUpdate", "Обновление");
    tabSystem = AddPage(PageControl, "tabSystem", "Система");
    tabAbout = AddPage(PageControl, "tabAbout", "О программе");
    PageControl->setTabVisible(PageControl->indexOf(tabUpdate), false);
    BuildGeneralPage();
    BuildAdditionPage();
    BuildSystemPage();
    GroupBox1 = AddControl<TAboutPanel>(tabAbout, "GroupBox1", QRect(42, 2, 281, 170));

    btnOK = AddControl<QPushButton>(this, "btnOK", QRect(130, 214, 75, 23), "OK");
    btnCancel = AddControl<QPushButton>(this, "btnCancel", QRect(210, 214, 75, 23), "Отмена");
    btnApply = AddControl<QPushButton>(this, "btnApply", QRect(290, 214, 75, 23), "Применить");
    btnApply->setEnabled(false);
}

void TDlgSetting::BuildGeneralPage()
{
    lblLang = AddControl<QLabel>(tabGeneral, "lblLang", QRect(LabelLeft, 14, 60, 16));
    cboLang = AddControl<QComboBox>(tabGeneral, "cboLang", QRect(70, 10, 120, 22));
    const auto addBox = [this](const char* name, int top) {
        return AddControl<QCheckBox>(tabGeneral, name, QRect(LabelLeft, top, 350, 19));
    };
    chkSaveHistory = addBox("chkSaveHistory", 44);
    chkNoFilter = addBox("chkNoFilter", 66);
    chkFilterTop = addBox("chkFilterTop", 88);
    chkNoStart = addBox("chkNoStart", 110);
    chkAutoUpdate = addBox("chkAutoUpdate", 132);
    chkNoStart->hide();
    chkAutoUpdate->hide();
}

void TDlgSetting::BuildAdditionPage()
{
    lblSeries = AddControl<QLabel>(tabAddition, "lblSeries", QRect(LabelLeft, 14, 240, 16));
    cboSeason = AddControl<QComboBox>(tabAddition, "cboSeason", QRect(250, 10, 106, 22));
    cboSeason->setMaxVisibleItems(20);
    const auto addStepRow = [this](int top, const char* label, const char* edit, const char* arrows, int max,
                                   QLabel*& caption, QLineEdit*& value, TUpDown*& steps) {
        caption = AddControl<QLabel>(tabAddition, label, QRect(LabelLeft, top + 3, StepEditLeft - 2 - LabelLeft, 16));
        value = AddControl<QLineEdit>(tabAddition, edit, QRect(StepEditLeft, top, StepEditWidth, RowHeight));
        // Only the arrows change the value.
        value->setEnabled(false);
        steps = AddControl<TUpDown>(tabAddition, arrows, QRect(StepEditLeft + StepEditWidth + 1, top, 17, RowHeight));
        steps->SetRange(0, max);
    };
    addStepRow(44, "lblFavNext", "txtFavNext", "udFavNext", MaxDays, lblFavNext, txtFavNext, udFavNext);
    addStepRow(76, "lblFav", "txtFavDays", "udFav", MaxDays, lblFav, txtFavDays, udFav);
    addStepRow(108, "lblHandicap", "txtHandicap", "upHandicap", MaxLine, lblHandicap, txtHandicap, upHandicap);
    addStepRow(140, "lblTourTotal", "txtTourTotal", "upTourTotal", MaxLine, lblTourTotal, txtTourTotal, upTourTotal);
}

void TDlgSetting::BuildSystemPage()
{
    gbProxy = AddControl<QGroupBox>(tabSystem, "gbProxy", QRect(4, 2, 354, 92));
    chkProxy = AddControl<QCheckBox>(gbProxy, "chkProxy", QRect(8, 18, 300, 19));
    const auto addRow = [this](int left, int top, int labelWidth, int editWidth, const char* label, const char* edit,
                               QLabel*& caption, QLineEdit*& value) {
        caption = AddControl<QLabel>(gbProxy, label, QRect(left, top + 3, labelWidth, 16));
        value = AddControl<QLineEdit>(gbProxy, edit, QRect(left + labelWidth + 2, top, editWidth, RowHeight));
    };
    addRow(8, 40, 112, 92, "lblProxy", "txtProxy", lblProxy, txtProxy);
    addRow(220, 40, 58, 68, "lblPort", "txtPort", lblPort, txtPort);
    addRow(8, 64, 112, 92, "lblUserName", "txtProxyUser", lblUserName, txtProxyUser);
    addRow(220, 64, 58, 68, "lblPwd", "txtProxyPwd", lblPwd, txtProxyPwd);
    txtProxyPwd->setEchoMode(QLineEdit::Password);
    txtProxyPwd->setStyleSheet("lineedit-password-character: 42");

    cboServer = AddControl<QComboBox>(tabSystem, "cboServer", QRect(4, 98, 200, 22));

    gbDatabase = AddControl<QGroupBox>(tabSystem, "gbDatabase", QRect(4, 124, 354, 54));
    btnCompac = AddControl<QPushButton>(gbDatabase, "btnCompac", QRect(8, 20, 164, 25));
    btnUpdateStats = AddControl<QPushButton>(gbDatabase, "btnUpdateStats", QRect(178, 20, 164, 25));
    lblCompac = AddControl<QLabel>(gbDatabase, "lblCompac", QRect(8, 24, 334, 16));
    lblCompac->hide();
    bar = AddControl<TProgressBar>(gbDatabase, "bar", QRect(8, 24, 334, 17));
    bar->hide();
    btnUpdateElo = AddControl<QPushButton>(gbDatabase, "btnUpdateElo", QRect(300, 20, 42, 25), "ELO");
    btnUpdateElo->hide();
}

void TDlgSetting::ConnectHandlers()
{
    ConnectHandler(btnOK, &QPushButton::clicked, this, &TDlgSetting::btnOKClick);
    ConnectHandler(btnCancel, &QPushButton::clicked, this, &TDlgSetting::btnCancelClick);
    ConnectHandler(btnApply, &QPushButton::clicked, this, &TDlgSetting::btnApplyClick);
    for (QCheckBox* box : {chkSaveHistory, chkNoFilter, chkFilterTop, chkNoStart, chkAutoUpdate})
        ConnectHandler(box, &QCheckBox::toggled, this, &TDlgSetting::txtUserChange);
    for (QLineEdit* edit : {txtFavNext, txtFavDays, txtHandicap, txtTourTotal, txtProxy, txtPort, txtProxyUser,
                            txtProxyPwd})
        ConnectHandler(edit, &QLineEdit::textChanged, this, &TDlgSetting::txtUserChange);
    for (QComboBox* combo : {cboLang, cboServer})
        ConnectHandler(combo, &QComboBox::activated, this, &TDlgSetting::txtUserChange);
    ConnectHandler(chkProxy, &QCheckBox::toggled, this, &TDlgSetting::chkProxyClick);
    ConnectHandler(cboSeason, &QComboBox::activated, this, &TDlgSetting::cboSeasonChange);
    ConnectHandler(udFavNext, &TUpDown::Click, this, &TDlgSetting::udFavNextClick);
    ConnectHandler(udFav, &TUpDown::Click, this, &TDlgSetting::udFavClick);
    ConnectHandler(upHandicap, &TUpDown::Click, this, &TDlgSetting::upHandicapClick);
    ConnectHandler(upTourTotal, &TUpDown::Click, this, &TDlgSetting::upTourTotalClick);
    ConnectHandler(btnCompac, &QPushButton::clicked, this, &TDlgSetting::btnCompacClick);
    ConnectHandler(btnUpdateStats, &QPushButton::clicked, this, &TDlgSetting::btnUpdateStatsClick);
    ConnectHandler(btnUpdateElo, &QPushButton::clicked, this, &TDlgSetting::btnUpdateEloClick);
}

// ---- texts -------------------------------------------------------------------------

void TDlgSetting::Translate()
{
    setWindowTitle(QString::fromStdString(LangText(1008)));
    const std::pair<QWidget*, int> pages[] = {
            {tabGeneral, 1108}, {tabAddition, 1109}, {tabUpdate, 1005}, {tabSystem, 1110}, {tabAbout, 1080}};
    for (const auto& [page, id] : pages)
        PageControl->setTabText(PageControl->indexOf(page), QString::fromStdString(LangText(id)));
    const std::pair<QLabel*, int> labels[] = {
            {lblLang, 1201},     {lblFavNext, 1115},  {lblSeries, 1117}, {lblFav, 1118},
            {lblHandicap, 1259}, {lblTourTotal, 1403}, {lblProxy, 1119}, {lblPort, 1121},
            {lblUserName, 1086}, {lblPwd, 1122},       {lblCompac, 1124}};
    for (const auto& [label, id] : labels)
        SetCaption(label, LangText(id));
    const std::pair<QAbstractButton*, int> buttons[] = {
            {chkSaveHistory, 1111}, {chkAutoUpdate, 1112}, {chkNoStart, 1113}, {chkFilterTop, 1114},
            {chkNoFilter, 1116},    {chkProxy, 1120},      {btnCompac, 1057},  {btnUpdateStats, 1232},
            {btnCancel, 1089},      {btnApply, 1101}};
    for (const auto& [button, id] : buttons)
        SetCaption(button, LangText(id));
    SetCaption(gbProxy, LangText(1119));
    SetCaption(gbDatabase, LangText(1123));

    cboServer->clear();
    cboServer->addItem(QString::fromStdString(LangText(1250)));
    cboServer->addItem(QString::fromStdString(LangText(1251)));
    // Only the value 1 chooses the reserve server.
    cboServer->setCurrentIndex(Setting().ReadInteger("UpdServ") == 1 ? 1 : 0);

    GroupBox1->ShowVersion();
}

// ---- filling and saving -------------------------------------------------------------

void TDlgSetting::FormCreate()
{
    DBSetting& setting = Setting();
    FillLanguages();
    Season->OpenList(false);
    FillCombo(cboSeason, Season.get());
    SelectSeriesSeason(setting.ReadInteger("SeriesSeason"));
    const int language = cboLang->findText(QString::fromStdString(setting.ReadString("Lang")));
    cboLang->setCurrentIndex(std::max(language, 0));
    EnableProxy(setting.ReadBool("UseProxy"));
    SetCaption(txtProxy, setting.ReadString("ProxyAddress"));
    SetCaption(txtPort, IntToStr(setting.ReadInteger("ProxyPort")));
    SetCaption(txtProxyUser, setting.ReadString("ProxyUser"));
    SetCaption(txtProxyPwd, setting.ReadString("ProxyPwd"));
    chkSaveHistory->setChecked(setting.ReadBool("SaveHistory"));
    chkAutoUpdate->setChecked(setting.ReadBool("AutoUpdate"));
    chkFilterTop->setChecked(setting.ReadBool("FilterTop"));
    chkNoFilter->setChecked(setting.ReadBool("NoShowFilter"));
    chkNoStart->setChecked(setting.ReadInteger("StartTime") < 2);
    const int favNext = setting.ReadInteger("FavNext");
    const int handicap = setting.ReadInteger("TourHandicap");
    const int total = setting.ReadInteger("TourTotal");
    SetCaption(txtFavNext, IntToStr(favNext));
    SetCaption(txtHandicap, LineText(handicap));
    SetCaption(txtTourTotal, LineText(total));
    udFavNext->SetPosition(favNext);
    upHandicap->SetPosition(handicap);
    upTourTotal->SetPosition(total);
    const int favDays = setting.ReadInteger("FavDays");
    SetCaption(txtFavDays, IntToStr(favDays));
    udFav->SetPosition(favDays);
    btnApply->setEnabled(false);
}

void TDlgSetting::FillLanguages()
{
    cboLang->clear();
    // Sorted and without repeats: "en.lng" and "en.old.lng" both name "en".
    std::set<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(ProgramFolder() + "Lang", error)) {
        const std::string file = entry.path().filename().string();
        if (entry.path().extension() == ".lng")
            names.insert(file.substr(0, file.find('.')));
    }
    // Without any language file the list keeps the current language, so a save
    // never writes an empty one.
    if (names.empty())
        names.insert(Setting().ReadString("Lang"));
    for (const std::string& name : names)
        if (!name.empty())
            cboLang->addItem(QString::fromStdString(name));
}

void TDlgSetting::SelectSeriesSeason(int seasonID)
{
    DBSeason season;
    season.OpenByID(seasonID);
    if (season.Count() > 0)
        SelectComboText(cboSeason, Season.get(), season.GetName());
}

void TDlgSetting::EnableProxy(bool enabled)
{
    btnApply->setEnabled(true);
    chkProxy->setChecked(enabled);
    for (QLineEdit* edit : {txtProxy, txtPort, txtProxyUser, txtProxyPwd})
        edit->setEnabled(chkProxy->isChecked());
}

void TDlgSetting::SaveSettings()
{
    DBSetting& setting = Setting();
    setting.WriteString("Lang", cboLang->currentText().toStdString());
    setting.WriteBool("UseProxy", chkProxy->isChecked());
    setting.WriteString("ProxyAddress", Caption(txtProxy));
    setting.WriteInteger("ProxyPort", StrToIntDef(Caption(txtPort), 0));
    // An empty season list has no season to store: the stored one stays.
    if (cboSeason->count() > 0)
        setting.WriteInteger("SeriesSeason", Season->GetSeasonID());
    setting.WriteString("ProxyUser", Caption(txtProxyUser));
    setting.WriteString("ProxyPwd", Caption(txtProxyPwd));
    setting.WriteBool("SaveHistory", chkSaveHistory->isChecked());
    setting.WriteBool("AutoUpdate", chkAutoUpdate->isChecked());
    setting.WriteBool("NoShowFilter", chkNoFilter->isChecked());
    setting.WriteInteger("StartTime", chkNoStart->isChecked() ? 1 : 3000);
    setting.WriteBool("FilterTop", chkFilterTop->isChecked());
    setting.WriteInteger("FavNext", StrToIntDef(Caption(txtFavNext), 7));
    setting.WriteInteger("FavDays", StrToIntDef(Caption(txtFavDays), 7));
    setting.WriteInteger("TourHandicap", LineOf(txtHandicap));
    setting.WriteInteger("TourTotal", LineOf(txtTourTotal));
    setting.WriteInteger("UpdServ", cboServer->currentIndex());
    SetTag(1);
}

// ---- handlers ----------------------------------------------------------------------

void TDlgSetting::btnOKClick()
{
    btnApplyClick();
    Close();
}

void TDlgSetting::btnApplyClick()
{
    if (Busy || !btnApply->isEnabled())
        return;
    SaveSettings();
    if (DlgMain)
        DlgMain->ApplyLanguage();
    Translate();
    btnApply->setEnabled(false);
}

void TDlgSetting::btnCancelClick()
{
    Close();
}

void TDlgSetting::txtUserChange()
{
    btnApply->setEnabled(true);
}

void TDlgSetting::chkProxyClick(bool checked)
{
    EnableProxy(checked);
}

void TDlgSetting::cboSeasonChange()
{
    SyncCombo(cboSeason, Season.get());
    btnApply->setEnabled(true);
}

void TDlgSetting::udFavNextClick(TUDBtnType button)
{
    StepCount(txtFavNext, button);
}

void TDlgSetting::udFavClick(TUDBtnType button)
{
    StepCount(txtFavDays, button);
}

void TDlgSetting::upHandicapClick(TUDBtnType button)
{
    StepLine(txtHandicap, button);
}

void TDlgSetting::upTourTotalClick(TUDBtnType button)
{
    StepLine(txtTourTotal, button);
}

// ---- jobs on data.mdb -----------------------------------------------------------------

void TDlgSetting::RunMaintenance(QWidget* indicator, const std::function<void()>& job)
{
    if (Busy)
        return;
    const auto showJob = [this, indicator](bool running) {
        Busy = running;
        btnCompac->setVisible(!running);
        btnUpdateStats->setVisible(!running);
        indicator->setVisible(running);
    };
    // Hiding the pressed button hands the focus on (to OK, where Return would close the
    // dialog); it comes back when the buttons show again, unless the user moved it.
    const QPointer<QWidget> pressed = focusWidget();
    showJob(true);
    const QPointer<QWidget> handedOn = focusWidget();
    const ScopeExit end([&] {
        showJob(false);
        if (pressed && focusWidget() == handedOn)
            pressed->setFocus();
    });
    job();
}

void TDlgSetting::btnCompacClick()
{
    // The result is not shown: a failure is in the log.
    RunMaintenance(lblCompac, [] { DBConnect::GetData()->CompactDB(); });
    SetTag(1);
}

void TDlgSetting::btnUpdateStatsClick()
{
    RunMaintenance(bar, [this] {
        DBUpdateView view;
        view.UpdateStats(bar, 100);
    });
    SetTag(1);
}

void TDlgSetting::btnUpdateEloClick()
{
    RunMaintenance(bar, [this] {
        const int newest = DBSeason::GetMaxSeasonID();
        DBEloRang rating;
        for (int season = 3; season <= newest; ++season) {
            rating.UpdateSeason(season, "", bar);
            DBEloRang::UpdateEloStats(season);
        }
    });
}
