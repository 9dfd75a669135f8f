#include "foundation/resulticons.h"

#include "platform/colors.h"

#include <gtest/gtest.h>

#include <QImage>

TEST(ResultIconsTest, FourDistinctIconsInTheResultColours)
{
    const TImageList icons = CreateResultIcons();
    ASSERT_EQ(icons.Count(), 4);
    std::vector<QImage> images;
    for (int index = 0; index < icons.Count(); ++index) {
        const QImage image = icons.Image(index).toImage();
        EXPECT_EQ(image.size(), QSize(16, 16));
        EXPECT_EQ(image.pixelColor(4, 4), ToQColor(ResultColor(index))) << "icon " << index;
        EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0) << "icon " << index;
        images.push_back(image);
    }
    // Shapes, not only colours, tell the results apart.
    const auto glyph = [](const QImage& image) {
        std::vector<bool> white;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                white.push_back(image.pixelColor(x, y).lightness() > 230);
        return white;
    };
    for (int a = 0; a < 4; ++a)
        for (int b = a + 1; b < 4; ++b)
            EXPECT_NE(glyph(images[a]), glyph(images[b])) << a << " and " << b;
}
