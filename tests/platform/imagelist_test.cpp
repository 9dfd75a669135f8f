#include "platform/imagelist.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPixmap>

namespace {

QPixmap Filled(int width, int height, Qt::GlobalColor color)
{
    QPixmap pixmap(width, height);
    pixmap.fill(color);
    return pixmap;
}

// A white canvas with picture index of the list drawn at (2, 3).
QImage DrawnAt(const TImageList& list, int index, bool enabled = true)
{
    QImage canvas(24, 24, QImage::Format_ARGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    list.Draw(painter, 2, 3, index, enabled);
    return canvas;
}

}  // namespace

TEST(TImageListTest, DrawsEachPictureAtTheListSizeAtItsTopLeftCorner)
{
    TImageList list;
    EXPECT_EQ(list.Add(Filled(16, 16, Qt::red)), 0);
    EXPECT_EQ(list.Add(Filled(32, 8, Qt::blue)), 1);
    EXPECT_EQ(list.Image(1).size(), QSize(16, 16));
    const QImage drawn = DrawnAt(list, 1);
    EXPECT_EQ(drawn.pixelColor(2, 3), QColor(Qt::blue));
    EXPECT_EQ(drawn.pixelColor(17, 18), QColor(Qt::blue));
    EXPECT_EQ(drawn.pixelColor(1, 3), QColor(Qt::white));
    EXPECT_EQ(drawn.pixelColor(18, 19), QColor(Qt::white));
}

TEST(TImageListTest, IndexOutsideTheListDrawsNothingAndDisabledDrawsDifferently)
{
    TImageList list;
    list.Add(Filled(16, 16, Qt::red));
    QImage blank(24, 24, QImage::Format_ARGB32);
    blank.fill(Qt::white);
    EXPECT_EQ(DrawnAt(list, 1), blank);
    EXPECT_EQ(DrawnAt(list, -1), blank);
    const QColor disabled = DrawnAt(list, 0, false).pixelColor(8, 8);
    EXPECT_NE(disabled, QColor(Qt::red));
    EXPECT_NE(disabled, QColor(Qt::white));
}
