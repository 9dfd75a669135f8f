#include "foundation/jxgrid.h"

#include "messagerecorder.h"
#include "platform/colors.h"
#include "platform/exceptions.h"
#include "platform/imagelist.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QScrollBar>
#include <QTest>

#include <string>
#include <utility>
#include <vector>

namespace {

const QColor White(Qt::white);
const QColor Teal = ToQColor(0x999900);
const QColor LightGrey = ToQColor(0xEEEEEE);
const QColor Blue = ToQColor(0xFF0000);

QPixmap Filled(Qt::GlobalColor color)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(color);
    return pixmap;
}

class TJXGridTest : public ::testing::Test {
protected:
    void Show(int width = 400, int height = 200)
    {
        grid.resize(width, height);
        grid.show();
        QApplication::processEvents();
    }

    void SetWidths(const std::vector<AnsiString>& widths)
    {
        grid.SetColCount(static_cast<int>(widths.size()));
        for (size_t col = 0; col < widths.size(); ++col)
            grid.GetColsProperty(static_cast<int>(col)).Width = widths[col];
    }

    std::vector<int> Widths()
    {
        std::vector<int> widths;
        for (int col = 0; col < grid.ColCount(); ++col)
            widths.push_back(grid.ColWidth(col));
        return widths;
    }

    QImage Grab() { return grid.viewport()->grab().toImage(); }

    // The pixels inside a cell's frame that differ from the cell's background.
    struct Ink {
        int count = 0;
        QRect box;
        QColor darkest = Qt::white;
    };
    Ink InkIn(const QImage& image, int row, int col)
    {
        const QRect cell = grid.CellRect(row, col);
        const QColor background = image.pixelColor(cell.left() + 1, cell.bottom() - 1);
        Ink ink;
        for (int y = cell.top() + 1; y < cell.bottom(); ++y)
            for (int x = cell.left() + 1; x < cell.right() - 1; ++x) {
                const QColor pixel = image.pixelColor(x, y);
                if (pixel == background)
                    continue;
                ++ink.count;
                ink.box |= QRect(x, y, 1, 1);
                if (pixel.lightness() < ink.darkest.lightness())
                    ink.darkest = pixel;
            }
        return ink;
    }

    void Click(Qt::MouseButton button, int row, int col)
    {
        QTest::mouseClick(grid.viewport(), button, Qt::NoModifier, grid.CellRect(row, col).center());
    }

    void RecordSelections()
    {
        QObject::connect(&grid, &TJXGrid::OnSelectCell,
            [this](int col, int row) { selections.emplace_back(col, row); });
    }

    MessageRecorder messages;
    TJXGrid grid;
    std::vector<std::pair<int, int>> selections;  // (col, row) as the signal gives them
};

