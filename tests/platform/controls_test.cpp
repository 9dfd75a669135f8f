#include <gtest/gtest.h>

#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <vector>

#include "platform/clipboard.h"
#include "platform/controltext.h"
#include "platform/imagelist.h"
#include "platform/shellopen.h"
#include "platform/tlabel.h"
#include "platform/ttoolbutton.h"
#include "platform/tupdown.h"

namespace {

TEST(TUpDownTest, ArrowsStepWithinTheRangeAndLimitsReportNothing)
{
    TUpDown steps;
    steps.SetRange(0, 9);
    steps.SetPosition(8);
    steps.show();
    std::vector<TUDBtnType> reported;
    QObject::connect(&steps, &TUpDown::Click, [&reported](TUDBtnType button) { reported.push_back(button); });

    QTest::mouseClick(steps.UpButton(), Qt::LeftButton);
    QTest::mouseClick(steps.UpButton(), Qt::LeftButton);
    EXPECT_EQ(steps.Position(), 9);
    EXPECT_EQ(reported, std::vector<TUDBtnType>{btNext});

    steps.SetPosition(1);
    QTest::mouseClick(steps.DownButton(), Qt::LeftButton);
    QTest::mouseClick(steps.DownButton(), Qt::LeftButton);
    EXPECT_EQ(steps.Position(), 0);
    EXPECT_EQ(reported, (std::vector<TUDBtnType>{btNext, btPrev}));

    steps.SetPosition(25);
    EXPECT_EQ(steps.Position(), 9);
}

TEST(TLabelTest, ClickIsReported)
{
    TLabel label;
    label.setText("Arsenal");
    label.resize(80, 16);
    label.show();
    QSignalSpy clicks(&label, &TLabel::clicked);
    QTest::mouseClick(&label, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);
}

TEST(TToolButtonTest, ImageIndexPicksThePictureOfItsList)
{
    TImageList images(16, 16);
    QPixmap red(16, 16);
    red.fill(Qt::red);
    images.Add(red);
    TToolButton button;
    button.SetImages(&images);
    button.SetImageIndex(0);
    EXPECT_EQ(button.ImageIndex(), 0);
    EXPECT_EQ(button.icon().pixmap(16, 16).toImage().pixelColor(8, 8), QColor(Qt::red));

    button.SetImageIndex(5);
    EXPECT_EQ(button.ImageIndex(), 5);
    EXPECT_TRUE(button.icon().isNull());
}

TEST(ControlTextTest, TextsAndColoursRoundTrip)
{
    QLabel label;
    SetCaption(&label, "Спартак");
    EXPECT_EQ(Caption(&label), "Спартак");
    SetFontColor(&label, 0x1C17F1);
    EXPECT_EQ(FontColor(&label), 0x1C17F1u);
    SetHint(&label, "Страна:");
    EXPECT_EQ(label.toolTip(), "Страна:");
}

TEST(OpenUrlTest, AddressesGoToTheHook)
{
    std::vector<std::string> opened;
    const OpenUrlHook previous = SetOpenUrlHook([&opened](const std::string& url) {
        opened.push_back(url);
        return true;
    });
    EXPECT_TRUE(OpenUrl("mailto:support@example.org"));
    SetOpenUrlHook(previous);
    EXPECT_EQ(opened, std::vector<std::string>{"mailto:support@example.org"});
}

TEST(ClipboardTest, TextRoundTrips)
{
    SetClipboardText("Арсенал - Челси 3:1");
    EXPECT_EQ(ClipboardText(), "Арсенал - Челси 3:1");
}

}  // namespace
