#include <gtest/gtest.h>

#include <QTest>
#include <QToolButton>

#include <vector>

#include "platform/imagelist.h"
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

TEST(TToolButtonTest, ImageIndexPicksThePictureOfItsList)
{
    TImageList images(16, 16);
    QPixmap red(16, 16);
    red.fill(Qt::red);
    images.Add(red);
    TToolButton button;
    button.SetImages(&images);
    button.SetImageIndex(0);
    EXPECT_EQ(button.icon().pixmap(16, 16).toImage().pixelColor(8, 8), QColor(Qt::red));
    button.SetImageIndex(5);
    EXPECT_EQ(button.ImageIndex(), 5);
    EXPECT_TRUE(button.icon().isNull());
}

}  // namespace
