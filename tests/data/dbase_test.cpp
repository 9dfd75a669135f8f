#include "data/dbase.h"

#include <gtest/gtest.h>

#include "datafolderfixture.h"
#include "platform/adofield.h"

using DBaseTest = DataFolderFixture;

TEST_F(DBaseTest, MaxOfNothingIsZeroAndOfAFailureMinusOne)
{
    EXPECT_EQ(DBase::Max("Season", "SeasonID", ""), 0);
    AddSeasons(4);
    EXPECT_EQ(DBase::Max("Season", "SeasonID", ""), 4);
    EXPECT_EQ(DBase::Max("Season", "SeasonID", "SeasonID<3"), 2);
    EXPECT_EQ(DBase::Max("Season", "SeasonID", "SeasonID>30"), 0);
    EXPECT_EQ(DBase::Max("NoSuchTable", "SeasonID", ""), -1);
    EXPECT_EQ(LogTexts(), (Lines{"[ERROR] DBase::Max SELECT MAX(SeasonID) AS Maximum FROM NoSuchTable"}));
}

TEST_F(DBaseTest, MoveByStepsToTheRowIndex)
{
    AddSeasons(6);
    DBase data;
    ASSERT_TRUE(data.Select("SELECT * FROM Season ORDER BY SeasonID"));
    data.MoveBy(4);
    EXPECT_EQ(data.GetQuery()->RecNo(), 5);
    data.MoveBy(1);
    EXPECT_EQ(data.GetQuery()->FieldByName("SeasonID")->AsInteger(), 2) << "three steps back";
    data.MoveBy(0);
    EXPECT_EQ(data.GetQuery()->RecNo(), 1);
    data.MoveBy(10);
    EXPECT_EQ(data.GetQuery()->RecNo(), 6);
    EXPECT_TRUE(data.GetQuery()->Eof());
    EXPECT_EQ(data.Count(), 6);
}

TEST_F(DBaseTest, FailedSelectLogsOneLineAndLeavesNoRows)
{
    DBase data;
    EXPECT_FALSE(data.Select("SELEC * FROM Season"));
    EXPECT_EQ(data.Count(), 0);
    AnsiString text;
    data.GetItemText(text);
    EXPECT_EQ(text, "Not[DBase]");
    EXPECT_EQ(LogTexts(), (Lines{"[ERROR] DBase::Select SELEC * FROM Season"}));
}
