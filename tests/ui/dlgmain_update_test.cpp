#include "ui/dlgmain.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <memory>
#include <string>
#include <vector>

#include "data/dbfilter.h"
#include "foundation/jxgrid.h"
#include "sampledata/sampledatagenerator.h"
#include "ui/dlgfilter.h"
#include "update/dlgupdate.h"
#include "updatedialogfixture.h"

namespace {

// The main window of a new program folder, updated through its update button from the
// loopback service serving the sample data.
class DlgMainUpdateTest : public UpdateDialogFixture {
protected:
    void Start()
    {
        main_ = std::make_unique<TDlgMain>();
        filter_ = std::make_unique<TDlgFilter>();
        main_->show();
    }

    // Clicks the main window's update button; inside the modal dialog it opens, clicks
    // the dialog's update button, then closes it. Returns the dialog's memo.
    std::vector<std::string> UpdateThroughTheMainWindow()
    {
        std::vector<std::string> memo;
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<TDlgUpdate*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr) << "the update dialog is shown modally";
            seen = true;
            EXPECT_EQ(dialog->parentWidget(), main_.get());
            ClickUpdate(*dialog);
            memo = MemoLines(*dialog);
            QTest::mouseClick(Button(*dialog, "btnExit"), Qt::LeftButton);
        });
        QTest::mouseClick(main_->findChild<QToolButton*>("btnUpdate"), Qt::LeftButton);
        EXPECT_TRUE(seen);
        return memo;
    }

    int SeasonCount() { return main_->findChild<QComboBox*>("cboSeason")->count(); }
    TJXGrid* Grid() { return main_->findChild<TJXGrid*>("gridFixed"); }

    std::unique_ptr<TDlgMain> main_;
    std::unique_ptr<TDlgFilter> filter_;
};

TEST_F(DlgMainUpdateTest, EmptyFolderUpdatesAndListsATournamentsMatches)
{
    const SampleDataSummary sample = SampleDataGenerator(SampleDataOptions{}).Generate(FilesFolder());
    Start();
    ASSERT_EQ(SeasonCount(), 0) << "a new folder holds no data";

    const std::vector<std::string> memo = UpdateThroughTheMainWindow();
    ASSERT_EQ(memo.size(), 7u);
    EXPECT_EQ(memo[5], "6. " + Text(1057) + "... OK");
    EXPECT_EQ(DataValue("SELECT COUNT(*) FROM Fixed"), std::to_string(sample.playedMatches));
    EXPECT_GT(SeasonCount(), 0) << "the main window refreshed after the update";

    // A league season chosen as the tournament picker does, behind the window's back.
    const std::string newestLeague = "FROM Fixed AS F INNER JOIN Champ AS C ON C.ChampID = F.ChampID WHERE "
                                     "C.TypeID=1 AND C.ChampID>0 ORDER BY F.SeasonID DESC, F.ChampID";
    const std::string champ = DataValue("SELECT TOP 1 F.ChampID " + newestLeague);
    const std::string season = DataValue("SELECT TOP 1 F.SeasonID " + newestLeague);
    DBFilter history;
    ASSERT_TRUE(history.Update());
    ASSERT_TRUE(history.AddChamp(std::stoi(champ), std::stoi(season)));
    const int shownBefore = Grid()->RowCount();

    // Nothing new on the service: Tag 0, so the window does not reload.
    EXPECT_EQ(UpdateThroughTheMainWindow().back(), Text(1061));
    EXPECT_EQ(Grid()->RowCount(), shownBefore);

    main_->Refresh();
    const int matches =
            std::stoi(DataValue("SELECT COUNT(*) FROM Fixed WHERE ChampID=" + champ + " AND SeasonID=" + season));
    EXPECT_GT(matches, 100);
    EXPECT_EQ(Grid()->RowCount() - 1, matches) << "one header row, then the tournament's matches";
}

}  // namespace
