#include "data/dbfilter.h"

#include <gtest/gtest.h>

#include <QLocale>

#include "data/constants.h"
#include "data/dbfixed.h"
#include "localeguard.h"
#include "matchdatafixture.h"
#include "sqlitefile.h"

namespace {

class DBFilterTest : public MatchDataFixture {
protected:
    // Team views of Arsenal with the given FilterIDs; current is the FilterID of the
    // current one.
    void AddTeamEntries(std::initializer_list<int> filterIDs, int current)
    {
        for (int id : filterIDs)
            AddEntry(id, id == current, 1, Arsenal);
    }

    DBFilter filter;
};

}  // namespace

TEST_F(DBFilterTest, TheCurrentEntryIsReadWithItsNamesOrNeutralValuesWhenThereIsNone)
{
    EXPECT_FALSE(filter.CanBack()) << "nothing read yet";
    ASSERT_TRUE(filter.Update());
    EXPECT_EQ(filter.GetFilterID(), 0);
    EXPECT_EQ(filter.GetTeam(), "");
    EXPECT_FALSE(filter.GetIsWin());
    EXPECT_FALSE(filter.CanBack() || filter.CanForward());
    EXPECT_EQ(DBFilter::GetMinFilterID(), 0);

    AddEntry(1, false, 1, Arsenal, 0, 0, 1);
    AddEntry(2, true, 3, Chelsea, Bayern, 0, 2);
    AddEntry(3, false, 2, 0, 0, Europe, 2);
    ASSERT_TRUE(filter.Update());
    EXPECT_EQ(filter.GetFilterID(), 2);
    EXPECT_EQ(filter.GetMode(), 3);
    EXPECT_EQ(filter.GetTeam(), "Chelsea");
    EXPECT_EQ(filter.GetTeamNat(), "ENG");
    EXPECT_EQ(filter.GetTeamRivalID(), Bayern);
    EXPECT_EQ(filter.GetTeamRival(), "Bayern");
    EXPECT_EQ(filter.GetTeamRivalNat(), "GER");
    EXPECT_EQ(filter.GetSeasonName(), "2023/2024");

    Exec("UPDATE Filter SET Cur=False");
    ASSERT_TRUE(filter.Update());
    EXPECT_EQ(filter.GetFilterID(), 3) << "without a current entry the last one is read";
    EXPECT_EQ(filter.GetChampName(), "Champions League");
    EXPECT_EQ(filter.GetChampNat(), "EUR");
    EXPECT_EQ(filter.GetChampID(), Europe);
    EXPECT_EQ(DBFilter::GetMinFilterID(), 1);
    EXPECT_TRUE(LogLines().empty());
}

// How the relation reaches the SQL of a view, DBFixed's tests show.
TEST(DBFilterRelationTest, TheResultRelationFollowsTheResultFlags)
{
    const struct {
        bool win, draw, lose;
        const char* op;
    } cases[] = {
            {true, true, true, "=="},  {true, true, false, ">="}, {false, true, true, "<="},
            {true, false, true, "<>"}, {true, false, false, ">"}, {false, true, false, "="},
            {false, false, true, "<"}, {false, false, false, "=="},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DBFilter::ResultRelation(c.win, c.draw, c.lose), c.op) << c.win << c.draw << c.lose;
}

// The other writers are read back through the views they shape (DBFixed's tests).
TEST_F(DBFilterTest, WritersChangeOnlyTheCurrentEntry)
{
    AddTeamEntries({1, 2}, 2);
    ASSERT_TRUE(filter.Update());
    filter.SetRow(7);
    EXPECT_EQ(filter.GetRow(), 1) << "the open list is not re-read";
    filter.SetSeasonWith(1);
    filter.SetIsChamp(false);
    filter.SetEq(DBFixed::TotalKind, "'='");
    ASSERT_TRUE(filter.Update());
    EXPECT_EQ(filter.GetRow(), 7);
    EXPECT_EQ(filter.GetSeasonName(), "2022/2023");
    EXPECT_EQ(filter.GetEq(DBFixed::TotalKind), "'='") << "stored as typed, quotes and all";
    EXPECT_EQ(Select("SELECT Row, Field, SeasonWith, IsChamp, TotalEq FROM Filter WHERE FilterID=1"),
              (Rows{{"1", "0", "0", "True", "!"}})) << "the other entry is untouched";
    EXPECT_TRUE(LogLines().empty());
}

TEST_F(DBFilterTest, CountsAreStoredAsNumbersWhateverTheSeparator)
{
    AddEntry(1, true, 1, Arsenal);
    ASSERT_TRUE(filter.Update());
    {
        LocaleGuard russian(QLocale(QLocale::Russian, QLocale::Russia));
        filter.SetCount(DBFixed::TotalKind, "1,5");
        filter.SetCount(DBFixed::ScoreKind, "2.5");
    }
    {
        LocaleGuard english(QLocale(QLocale::English, QLocale::UnitedStates));
        filter.SetCount(DBFixed::MissKind, "0,5");
    }
    ASSERT_TRUE(filter.Update());
    EXPECT_EQ(filter.GetCount(DBFixed::TotalKind), 1.5);
    EXPECT_EQ(filter.GetCount(DBFixed::ScoreKind), 2.5);
    EXPECT_EQ(filter.GetCount(DBFixed::MissKind), 0.5);
    EXPECT_EQ(Value("SELECT COUNT(*) FROM Filter WHERE TotalCount=1.5"), "1");
    EXPECT_TRUE(LogLines().empty());

    filter.SetCount(DBFixed::TotalKind, "1,5); DELETE * FROM Filter WHERE (1=1");
    filter.SetCount(DBFixed::TotalKind, "nan");
    ASSERT_TRUE(filter.Update());
    EXPECT_EQ(filter.GetCount(DBFixed::TotalKind), 1.5) << "a text that is no number changes nothing";
    const auto lines = LogTexts();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], "[ERROR] DBFilter::SetCount Total nan");
}

