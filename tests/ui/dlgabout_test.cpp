#include "ui/dlgabout.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <string>

#include "data/dbconnect.h"
#include "platform/tlabel.h"
#include "ui/aboutpanel.h"
#include "ui/dlgmain.h"
#include "updatedialogfixture.h"

namespace {

// The about window of a new program folder, its links recorded instead of opened.
class TDlgAboutTest : public UpdateDialogFixture {
protected:
    static std::string Shown(const QLabel* label) { return label->text().toStdString(); }
    static void SetVersion(const std::string& number, const std::string& date)
    {
        DBConnect::GetData()->ExecSQL("UPDATE Version SET UpdateNum='" + number + "', UpdateDate='" + date + "'", true);
    }
};

TEST_F(TDlgAboutTest, EachLanguageGivesItsCaptionVersionPrefixesAndWebPage)
{
    SetVersion("57", "12.03.2024");
    const struct {
        const char* language;
        const char* caption;
        const char* page;
    } cases[] = {
        {"ru", "О программе", "https://kovral.example.org/"},
        {"en", "About", "https://kovral.example.org/en/"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.language);
        DBSetting::Global()->WriteString("Lang", test.language);
        DBSetting::Global()->LoadLanguage();
        TDlgAbout dialog;
        dialog.show();
        TAboutPanel* box = dialog.GroupBox1;
        EXPECT_EQ(dialog.windowTitle().toStdString(), test.caption);
        EXPECT_EQ(Shown(box->lblVersion), Text(1082) + ": 3.0.3");
        EXPECT_EQ(Shown(box->lblVersionBase), Text(1083) + ": 57(12.03.2024)");
        EXPECT_EQ(box->Image1->pixmap().size(), QSize(32, 32));

        const size_t before = OpenedUrls().size();
        QTest::mouseClick(box->lblWWW, Qt::LeftButton);
        QTest::mouseClick(box->lblMail, Qt::LeftButton);
        EXPECT_EQ(std::vector<std::string>(OpenedUrls().begin() + before, OpenedUrls().end()),
                  (std::vector<std::string>{test.page, "mailto:" + SupportMailAddress}));
        EXPECT_EQ(Shown(box->lblMail), SupportMailAddress);
        QTest::mouseClick(dialog.btnOK, Qt::LeftButton);
        EXPECT_FALSE(dialog.isVisible());
    }
}

TEST_F(TDlgAboutTest, EmptyVersionTableShowsEmptyBracketsAndLogsTheReads)
{
    DBConnect::GetData()->ExecSQL("DELETE * FROM Version", true);
    TDlgAbout dialog;
    EXPECT_EQ(Shown(dialog.GroupBox1->lblVersionBase), Text(1083) + ": ()");
    EXPECT_EQ(Log(), (Lines{"ERROR GETUPDATE", "ERROR GETUPDATEDATE"}));
}

TEST_F(TDlgAboutTest, MainWindowOpensAboutAndSupportModallyFromItsHiddenButtons)
{
    TDlgMain main;
    main.show();
    for (const char* name : {"btnAbout", "btnSupport"}) {
        SCOPED_TRACE(name);
        auto* button = main.findChild<QToolButton*>(name);
        EXPECT_FALSE(button->isVisible());
        // The window the button opened, as its class name, and whether the main window owns it.
        std::string opened = "none";
        bool owned = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<TForm*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            opened = dialog->metaObject()->className();
            owned = dialog->parentWidget() == &main;
            dialog->Close();
        });
        button->click();
        EXPECT_EQ(opened, std::string(name) == "btnAbout" ? "TDlgAbout" : "TDlgSupport");
        EXPECT_TRUE(owned);
    }
}

}  // namespace
