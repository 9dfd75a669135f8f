#include "update/dlgupdate.h"

#include "data/dbconnect.h"
#include "data/dbsetting.h"
#include "foundation/jxfile.h"
#include "foundation/jxinet.h"
#include "foundation/jxparse.h"
#include "platform/application.h"
#include "platform/eventhandler.h"
#include "platform/exceptions.h"
#include "platform/shellopen.h"
#include "platform/sysutils.h"
#include "platform/tmemo.h"
#include "platform/tprogressbar.h"
#include "update/dbupdateview.h"
#include "update/updatehost.h"

#include <QFont>
#include <QPushButton>
#include <QStatusBar>

#include <functional>
#include <optional>

namespace {

const AnsiString LoginPage = "my_dev/kovral_update_v2/auth.php";
const AnsiString FileFolder = "my_dev/kovral_update_v2/files_ver_ravend/";
constexpr int ProtocolVersion = 20;

// Language texts; without the settings every caption is empty, as with a missing file.
AnsiString Lang(int id)
{
    DBSetting* setting = DBSetting::Global();
    return setting ? setting->GetLangText(id) : AnsiString();
}

DBSetting& Settings()
{
    DBSetting* setting = DBSetting::Global();
    if (!setting)
        throw Exception("TDlgUpdate: the settings are not loaded");
    return *setting;
}

void Log(const AnsiString& text)
{
    SaveLog(GetAppPath(), text);
}

// The login of the service's template "user={user}&pwd={pwd}&ver={ver}&upd={upd}": the
// user name in the service's spelling of blank, "+" and "&", the password as it stands,
// nothing percent-encoded (the HTTP client escapes what a URL cannot carry). Each value
// goes in once, so a name holding "{pwd}" stays as it is.
AnsiString LoginPath(const AnsiString& userName, const AnsiString& userPwd, const AnsiString& updateNum)
{
    JXStr user = JXStr::Replace(userName, " ", "_");
    user = JXStr::Replace(user, "+", ";P;");
    user = JXStr::Replace(user, "&", ";A;");
    return LoginPage + "?user=" + user.GetAnsi() + "&pwd=" + userPwd + "&ver=" + IntToStr(ProtocolVersion) +
           "&upd=" + updateNum;
}

// A reply the dialog can act on: a data row with a status, and the end date for every
// status but a refused login (the reader would give column 0 for a missing name).
bool IsReadableReply(JXParse& reply)
{
    if (reply.RowCount() == 0 || !reply.HasColumn("status"))
        return false;
    return reply.HasColumn("time_end") || reply.GetField(0, "status") == JXStr("2");
}

// A file number of the reply: a decimal integer, 0 or above.
std::optional<int> FileNumber(JXParse& reply, const char* column)
{
    int number = 0;
    if (!reply.HasColumn(column) || !TryStrToInt(reply.GetField(0, column), number) || number < 0)
        return std::nullopt;
    return number;
}

}  // namespace

TDlgUpdate::TDlgUpdate(QWidget* owner) : TForm(owner)
{
    BuildLayout();
    FormCreate();
    setWindowTitle(QString::fromStdString(Lang(1050)));
    btnUpdate->setText(QString::fromStdString(Lang(1005)));
    btnExit->setText(QString::fromStdString(Lang(1051)));
}

TDlgUpdate::~TDlgUpdate() = default;

