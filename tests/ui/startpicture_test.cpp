#include "ui/startpicture.h"

#include <gtest/gtest.h>

#include <QImage>

#include <string>

#include "foundation/jpegpicture.h"
#include "logfixture.h"

namespace {

class StartPictureTest : public LogFixture {};

TEST_F(StartPictureTest, EmbeddedPictureDecodesAtTheStartWindowsSize)
{
    const QImage picture = StartPicture().toImage();
    ASSERT_EQ(picture.size(), QSize(300, 200));
    // Red, green and blue in their places: a night sky above, the pitch below.
    const QColor sky = picture.pixelColor(150, 5);
    const QColor pitch = picture.pixelColor(20, 190);
    EXPECT_GT(sky.blue(), sky.red() + 20);
    EXPECT_GT(pitch.green(), pitch.red() + 40);
    EXPECT_GT(pitch.green(), pitch.blue() + 40);
    EXPECT_TRUE(LogTexts().empty());
}

TEST_F(StartPictureTest, DamagedBytesGiveAnEmptyPictureAndALogLineAndDecodingGoesOn)
{
    const std::string whole(StartPictureJpeg());
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"cut in the middle", whole.substr(0, whole.size() / 2)},
        {"cut after the header", whole.substr(0, 700)},
        {"cut before the end marker", whole.substr(0, whole.size() - 2)},
        {"no bytes", ""},
        {"not a JPEG", "GIF89a" + whole.substr(6)},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        EXPECT_TRUE(DecodeJpeg(test.bytes).isNull());
        EXPECT_EQ(DecodeJpeg(whole).size(), QSize(300, 200)) << "the next picture decodes";
    }
    const Lines log = LogTexts();
    ASSERT_EQ(log.size(), std::size(cases));
    for (const std::string& line : log)
        EXPECT_TRUE(line.starts_with("[ERROR] DecodeJpeg ")) << line;
}

}  // namespace
