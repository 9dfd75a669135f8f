#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include "messagerecorder.h"
#include "platform/eventhandler.h"
#include "platform/qtmessagebox.h"
#include "platform/tapplication.h"
#include "platform/tform.h"

namespace {

// A form that counts its events and closes only when allowed.
class CountingForm : public TForm {
public:
    bool mayClose = true;
    int shows = 0;
    int closes = 0;
    int activations = 0;

protected:
    bool CanClose() override { return mayClose; }
    void FormShow() override { ++shows; }
    void FormClose() override { ++closes; }
    void FormActivate() override { ++activations; }
};

// Runs action on the first modal window once the modal loop runs.
void WhenModal(std::function<void(QWidget*)> action)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            action(modal);
        }
    });
    timer->start();
}

TEST(TFormTest, RefusedCloseKeepsTheFormOpenForCloseBoxEscAndReject)
{
    CountingForm form;
    form.show();
    form.mayClose = false;
    form.Close();
    QTest::keyClick(&form, Qt::Key_Escape);
    form.reject();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.closes, 0);

    form.mayClose = true;
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.closes, 1);

    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_EQ(form.shows, 2) << "FormShow runs on every showing";
    EXPECT_GE(form.activations, 1);
}

TEST(TFormTest, ShowModalReturnsWhenTheFormClosesAndKeepsItsTag)
{
    CountingForm form;
    WhenModal([&form](QWidget* modal) {
        EXPECT_EQ(modal, &form);
        form.SetTag(1);
        form.Close();
    });
    form.ShowModal();
    EXPECT_EQ(form.Tag(), 1);
    EXPECT_EQ(form.shows, 1);
    EXPECT_EQ(form.closes, 1);
    EXPECT_FALSE(form.isVisible());
}

// A form whose show and close handlers raise once each.
class FailingForm : public TForm {
protected:
    void FormShow() override
    {
        if (++shows == 1)
            throw std::runtime_error("Show failed");
    }
    bool CanClose() override
    {
        if (++closeQueries == 1)
            throw std::runtime_error("Close query failed");
        return true;
    }

public:
    int shows = 0;
    int closeQueries = 0;
};

TEST(TApplicationTest, ExceptionOfAnEventHandlerIsShownAndTheProgramGoesOn)
{
    MessageRecorder messages;
    TApplication::SetTitle("Kovral_/opt/kovral/");
    QPushButton button("throw");
    int clicks = 0;
    ConnectHandler(&button, &QPushButton::clicked, &button, [&clicks] {
        if (++clicks == 1)
            throw std::runtime_error("Table Filter not found");
    });
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicks, 2);

    FailingForm form;
    form.show();
    EXPECT_TRUE(form.isVisible()) << "a failed show handler leaves the form shown";
    form.Close();
    EXPECT_TRUE(form.isVisible()) << "a failed close query keeps the form open";
    form.Close();
    EXPECT_FALSE(form.isVisible());

    std::vector<std::string> texts;
    for (const MessageBoxRequest& message : messages.Messages()) {
        texts.push_back(message.text);
        EXPECT_EQ(message.caption, "Kovral_/opt/kovral/");
        EXPECT_EQ(message.flags, MB_OK | MB_ICONERROR);
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"Table Filter not found", "Show failed", "Close query failed"}));
}

TEST(QtMessageBoxTest, ShowsTextCaptionIconAndButtonsAndReturnsTheAnswer)
{
    TApplication::SetTitle("Kovral_/opt/kovral/");
    QString caption, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    const auto answerWith = [&](QMessageBox::StandardButton answer) {
        WhenModal([&, answer](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            caption = box->windowTitle();
            text = box->text();
            icon = box->icon();
            box->button(answer)->click();
        });
    };
    answerWith(QMessageBox::No);
    EXPECT_EQ(ShowQtMessageBox({"Удалить?", "Kovral", MB_YESNO | MB_ICONQUESTION}), IDNO);
    EXPECT_EQ(caption, "Kovral");
    EXPECT_EQ(text, "Удалить?");
    EXPECT_EQ(icon, QMessageBox::Question);
    answerWith(QMessageBox::Ok);
    EXPECT_EQ(ShowQtMessageBox({"Access denied!", "", MB_OK}), IDOK);
    EXPECT_EQ(caption, "Kovral_/opt/kovral/") << "an empty caption is the application title";
}

// Return and keypad Enter, each pressed once on the widget.
void PressReturnAndEnter(QWidget* widget)
{
    widget->setFocus();
    QTest::keyClick(widget, Qt::Key_Return);
    QTest::keyClick(widget, Qt::Key_Enter, Qt::KeypadModifier);
}

TEST(TFormTest, ReturnClicksTheFocusedButtonElseOnlyTheOneMarkedTheDefault)
{
    for (const bool marked : {false, true}) {
        SCOPED_TRACE(marked ? "third button marked the default" : "none marked");
        TForm form;
        auto* edit = new QLineEdit(&form);
        auto* combo = new QComboBox(&form);
        combo->addItems({"a", "b"});
        auto* list = new QListWidget(&form);
        list->addItems({"a", "b"});
        list->setCurrentRow(0);
        // A card: a form shown inside another one.
        auto* card = new TForm(&form);
        card->setWindowFlags(Qt::Widget);
        std::vector<QPushButton*> buttons = {new QPushButton("first", &form), new QPushButton("second", &form),
                                             new QPushButton("third", &form), new QPushButton("card", card)};
        buttons[2]->setDefault(marked);
        std::vector<int> clicks(buttons.size(), 0);
        for (size_t i = 0; i < buttons.size(); ++i)
            QObject::connect(buttons[i], &QPushButton::clicked, [&clicks, i] { ++clicks[i]; });
        QVBoxLayout layout(&form);
        for (QWidget* widget : std::initializer_list<QWidget*>{edit, combo, list, card})
            layout.addWidget(widget);
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        const auto clicksAfter = [&](QWidget* focused) {
            std::fill(clicks.begin(), clicks.end(), 0);
            PressReturnAndEnter(focused);
            return clicks;
        };

        // The focused button was the default while it had the focus, and is none after.
        for (size_t i = 0; i < buttons.size(); ++i) {
            SCOPED_TRACE(buttons[i]->text().toStdString());
            std::vector<int> once(buttons.size(), 0);
            once[i] = 2;
            EXPECT_EQ(clicksAfter(buttons[i]), once) << "Return and Enter on the focused button click it once each";
            edit->setFocus();
            EXPECT_EQ(buttons[i]->isDefault(), marked && i == 2);
        }
        const std::vector<int> markedOnly = {0, 0, marked ? 2 : 0, 0};
        for (QWidget* control : std::initializer_list<QWidget*>{edit, combo, list}) {
            SCOPED_TRACE(control->metaObject()->className());
            EXPECT_EQ(clicksAfter(control), markedOnly) << "a dialog's first button, or one focused before";
        }
        EXPECT_EQ(combo->currentIndex(), 0);
        EXPECT_TRUE(form.isVisible());
    }
}

}  // namespace
