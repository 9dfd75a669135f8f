#include "ui/dlgsupport.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <chrono>
#include <cstdlib>
#include <map>
#include <string>

#include "foundation/jxinet.h"
#include "updatedialogfixture.h"

namespace {

using Fields = std::map<std::string, std::string>;

// The support window of a new program folder, posting to the loopback service.
class TDlgSupportTest : public UpdateDialogFixture {
protected:
    TDlgSupportTest() { dialog_.show(); }

    void Fill(const std::string& mail, const std::string& subject, const std::string& message)
    {
        dialog_.txtMail->setText(QString::fromStdString(mail));
        dialog_.txtTittle->setText(QString::fromStdString(subject));
        dialog_.txtMessage->setPlainText(QString::fromStdString(message));
    }
    void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    std::string FieldsShown() const
    {
        return (dialog_.txtMail->text() + "|" + dialog_.txtTittle->text() + "|" + dialog_.txtMessage->toPlainText())
                .toStdString();
    }

    // The fields of the last message the service received; none when nothing came.
    Fields Received()
    {
        const std::vector<ReceivedRequest> requests = Service().Requests();
        if (requests.empty())
            return {};
        EXPECT_EQ(requests.back().path, "/update/mail.php");
        return requests.back().values;
    }
    size_t Posts() { return Service().Requests().size(); }

    // The last message box as "caption: text".
    std::string LastBox() const
    {
        if (Messages().empty())
            return "no box";
        return Messages().back().caption + ": " + Messages().back().text;
    }

    TDlgSupport dialog_;
};

TEST_F(TDlgSupportTest, FieldsArriveWithAmpersandsMarkedAndTheAccountAsItStands)
{
    DBSetting::Global()->WriteString("UserName", "Иван & Co");
    DBSetting::Global()->WriteString("UserPwd", "p&ss {title}");
    Fill("me&you@example.org", "Q&A {pwd} {user}", "Привет & пока");
    Click(dialog_.btnSend);

    EXPECT_EQ(Received(), (Fields{{"title", "Q[;amp;]A {pwd} {user}"},
                                  {"message", "Привет [;amp;] пока<br>"},
                                  {"addr", "me[;amp;]you@example.org"},
                                  {"user", "Иван & Co"},
                                  {"pwd", "p&ss {title}"}}));
    EXPECT_EQ(LastBox(), Text(1219) + ": " + Text(1216));
    EXPECT_EQ(FieldsShown(), "me&you@example.org|Q&A {pwd} {user}|Привет & пока") << "the window keeps its fields";
}

TEST_F(TDlgSupportTest, ReturnInAFieldSendsNothing)
{
    Fill("me@example.org", "subject", "text");
    for (QLineEdit* field : {dialog_.txtMail, dialog_.txtTittle}) {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Return);
    }
    EXPECT_EQ(Posts(), 0u);
    EXPECT_TRUE(dialog_.isVisible());
}

TEST_F(TDlgSupportTest, TabAndShiftTabLeaveTheTextWhereReturnStartsANewLine)
{
    dialog_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog_));
    dialog_.txtMessage->setFocus();
    QTest::keyClicks(dialog_.txtMessage, "a");
    QTest::keyClick(dialog_.txtMessage, Qt::Key_Return);
    QTest::keyClicks(dialog_.txtMessage, "b");
    QTest::keyClick(dialog_.txtMessage, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), dialog_.btnSend);
    dialog_.txtMessage->setFocus();
    QTest::keyClick(dialog_.txtMessage, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), dialog_.txtTittle);
    EXPECT_EQ(dialog_.txtMessage->toPlainText().toStdString(), "a\nb");
}

TEST_F(TDlgSupportTest, EveryMemoLineIsFollowedByABreak)
{
    const struct {
        const char* memo;
        const char* sent;
    } cases[] = {
        {"", ""},
        {"a\nb", "a<br>b<br>"},
        {"a\n", "a<br>"},
        {"a\n\nb", "a<br><br>b<br>"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.memo);
        Fill("", "", test.memo);
        Click(dialog_.btnSend);
        EXPECT_EQ(Received()["message"], test.sent);
    }
    EXPECT_EQ(Received()["title"], "") << "nothing is checked before sending";
}