TEST_F(DBFilterTest, TheOldestEntryGoesOnlyWhenTheCurrentOneStandsAtPositionTen)
{
    // FilterIDs far from the positions: the limit counts positions.
    AddTeamEntries({21, 22, 23, 24, 25, 26, 27, 28, 29}, 29);
    ASSERT_TRUE(filter.Update());
    ASSERT_TRUE(filter.AddChamp(League, 1));
    EXPECT_EQ(History(), "21 22 23 24 25 26 27 28 29 30*") << "position 9 with FilterID 29";
    ASSERT_TRUE(filter.Update());
    EXPECT_EQ(filter.GetMode(), 2);
    ASSERT_TRUE(filter.AddTeamRival(Arsenal, Chelsea));
    EXPECT_EQ(History(), "22 23 24 25 26 27 28 29 30 31*");
    ASSERT_TRUE(filter.Update());
    ASSERT_TRUE(filter.AddTeam(Chelsea, 1));
    EXPECT_EQ(History(), "23 24 25 26 27 28 29 30 31 32*");
}

TEST_F(DBFilterTest, OnlyTheSameTeamFromItsTeamViewChangesTheSeasonInstead)
{
    AddEntry(1, false, 2, 0, 0, League, 1);
    AddEntry(2, true, 1, Arsenal, 0, 0, 1);
    ASSERT_TRUE(filter.Update());
    ASSERT_TRUE(filter.AddTeam(Arsenal, 2));
    EXPECT_EQ(History(), "1 2*");
    ASSERT_TRUE(filter.Update());
    EXPECT_EQ(filter.GetSeasonWith(), 2);

    ASSERT_TRUE(filter.AddTeamRival(Arsenal, Chelsea));
    ASSERT_TRUE(filter.Update());
    ASSERT_TRUE(filter.AddTeamRival(Arsenal, Chelsea));
    ASSERT_TRUE(filter.Update());
    ASSERT_TRUE(filter.AddTeam(Arsenal, 2));
    EXPECT_EQ(History(), "1 2 3 4 5*") << "a head-to-head view again, and the same team from it, are new views";
    ASSERT_TRUE(filter.Update());
    ASSERT_TRUE(filter.AddChamp(League, 2));
    ASSERT_TRUE(filter.Update());
    ASSERT_TRUE(filter.AddChamp(League, 2));
    EXPECT_EQ(History(), "1 2 3 4 5 6 7*");
    ASSERT_TRUE(filter.Update());
    EXPECT_EQ(filter.GetChampID(), League);
    EXPECT_EQ(filter.GetSeasonWith(), 2);
}

TEST_F(DBFilterTest, StartWithoutSavedHistoryKeepsOnlyTheCurrentEntry)
{
    AddEntry(3, false, 1, Arsenal);
    AddEntry(4, true, 3, Chelsea, Liverpool);
    AddEntry(5, false, 2, 0, 0, Cup);
    filter.EraseFilter();
    EXPECT_EQ(History(), "1*");
    ASSERT_TRUE(filter.Update());
    EXPECT_EQ(filter.GetMode(), 3);
    EXPECT_EQ(filter.GetTeam(), "Chelsea");
    EXPECT_FALSE(filter.CanBack());
    EXPECT_FALSE(filter.CanForward());
}

TEST_F(DBFilterTest, StartWithSavedHistoryRenumbersInOrder)
{
    AddEntry(12, false, 1, Liverpool);
    AddEntry(7, false, 1, Arsenal);
    AddEntry(8, true, 1, Chelsea);
    filter.UpdateID();
    EXPECT_EQ(History(), "1 2* 3");
    EXPECT_EQ(Value("SELECT TeamID FROM Filter WHERE FilterID=1"), "17");
    EXPECT_EQ(Value("SELECT TeamID FROM Filter WHERE FilterID=3"), "19");
    ASSERT_TRUE(filter.Update());
    EXPECT_EQ(filter.GetFilterID(), 2);
    ASSERT_TRUE(filter.AddTeam(Bayern, 2));
    EXPECT_EQ(History(), "1 2 3*");
}

TEST_F(DBFilterTest, AnUnreadableHistoryIsLoggedAndChangesNothing)
{
    AddTeamEntries({1, 2}, 2);
    RunSqlite(File("data.mdb"), "DROP TABLE Season");
    EXPECT_FALSE(filter.Update());
    filter.UpdateID();
    EXPECT_EQ(filter.GetFilterID(), 0);
    EXPECT_FALSE(filter.CanBack());
    filter.Back(3);
    EXPECT_FALSE(filter.AddTeam(Chelsea, 1));
    EXPECT_FALSE(filter.AddChamp(League, 1));
    EXPECT_FALSE(filter.AddTeamRival(Arsenal, Chelsea));
    EXPECT_EQ(History(), "1 2*");
    const auto texts = LogTexts();
    ASSERT_GE(texts.size(), 4u);
    EXPECT_EQ(texts[0], "[ERROR] DBase::Select " + SqlFilterSelect);
    EXPECT_EQ(texts[1], "[DBFilter::Update]");
    EXPECT_EQ(texts[3], "[DBFilter::UpdateID]");
}
