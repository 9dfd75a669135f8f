#include "data/dbasecontrols.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>

#include "data/dbseason.h"
#include "datafolderfixture.h"
#include "platform/adofield.h"

using DBaseControlsTest = DataFolderFixture;

TEST_F(DBaseControlsTest, ListStopsAt1002Items)
{
    AddSeasons(2000);
    DBSeason data;
    ASSERT_TRUE(data.Select("SELECT * FROM Season ORDER BY SeasonID"));
    QListWidget list;
    FillList(&list, &data);
    EXPECT_EQ(list.count(), 1002);
    EXPECT_EQ(list.currentRow(), 0);
    list.setCurrentRow(7);
    SyncList(&list, &data);
    EXPECT_EQ(data.GetQuery()->FieldByName("SeasonID")->AsInteger(), 8);
}

TEST_F(DBaseControlsTest, ComboFollowsTheRowsAndItsSelection)
{
    AddSeasons(3);
    DBSeason data;
    ASSERT_TRUE(data.Select("SELECT * FROM Season ORDER BY SeasonID DESC"));
    QComboBox combo;
    FillCombo(&combo, &data);
    ASSERT_EQ(combo.count(), 3);
    EXPECT_EQ(combo.currentText().toStdString(), "Сезон 3");

    SelectComboText(&combo, &data, "СЕЗОН 1");
    EXPECT_EQ(combo.currentIndex(), 2);
    EXPECT_EQ(data.GetQuery()->FieldByName("SeasonID")->AsInteger(), 1);

    SelectComboText(&combo, &data, "Сезон 9");
    EXPECT_EQ(combo.currentIndex(), 2) << "an unknown text changes nothing";
    EXPECT_EQ(data.GetQuery()->FieldByName("SeasonID")->AsInteger(), 1);

    combo.setCurrentIndex(1);
    SyncCombo(&combo, &data);
    EXPECT_EQ(data.GetQuery()->FieldByName("SeasonID")->AsInteger(), 2);

    ASSERT_TRUE(data.Select("SELECT * FROM Season WHERE SeasonID>3"));
    FillCombo(&combo, &data);
    EXPECT_EQ(combo.count(), 0) << "an empty result empties the combo";
    SyncCombo(&combo, &data);
}
