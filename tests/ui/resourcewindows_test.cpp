#include <gtest/gtest.h>

#include <QLabel>
#include <QTabWidget>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "pagekeys.h"
#include "textfit.h"
#include "ui/dlgfav.h"
#include "ui/dlgmstats.h"
#include "ui/dlgprsetting.h"
#include "ui/dlgranking.h"
#include "ui/dlgstart.h"

namespace {

// The windows the program carries only as layouts.
struct Layout {
    const char* name;
    std::function<std::unique_ptr<TForm>()> make;
    std::string caption;
    QSize size;
    // Tab pages as the user sees them, and the pages whose tabs are hidden.
    std::vector<std::string> tabs;
    std::vector<std::string> hiddenTabs;
};

template <typename Form>
std::function<std::unique_ptr<TForm>()> Maker()
{
    return [] { return std::make_unique<Form>(); };
}

std::vector<std::string> Tabs(const QTabWidget* pages, bool visible)
{
    std::vector<std::string> names;
    for (int i = 0; pages && i < pages->count(); ++i)
        if (pages->isTabVisible(i) == visible)
            names.push_back(pages->widget(i)->objectName().toStdString());
    return names;
}

TEST(ResourceWindowsTest, EveryLayoutBuildsWithItsCaptionSizeAndTabsAndShowsItsCaptionsWhole)
{
    const Layout layouts[] = {
            {"favourites", Maker<TDlgFav>(), "Избранное", QSize(688, 449),
             {"tabLastFixed", "tabStats", "tabNext", "tabTeams", "tabChamps"}, {"tabTable", "tabTour"}},
            {"ranking", Maker<TDlgRanking>(), "Рейтинг", QSize(412, 424), {"tabTeams", "tabUefa"}, {}},
            {"start", Maker<TDlgStart>(), "", QSize(300, 200), {}, {}},
            {"match statistics", Maker<TDlgMStats>(), "Статистика матча", QSize(682, 328), {"tabForm", "tabStats"}, {}},
            {"prediction settings", Maker<TDlgPrSetting>(), "Настройка прогноза", QSize(554, 412), {}, {}},
    };
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(layout.name);
        const std::unique_ptr<TForm> form = layout.make();
        form->show();
        EXPECT_EQ(form->windowTitle().toStdString(), layout.caption);
        EXPECT_EQ(form->size(), layout.size);
        auto* pages = form->findChild<QTabWidget*>("PageControl1");
        EXPECT_EQ(Tabs(pages, true), layout.tabs);
        EXPECT_EQ(Tabs(pages, false), layout.hiddenTabs);
        for (int i = 0; i < (pages ? pages->count() : 1); ++i) {
            if (pages)
                pages->setCurrentIndex(i);
            for (const CutText& cut : CutTexts(*form))
                ADD_FAILURE() << "page " << i << ": " << cut;
        }
        EXPECT_EQ(ReachableHiddenTabs(*form), std::vector<std::string>{});
    }
}

TEST(ResourceWindowsTest, StartWindowIsABorderlessPictureWithAStoppedTimer)
{
    TDlgStart start;
    EXPECT_TRUE(start.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(start.Image1->pixmap().size(), QSize(300, 200));
    EXPECT_FALSE(start.Timer1->isActive());
}

}  // namespace