TEST_F(TJXGridTest, PercentageColumnsShareWhatThePixelColumnsLeave)
{
    const struct {
        std::vector<AnsiString> widths;
        int clientWidth;
        std::vector<int> expected;
    } cases[] = {
        {{"40", "30", "100%"}, 400, {40, 30, 330}},
        {{"50%", "50%"}, 301, {150, 151}},
        {{"33%", "33%", "33%"}, 100, {33, 33, 34}},
        {{"100", "50%", "19", "50%"}, 320, {100, 100, 19, 101}},
        {{"0", "100%", "0"}, 200, {0, 200, 0}},
    };
    Show();
    for (const auto& c : cases) {
        SetWidths(c.widths);
        grid.resize(c.clientWidth, 200);
        grid.Resize();
        EXPECT_EQ(Widths(), c.expected) << "client width " << c.clientWidth;
    }
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(TJXGridTest, LayoutFollowsWidthTextsAndSizeWithoutBeingAsked)
{
    SetWidths({"40", "30", "100%"});
    Show();
    EXPECT_EQ(Widths(), (std::vector<int>{40, 30, 330}));

    grid.GetColsProperty(0).Width = "60";
    EXPECT_EQ(Widths(), (std::vector<int>{60, 30, 310}));

    grid.resize(500, 200);
    QApplication::processEvents();
    EXPECT_EQ(Widths(), (std::vector<int>{60, 30, 410}));

    // Enough rows for the scroll bar: the columns fill the narrower client area exactly.
    grid.SetRowCount(100);
    QApplication::processEvents();
    ASSERT_TRUE(grid.verticalScrollBar()->isVisible());
    EXPECT_EQ(grid.ColWidth(0) + grid.ColWidth(1) + grid.ColWidth(2), grid.viewport()->width());
}

TEST_F(TJXGridTest, WidthThatIsNoNumberShowsResizeWithHowFarItGot)
{
    SetWidths({"40", "wide"});
    Show();
    grid.Invalidate();
    QApplication::processEvents();
    QApplication::processEvents();
    ASSERT_EQ(messages.Messages().size(), 1u) << "found while painting, reported once afterwards";
    EXPECT_EQ(messages.Messages()[0].text, "Resize0'wide' is not a valid integer value");

    SetWidths({"40", "abc", "100%"});
    grid.Resize();
    SetWidths({"40", "x%", "50%", "100%"});
    grid.Resize();
    ASSERT_EQ(messages.Messages().size(), 3u);
    EXPECT_EQ(messages.Messages()[1].text, "Resize0'abc' is not a valid integer value");
    EXPECT_EQ(messages.Messages()[2].text, "Resize0123'x' is not a valid integer value");
    EXPECT_EQ(grid.ColWidth(0), 40);  // set before the failure
}

TEST_F(TJXGridTest, HeaderCurrentRowAndCellColoursAreDrawn)
{
    SetWidths({"100", "100", "100%"});
    grid.SetRowCount(4);
    grid.GetCellsProperty(0, 0).Color = 0x00FF00;  // header cells ignore their records
    grid.GetCellsProperty(2, 1).Color = 0x0080FF;
    Show();
    QImage image = Grab();

    const QRect header = grid.CellRect(0, 0);
    EXPECT_EQ(image.pixelColor(header.topLeft()), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(header.right() - 1, header.bottom()), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(header.center()), Teal);
    EXPECT_EQ(image.pixelColor(header.right(), header.center().y()), White);  // gap at the right

    const QRect current = grid.CellRect(1, 2);
    EXPECT_EQ(image.pixelColor(current.topLeft()), Blue);
    EXPECT_EQ(image.pixelColor(current.right() - 1, current.bottom()), Blue);
    EXPECT_EQ(image.pixelColor(current.center()), White);

    const QRect coloured = grid.CellRect(2, 1);
    EXPECT_EQ(image.pixelColor(coloured.topLeft()), LightGrey);
    EXPECT_EQ(image.pixelColor(coloured.center()), ToQColor(0x0080FF));

    grid.SetCurColor(0x0000FF);
    EXPECT_EQ(Grab().pixelColor(current.topLeft()), ToQColor(0x0000FF));
    grid.SetIsCursor(false);
    EXPECT_EQ(Grab().pixelColor(current.topLeft()), LightGrey);
    grid.SetIsRows(false);
    image = Grab();
    EXPECT_EQ(image.pixelColor(header.center()), White);
    EXPECT_EQ(image.pixelColor(coloured.center()), White);
}

TEST_F(TJXGridTest, TextIsPlacedByAlignInItsColourAndWeightInsideItsFrame)
{
    SetWidths({"30", "120", "120", "120", "120"});
    grid.SetCell(2, 0, "A very long team name indeed");
    for (int col = 1; col < 5; ++col)
        grid.SetCell(1, col, "Wolfsburg");
    grid.GetColsProperty(2).Align = 2;
    grid.GetColsProperty(3).Align = 1;
    grid.GetColsProperty(4).Align = 2;
    grid.GetCellsProperty(1, 4).Bold = true;
    grid.GetCellsProperty(1, 1).FontColor = 0x0000FF;
    Show(510);
    const QImage image = Grab();

    const Ink left = InkIn(image, 1, 1);
    ASSERT_GT(left.count, 0);
    EXPECT_LE(left.box.left(), grid.CellRect(1, 1).left() + 4);
    EXPECT_GT(left.darkest.red(), 150);
    EXPECT_LT(left.darkest.green(), 100);
    const Ink centred = InkIn(image, 1, 2);
    EXPECT_NEAR(centred.box.center().x(), grid.CellRect(1, 2).center().x(), 3);
    EXPECT_EQ(InkIn(image, 1, 3).count, 0) << "Align 1 draws no text";
    EXPECT_GT(InkIn(image, 1, 4).count, centred.count) << "bold";

    const QRect narrow = grid.CellRect(2, 0);
    for (int y = narrow.top(); y <= narrow.bottom(); ++y)
        EXPECT_EQ(image.pixelColor(narrow.right() - 1, y), LightGrey) << "long text stays inside the frame, row " << y;
    EXPECT_EQ(image.pixelColor(narrow.right(), narrow.center().y()), White);
}

TEST_F(TJXGridTest, ImageColumnsDrawTheNumberedPictureOutsideTheHeader)
{
    TImageList images;
    images.Add(Filled(Qt::red));
    images.Add(Filled(Qt::blue));
    SetWidths({"30", "100%"});
    grid.GetColsProperty(0).IsImage = true;
    grid.SetRowCount(5);
    grid.SetCell(0, 0, "1");
    grid.SetCell(1, 0, "abc");
    grid.SetCell(2, 0, "1");
    grid.SetCell(3, 0, "7");
    Show();

    const auto at = [this](const QImage& image, int row) {
        return image.pixelColor(grid.CellRect(row, 0).topLeft() + QPoint(5, 5));
    };
    QImage image = Grab();
    EXPECT_EQ(at(image, 1), White) << "no image list, no picture";

    grid.SetImageList(&images);
    image = Grab();
    EXPECT_EQ(at(image, 0), Teal);
    EXPECT_EQ(at(image, 1), QColor(Qt::red));
    EXPECT_EQ(at(image, 2), QColor(Qt::blue));
    EXPECT_EQ(at(image, 3), White);
    EXPECT_EQ(image.pixelColor(grid.CellRect(2, 0).topLeft() + QPoint(1, 1)), QColor(Qt::blue));
}

TEST_F(TJXGridTest, ClicksMoveTheCurrentCellAndEveryPressIsReported)
{
    SetWidths({"50", "50", "100%"});
    grid.SetRowCount(10);
    Show();
    RecordSelections();
    std::vector<Qt::MouseButton> presses;
    QObject::connect(&grid, &TJXGrid::OnMouseDown,
        [&](Qt::MouseButton button, Qt::KeyboardModifiers, int, int) { presses.push_back(button); });
    int doubleClicks = 0;
    QObject::connect(&grid, &TJXGrid::OnDblClick, [&] { ++doubleClicks; });

    Click(Qt::LeftButton, 3, 2);
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, grid.CellRect(5, 1).center());
    EXPECT_EQ(doubleClicks, 1);
    EXPECT_EQ(selections, (std::vector<std::pair<int, int>>{{2, 3}, {1, 5}}));

    // A right click moves the current row only, and only to a data row.
    selections.clear();
    presses.clear();
    Click(Qt::RightButton, 4, 2);
    Click(Qt::RightButton, 0, 1);
    QTest::mouseClick(grid.viewport(), Qt::RightButton, Qt::NoModifier, QPoint(30, 190));  // below the rows
    EXPECT_EQ(grid.Row(), 4);
    EXPECT_EQ(grid.Col(), 1);
    EXPECT_EQ(selections, (std::vector<std::pair<int, int>>{{1, 4}}));
    EXPECT_EQ(presses, (std::vector<Qt::MouseButton>(3, Qt::RightButton)));

    QObject::connect(&grid, &TJXGrid::OnSelectCell, [](int, int) { throw Exception("no such match"); });
    Click(Qt::LeftButton, 2, 0);
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].text, "MouseDownno such match");
}

