#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>

#include "pagekeys.h"
#include "platform/formcontrols.h"
#include "platform/tpagecontrol.h"

namespace {

// Seven pages with an edit and a closed combo box each; the tabs of pages 0, 3 and 6
// (at the start, in the middle and at the end) are hidden.
TEST(TPageControlTest, ArrowsWheelAndCtrlTabLandOnlyOnShownTabs)
{
    QWidget window;
    auto* pages = AddControl<TPageControl>(&window, "pages", QRect(0, 0, 300, 200));
    for (int i = 0; i < 7; ++i) {
        auto* page = new QWidget;
        page->setObjectName(QString("page%1").arg(i));
        AddControl<QLineEdit>(page, "edit", QRect(10, 10, 100, 22));
        AddControl<QComboBox>(page, "combo", QRect(10, 40, 100, 22));
        pages->addTab(page, QString::number(i));
        pages->setTabVisible(i, i % 3 != 0);
    }
    window.show();
    EXPECT_EQ(ReachableHiddenTabs(window), std::vector<std::string>{});

    // The pages that five moves land on, each from the control named from of the page
    // (the tabs when none).
    const auto landings = [pages](PageMove move, const char* from = nullptr) {
        std::vector<int> landed;
        for (int step = 0; step < 5; ++step) {
            MovePages(*pages, move, from ? pages->currentWidget()->findChild<QWidget*>(from) : nullptr);
            landed.push_back(pages->currentIndex());
        }
        return landed;
    };
    pages->setCurrentIndex(1);
    EXPECT_EQ(landings(Right), (std::vector<int>{2, 4, 5, 5, 5}));
    EXPECT_EQ(landings(WheelUp), (std::vector<int>{4, 2, 1, 1, 1}));
    for (const char* from : {static_cast<const char*>(nullptr), "edit", "combo"}) {
        SCOPED_TRACE(from ? from : "tabs");
        EXPECT_EQ(landings(CtrlTab, from), (std::vector<int>{2, 4, 5, 1, 2}));
        EXPECT_EQ(landings(CtrlShiftTab, from), (std::vector<int>{1, 5, 4, 2, 1}));
    }
    pages->setCurrentIndex(3);
    EXPECT_EQ(pages->currentIndex(), 3) << "code makes a hidden page current";
    EXPECT_EQ(landings(Left).front(), 2);
}

}  // namespace
