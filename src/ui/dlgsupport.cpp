#include "ui/dlgsupport.h"

#include "data/dbsetting.h"
#include "foundation/jxinet.h"
#include "foundation/jxstr.h"
#include "platform/controltext.h"
#include "platform/eventhandler.h"
#include "platform/messagebox.h"
#include "platform/tmemo.h"
#include "ui/formcontrols.h"
#include "update/updatehost.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const AnsiString MailPage = "update/mail.php?";

DBSetting* Setting()
{
    return DBSetting::Global();
}

AnsiString Lang(int id)
{
    return Setting()->GetLangText(id);
}

// "&" would end a field of the form: the service reads "[;amp;]" in its place.
AnsiString Escaped(const AnsiString& text)
{
    return JXStr::Replace(text, "&", "[;amp;]");
}

// The memo's lines, each followed by "<br>"; a memo's closing line break starts no line.
AnsiString MemoLines(const QPlainTextEdit* memo)
{
    QStringList lines = memo->toPlainText().split('\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    AnsiString joined;
    for (const QString& line : lines)
        joined += line.toStdString() + "<br>";
    return joined;
}

}  // namespace

TDlgSupport::TDlgSupport(QWidget* owner) : TForm(owner)
{
    BuildLayout();
    setWindowTitle(QString::fromStdString(Lang(1010)));
    SetLabelCaption(lblMail, Lang(1076) + ":");
    SetLabelCaption(lblSubject, Lang(1077) + ":");
    SetCaption(btnSend, Lang(1079));
    SetCaption(btnClear, Lang(1078));
    SetCaption(btnExit, Lang(1051));
    FormCreate();
}

void TDlgSupport::BuildLayout()
{
    BeginDialog(this, "DlgSupport", "Поддержка", 413, 300);

    lblMail = AddLabel(this, "lblMail", 9, 10, "Ваш E-Mail:");
    txtMail = AddControl<QLineEdit>(this, "txtMail", QRect(100, 7, 305, 21));
    lblSubject = AddLabel(this, "lblSubject", 9, 37, "Тема:");
    txtTittle = AddControl<QLineEdit>(this, "txtTittle", QRect(70, 34, 335, 21));
    txtMessage = AddControl<TMemo>(this, "txtMessage", QRect(7, 62, 398, 201));
    txtMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    btnSend = AddControl<QPushButton>(this, "btnSend", QRect(7, 269, 159, 25), "Отправить");
    btnClear = AddControl<QPushButton>(this, "btnClear", QRect(170, 269, 115, 25), "Очистить");
    btnExit = AddControl<QPushButton>(this, "btnExit", QRect(290, 269, 115, 25), "Выход");
    ConnectHandler(btnSend, &QPushButton::clicked, this, &TDlgSupport::btnSendClick);
    ConnectHandler(btnClear, &QPushButton::clicked, this, &TDlgSupport::btnClearClick);
    ConnectHandler(btnExit, &QPushButton::clicked, this, &TDlgSupport::btnExitClick);
}

void TDlgSupport::FormCreate()
{
    SetCaption(txtMail, Setting()->ReadString("MyMail"));
}

void TDlgSupport::FormClose()
{
    Setting()->WriteString("MyMail", Caption(txtMail));
}

void TDlgSupport::btnClearClick()
{
    txtMessage->clear();
    txtTittle->clear();
    txtTittle->setFocus();
}

void TDlgSupport::btnExitClick()
{
    Close();
}

void TDlgSupport::btnSendClick()
{
    JXInet inet;
    UseProxySettings(inet, *Setting());
    AnsiString reply;
    if (!inet.Post(WebHost(), MailPage, MessageForm(), reply)) {
        MessageBox(Lang(1220), Lang(1221), MB_OK);
        return;
    }
    ShowReply(reply);
}

AnsiString TDlgSupport::MessageForm()
{
    // The template "title={title}&message={msg}&addr={mail}&user={user}&pwd={pwd}",
    // filled in one pass, so a field that holds "{pwd}" is sent as typed. The user name
    // and password go as they stand.
    return "title=" + Escaped(Caption(txtTittle)) + "&message=" + Escaped(MemoLines(txtMessage)) +
           "&addr=" + Escaped(Caption(txtMail)) + "&user=" + Setting()->ReadString("UserName") +
           "&pwd=" + Setting()->ReadString("UserPwd");
}

void TDlgSupport::ShowReply(const AnsiString& reply)
{
    const JXStr text(reply);
    const JXStr code = JXStr::SubStr(text, 1, 1);
    AnsiString shown;
    if (code == "1")
        shown = Lang(1216);
    else if (code == "2")
        shown = Lang(1217);
    else if (code == "3")
        shown = Lang(1218);
    else  // the service's own words, after its code and a separator, cut by characters
        shown = JXStr::SubStr(text, 3, text.Length());
    MessageBox(shown, Lang(1219), MB_OK);
    if (code == "3")
        txtMail->setFocus();
}