TEST_F(TJXGridTest, KeysMoveTheCurrentRowWithinTheDataRows)
{
    SetWidths({"100%"});
    grid.SetRowCount(100);
    Show(400, 182);  // ten rows of 18 pixels: the header and nine data rows
    RecordSelections();

    const std::pair<Qt::Key, int> steps[]{{Qt::Key_Down, 2}, {Qt::Key_PageDown, 11}, {Qt::Key_PageUp, 2},
        {Qt::Key_End, 99}, {Qt::Key_Down, 99}, {Qt::Key_Home, 1}, {Qt::Key_Up, 1}};
    for (const auto& [key, row] : steps) {
        QTest::keyClick(&grid, key);
        EXPECT_EQ(grid.Row(), row) << "key " << key;
        EXPECT_FALSE(grid.CellRect(row, 0).isEmpty()) << "the current row is scrolled into view";
    }
    EXPECT_EQ(selections, (std::vector<std::pair<int, int>>{{0, 2}, {0, 11}, {0, 2}, {0, 99}, {0, 1}}));
}

TEST_F(TJXGridTest, SettingRowFromCodeSelectsOnlyRealChanges)
{
    grid.SetRowCount(6);
    RecordSelections();
    grid.SetRow(3);
    grid.SetRow(3);
    grid.SetCol(2);
    EXPECT_EQ(selections, (std::vector<std::pair<int, int>>{{0, 3}, {2, 3}}));
    EXPECT_THROW(grid.SetRow(0), Exception);
    EXPECT_THROW(grid.SetRow(6), Exception);
    EXPECT_THROW(grid.SetCol(5), Exception);

    grid.SetRowCount(3);  // fewer rows pull the current row back without a selection
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_EQ(selections.size(), 2u);
}

