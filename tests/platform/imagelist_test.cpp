#include "platform/imagelist.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPixmap>

TEST(TImageListTest, DrawsEachPictureAtTheListSizeWithItsTopLeftCornerAtThePoint)
{
    TImageList list;
    QPixmap red(16, 16);
    red.fill(Qt::red);
    QPixmap blue(32, 8);
    blue.fill(Qt::blue);
    EXPECT_EQ(list.Add(red), 0);
    EXPECT_EQ(list.Add(blue), 1);
    EXPECT_EQ(list.Image(1).size(), QSize(16, 16));

    QImage canvas(24, 24, QImage::Format_ARGB32);
    canvas.fill(Qt::white);
    const QImage blank = canvas;
    const auto draw = [&](int index) {
        QPainter painter(&canvas);
        list.Draw(painter, 2, 3, index);
    };
    draw(2);
    draw(-1);
    EXPECT_EQ(canvas, blank) << "an index outside the list draws nothing";
    draw(1);
    EXPECT_EQ(canvas.pixelColor(2, 3), QColor(Qt::blue));
    EXPECT_EQ(canvas.pixelColor(17, 18), QColor(Qt::blue));
    EXPECT_EQ(canvas.pixelColor(1, 3), QColor(Qt::white));
    EXPECT_EQ(canvas.pixelColor(18, 19), QColor(Qt::white));
}
