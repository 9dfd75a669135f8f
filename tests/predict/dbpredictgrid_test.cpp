#include "predict/dbpredictgrid.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>

#include <string>
#include <vector>

#include "configfolder.h"
#include "data/dbsetting.h"
#include "datafolderfixture.h"
#include "foundation/jxgrid.h"
#include "setup/programfoldersetup.h"

namespace {

class DBPredictGridTest : public DatabaseFixture {
protected:
    DBPredictGridTest()
    {
        SetupProgramFolder(Folder(), SetupOptions{});
        DBSetting::Global()->LoadLanguage();
        // The rows the match card's layout gives the grid.
        grid.SetRowCount(7);
    }

    std::vector<std::string> Headers() const
    {
        std::vector<std::string> headers;
        for (int col = 0; col < grid.ColCount(); ++col)
            headers.push_back(grid.Cell(0, col));
        return headers;
    }

    // The background inside a cell's frame.
    QColor Background(const QImage& image, int row, int col)
    {
        const QRect cell = grid.CellRect(row, col);
        return image.pixelColor(cell.left() + 1, cell.bottom() - 1);
    }

    ConfigFolder config;
    TJXGrid grid;
    DBPredictGrid predictGrid;
};

TEST_F(DBPredictGridTest, LayoutHeadersAndRowBackgrounds)
{
    predictGrid.InitGrid(&grid);
    ASSERT_EQ(grid.ColCount(), 7);
    EXPECT_EQ(Headers(), (std::vector<std::string>{"Выборка", "Игр", "1", "X", "2", "ТМ", "ТБ"}));
    for (int col = 0; col < 7; ++col) {
        EXPECT_EQ(grid.GetColsProperty(col).Align, col == 0 ? 0 : 2) << col;
        EXPECT_TRUE(grid.GetCellsProperty(0, col).Bold) << col;
    }

    grid.resize(560, 7 * 18 + 4);
    grid.show();
    QApplication::processEvents();
    EXPECT_EQ(grid.ColWidth(0), grid.viewport()->width() - 355) << "the label column takes the rest";
    EXPECT_EQ(grid.ColWidth(1), 50);
    EXPECT_EQ(grid.ColWidth(6), 55);
    const QImage image = grid.viewport()->grab().toImage();
    for (int col : {0, 3, 6}) {
        for (int row = 1; row <= 5; ++row)
            EXPECT_EQ(Background(image, row, col), QColor(0xdd, 0xff, 0xdd)) << row << "," << col;
        EXPECT_EQ(Background(image, 6, col), QColor(0xdd, 0xdd, 0xff)) << "light blue, column " << col;
    }

    DBSetting::Global()->WriteString("Lang", "en");
    DBSetting::Global()->LoadLanguage();
    predictGrid.InitGrid(&grid);
    EXPECT_EQ(Headers(), (std::vector<std::string>{"Sample", "Games", "1", "X", "2", "Under", "Over"}));
}

}  // namespace