TEST_F(TJXGridTest, ShrinkingDropsTextsButKeepsRecords)
{
    grid.SetRowCount(10);
    grid.SetCell(8, 3, "Lazio");
    grid.GetCellsProperty(8, 3).Bold = true;
    grid.SetRowCount(5);
    EXPECT_EQ(grid.Cell(8, 3), "");
    grid.SetRowCount(10);
    EXPECT_EQ(grid.Cell(8, 3), "");
    EXPECT_TRUE(grid.GetCellsProperty(8, 3).Bold);

    grid.SetCell(2, 4, "3:1");
    grid.SetColCount(4);
    grid.SetColCount(5);
    EXPECT_EQ(grid.Cell(2, 4), "");
    EXPECT_EQ(grid.GetColsProperty(254).Width, "10");
}

TEST_F(TJXGridTest, FiveThousandRowsKeepEveryTextAndRecord)
{
    constexpr int rows = 5000;
    constexpr int cols = 12;
    const auto text = [](int row, int col) { return std::to_string(row) + "/" + std::to_string(col); };
    SetWidths(std::vector<AnsiString>(cols, "30"));
    grid.SetRowCount(rows);
    for (int row = 1; row < rows; ++row)
        for (int col = 0; col < cols; ++col) {
            grid.SetCell(row, col, text(row, col));
            grid.SetCellsProperty(row, col, {0, (row + col) % 2 == 0, static_cast<TColor>(row)});
        }
    for (int row = 1; row < rows; ++row)
        for (int col = 0; col < cols; ++col) {
            ASSERT_EQ(grid.Cell(row, col), text(row, col));
            ASSERT_EQ(grid.GetCellsProperty(row, col).Bold, (row + col) % 2 == 0);
            ASSERT_EQ(grid.GetCellsProperty(row, col).Color, static_cast<TColor>(row));
        }

    Show();
    grid.SetRow(rows - 1);
    const QRect last = grid.CellRect(rows - 1, 11);
    ASSERT_FALSE(last.isEmpty());
    EXPECT_EQ(Grab().pixelColor(last.left() + 1, last.bottom() - 1), ToQColor(rows - 1));
}

}  // namespace