void TDlgUpdate::BuildLayout()
{
    setObjectName("DlgUpdate");
    setWindowTitle(QString::fromUtf8("Обновление"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(330, 317);

    bar = new TProgressBar(this);
    bar->setObjectName("bar");
    bar->setGeometry(5, 6, 318, 17);

    txtInfo = new TMemo(this);
    txtInfo->setObjectName("txtInfo");
    txtInfo->setGeometry(5, 30, 318, 237);
    txtInfo->setReadOnly(true);
    // Without the layout's font, Liberation Sans comes closest to its widths: a step
    // line and its "OK" stay on one line.
    QFont memoFont;
    memoFont.setFamilies({"MS Sans Serif", "Liberation Sans"});
    memoFont.setPixelSize(13);
    memoFont.setBold(true);
    txtInfo->setFont(memoFont);

    btnUpdate = new QPushButton(QString::fromUtf8("Обновить"), this);
    btnUpdate->setObjectName("btnUpdate");
    btnUpdate->setGeometry(11, 272, 148, 25);
    ConnectHandler(btnUpdate, &QPushButton::clicked, this, &TDlgUpdate::btnUpdateClick);

    btnExit = new QPushButton(QString::fromUtf8("Выход"), this);
    btnExit->setObjectName("btnExit");
    btnExit->setGeometry(169, 272, 148, 25);
    ConnectHandler(btnExit, &QPushButton::clicked, this, &TDlgUpdate::btnExitClick);

    // A status bar of one simple panel along the bottom edge.
    statusBar = new QStatusBar(this);
    statusBar->setObjectName("statusBar");
    statusBar->setSizeGripEnabled(false);
    const int statusHeight = 19;
    statusBar->setGeometry(0, height() - statusHeight, width(), statusHeight);
}

void TDlgUpdate::FormCreate()
{
    Closable = true;
}

void TDlgUpdate::btnUpdateClick()
{
    RunUpdate();
}

void TDlgUpdate::btnExitClick()
{
    Close();
}

void TDlgUpdate::RunUpdate()
{
    BeginRun();
    DBUpdateView view;
    bool filesTaken = false;
    RunGuarded([&] {
        JXInet inet;
        filesTaken = UpdateRoad(view, inet);
    });
    if (!filesTaken)
        RunGuarded([&] { RepairStats(view); });
    EndRun();
}

void TDlgUpdate::RunGuarded(const std::function<void()>& part)
{
    try {
        part();
    } catch (const std::exception& error) {
        // A missing setting, or any other failure, must not leave the window stuck unclosable.
        Write("\r\n" + Lang(1058) + "!\r\n" + error.what());
        Log(AnsiString("ERROR UPDATE ") + error.what());
    }
}

void TDlgUpdate::RepairStats(DBUpdateView& view)
{
    if (!DBUpdateView::StatsOutOfDate())
        return;
    if (const QString memo = txtInfo->toPlainText(); !memo.isEmpty() && !memo.endsWith('\n'))
        Write("\r\n");
    WriteRebuild(view);
    bar->SetPosition(100);
    SetTag(1);
}

void TDlgUpdate::BeginRun()
{
    btnUpdate->setEnabled(false);
    btnExit->setEnabled(false);
    Closable = false;
    bar->SetPosition(0);
    txtInfo->clear();
}

void TDlgUpdate::EndRun()
{
    Closable = true;
    btnUpdate->setEnabled(true);
    btnExit->setEnabled(true);
}

bool TDlgUpdate::UpdateRoad(DBUpdateView& view, JXInet& inet)
{
    DBSetting& setting = Settings();
    UseProxySettings(inet, setting);
    const AnsiString path =
            LoginPath(setting.ReadString("UserName"), setting.ReadString("UserPwd"), DBConnect::GetData()->GetUpdate());
    const AnsiString host = UpdateHost(setting.ReadInteger("UpdServ"));

    Write("1. " + Lang(1052) + "... ");
    if (!inet.Get(host, path)) {
        Write("ERR\r\n");
        return false;
    }
    Write("OK\r\n2. " + Lang(1053) + "... ");
    JXParse reply;
    reply.ParseText(inet.GetText());
    return AnswerStatus(reply) && Download(view, inet, host, reply);
}

bool TDlgUpdate::AnswerStatus(JXParse& reply)
{
    if (!IsReadableReply(reply)) {
        Write("ERR\r\n");
        WriteUnknownReply();
        return false;
    }
    const AnsiString status = reply.GetField(0, "status");
    if (status == "2") {
        Write("ERR\r\n");
        Write("\r\n" + Lang(1063));
        OpenUrl(Lang(1246));
        return false;
    }
    Write("OK\r\n");
    statusBar->showMessage(QString::fromStdString(Lang(1054) + ": " + reply.GetField(0, "time_end").GetAnsi()));
    if (status == "update")
        return true;
    if (status == "install_new_version")
        Write("\r\n" + Lang(1062));
    else if (status == "not_update")
        Write("\r\n" + Lang(1061));
    else
        WriteUnknownReply();
    return false;
}

bool TDlgUpdate::Download(DBUpdateView& view, JXInet& inet, const AnsiString& host, JXParse& reply)
{
    Write("3. " + Lang(1055) + "... ");
    const std::optional<int> first = FileNumber(reply, "min_ver_file");
    const std::optional<int> last = FileNumber(reply, "db_ver_server");
    if (!first || !last) {
        Write("ERR\r\n");
        WriteUnknownReply();
        return false;
    }
    if (*first == 0) {
        Log("StartPos: 0;");
        return false;
    }
    if (*last < *first) {
        // The service names no file past the one the database stands at.
        Write("OK\r\n\r\n" + Lang(1061));
        return false;
    }
    // Files may be applied from here on, even when one fails: the opener must reload.
    SetTag(1);
    const bool ok = FetchAndApply(view, inet, host, *first, *last);
    Write(ok ? "OK\r\n" : "ERR\r\n");
    if (const int rejected = view.RejectedStatements(); rejected > 0)
        Write(Lang(1064) + ": " + IntToStr(rejected) + "\r\n");
    if (ok)
        RebuildAndCompact(view);
    else
        WriteFailedFiles();
    bar->SetPosition(100);
    return true;
}

bool TDlgUpdate::FetchAndApply(DBUpdateView& view, JXInet& inet, const AnsiString& host, int first, int last)
{
    const double step = 90.0 / (static_cast<double>(last) - first + 1);
    double pos = 10.0;
    for (int n = first;; ++n) {
        pos += step;
        bar->SetPosition(static_cast<int>(pos));
        ProcessMessages();
        Log(IntToStr(n));
        // A later file builds on this one, and its statements would move the data
        // version past the missing one for good: the next run starts here instead.
        if (!inet.Get(host, FileFolder + IntToStr(n) + ".txt") ||
            !view.ApplyInstructions(inet.GetText(), bar, step, pos))
            return false;
        if (n == last)
            return true;
    }
}

void TDlgUpdate::WriteRebuild(DBUpdateView& view)
{
    Write("4. " + Lang(1056) + "... ");
    if (view.UpdateStats(bar, 100)) {
        Write("OK\r\n");
    } else {
        Write("ERR\r\n");
        Log("Warning: UpdateStats");
    }
}

void TDlgUpdate::RebuildAndCompact(DBUpdateView& view)
{
    WriteRebuild(view);
    Write("5. " + Lang(1402) + "... ");
    Write("OK\r\n");
    Write("6. " + Lang(1057) + "... ");
    bar->SetPosition(0);
    if (DBConnect::GetData()->CompactDB()) {
        Write("OK\r\n");
    } else {
        Write("ERR\r\n");
        Log("Warning: CompactDB");
    }
}

void TDlgUpdate::WriteFailedFiles()
{
    Write("\r\n" + Lang(1058) + "!\r\n" + Lang(1059) + "!");
    Log("Warning: " + Lang(1058) + " " + Lang(1059));
}

void TDlgUpdate::Write(const AnsiString& text)
{
    txtInfo->moveCursor(QTextCursor::End);
    txtInfo->insertPlainText(QString::fromStdString(text).replace("\r\n", "\n"));
    ProcessMessages();
}

void TDlgUpdate::WriteUnknownReply()
{
    Write("\r\n" + Lang(1058) + "\r\n" + Lang(1060));
}