TEST_F(TDlgSupportTest, ReplyCodeChoosesTheBoxText)
{
    const struct {
        const char* reply;
        std::string shown;
        bool focusOnAddress;
    } cases[] = {
        {"1", Text(1216), false},
        {"2 busy", Text(1217), false},
        {"3", Text(1218), true},
        {"0 Привет", "Привет", false},
        {"ЖЖПривет", "Привет", false},  // cut by characters, never inside one
        {"ok", "", false},
        {"", "", false},
    };
    ASSERT_NE(Text(1217).find("\r\n"), std::string::npos) << "text 1217 holds a line break";
    Fill("me@example.org", "subject", "text");
    for (const auto& test : cases) {
        SCOPED_TRACE(test.reply);
        Service().SetWebReply(test.reply);
        dialog_.txtTittle->setFocus();
        Click(dialog_.btnSend);
        EXPECT_EQ(LastBox(), Text(1219) + ": " + test.shown);
        EXPECT_EQ(dialog_.focusWidget() == dialog_.txtMail, test.focusOnAddress);
    }
    EXPECT_EQ(FieldsShown(), "me@example.org|subject|text");
}

TEST_F(TDlgSupportTest, DeadHostDeadProxyOrSilentServiceGiveTheFailureBoxAndTheFieldsStayForAResend)
{
    const std::string deadHost = LoopbackUpdateService(UpdateServiceConfig{FilesFolder(), User, Password}).Host();
    const std::string failure = Text(1221) + ": " + Text(1220);
    ASSERT_NE(failure.find("\r\n"), std::string::npos) << "text 1220 holds a line break";
    DBSetting& setting = *DBSetting::Global();
    Fill("me@example.org", "subject", "text");

    setenv("KOVRAL_WEB_HOST", deadHost.c_str(), 1);
    Click(dialog_.btnSend);
    EXPECT_EQ(LastBox(), failure) << "nothing listens";
    setenv("KOVRAL_WEB_HOST", Service().Host().c_str(), 1);

    setting.WriteString("ProxyAddress", "127.0.0.1");
    setting.WriteInteger("ProxyPort", std::stoi(deadHost.substr(deadHost.find(':') + 1)));
    setting.WriteBool("UseProxy", true);
    Click(dialog_.btnSend);
    EXPECT_EQ(LastBox(), failure) << "the proxy is dead";
    EXPECT_EQ(Posts(), 0u);
    EXPECT_EQ(FieldsShown(), "me@example.org|subject|text");

    setting.WriteBool("UseProxy", false);
    JXInet::SetLimitsForTests({std::chrono::milliseconds(300), std::chrono::milliseconds(300)});
    Service().SetReplyPace(ReplyPace::Never);
    Click(dialog_.btnSend);
    EXPECT_EQ(LastBox(), failure) << "the service takes the message and never answers";
    EXPECT_EQ(Posts(), 1u);

    Service().SetReplyPace(ReplyPace::Normal);
    Click(dialog_.btnSend);
    EXPECT_EQ(LastBox(), Text(1219) + ": " + Text(1216));
    EXPECT_EQ(Received()["title"], "subject");
    EXPECT_EQ(FieldsShown(), "me@example.org|subject|text");
}

TEST_F(TDlgSupportTest, AddressIsReadAtCreationAndStoredAtEveryClose)
{
    DBSetting& setting = *DBSetting::Global();
    setting.WriteString("MyMail", "old@example.org");
    for (const char* way : {"btnExit", "Esc"}) {
        SCOPED_TRACE(way);
        TDlgSupport dialog;
        dialog.show();
        EXPECT_EQ(dialog.txtMail->text().toStdString(), setting.ReadString("MyMail"));
        dialog.txtMail->setText(QString::fromUtf8("новый@example.org ") + way);
        if (std::string(way) == "Esc")
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            Click(dialog.btnExit);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(setting.ReadString("MyMail"), "новый@example.org " + std::string(way));
    }
    EXPECT_EQ(Posts(), 0u) << "stored without sending";
}

TEST_F(TDlgSupportTest, ClearEmptiesSubjectAndTextAndMovesTheFocusToTheSubject)
{
    Fill("me@example.org", "subject", "a\nb");
    dialog_.txtMessage->setFocus();
    Click(dialog_.btnClear);
    EXPECT_EQ(FieldsShown(), "me@example.org||");
    EXPECT_EQ(dialog_.focusWidget(), dialog_.txtTittle);
}

}  // namespace
