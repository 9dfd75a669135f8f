#include <gtest/gtest.h>

#include <QLabel>
#include <QTabWidget>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

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
    std::vector<std::string> controls;
    // Tab pages as the user sees them, and the pages whose tabs are hidden.
    std::vector<std::string> tabs;
    std::vector<std::string> hiddenTabs;
    // Controls that the layout hides.
    std::vector<std::string> hidden;
};

template <typename Form>
std::function<std::unique_ptr<TForm>()> Maker()
{
    return [] { return std::make_unique<Form>(); };
}

std::vector<std::string> Numbered(const std::vector<std::string>& names, int count)
{
    std::vector<std::string> numbered;
    for (const std::string& name : names)
        for (int i = 1; i <= count; ++i)
            numbered.push_back(name + std::to_string(i));
    return numbered;
}

std::vector<std::string> Joined(std::vector<std::string> names, const std::vector<std::string>& more)
{
    names.insert(names.end(), more.begin(), more.end());
    return names;
}

const std::vector<Layout>& Layouts()
{
    static const std::vector<Layout> layouts = {
        {"favourites", Maker<TDlgFav>(), "Избранное", QSize(688, 449),
         {"gridFixed", "gridStats", "cboSeason", "rbAll", "rbHome", "rbAway", "gridNext", "cboChamp", "txtSearch",
          "lstTeam", "lstFavTeam", "btnAddTeam", "btnDelTeam", "btnSyncTeam", "barTeam", "lstFavChamp", "lstChamp",
          "btnAddChamp", "btnDelChamp", "btnAddAllChamp", "btnDelAllChamp", "btnSyncChamp", "barChamp"},
         {"tabLastFixed", "tabStats", "tabNext", "tabTeams", "tabChamps"},
         {"tabTable", "tabTour"},
         {}},
        {"ranking", Maker<TDlgRanking>(), "Рейтинг", QSize(412, 424),
         {"cboCountry", "chkCup", "gridRanking", "gridUefa"},
         {"tabTeams", "tabUefa"},
         {},
         {}},
        {"start", Maker<TDlgStart>(), "", QSize(300, 200), {"Image1", "Label1", "Timer1"}, {}, {}, {}},
        {"match statistics", Maker<TDlgMStats>(), "Статистика матча", QSize(682, 328),
         Joined({"lblChamp", "lblTeam1", "lblScore", "lblTeam2", "gridForm1", "gridForm2", "btnForm"},
                Numbered({"lblPenalty", "lblMissPenalty", "lblYellow", "lblRed", "lblFirstGoal", "lblLastGoal",
                          "lblFirstYellow", "lblSubstitution", "lblLastSubstitution"},
                         2)),
         {"tabForm", "tabStats"},
         {},
         {}},
        {"prediction settings", Maker<TDlgPrSetting>(), "Настройка прогноза", QSize(554, 412),
         Joined({"cboModel", "btnDelete", "txtName", "btnAdd", "gbScore", "cboScore", "txtScoreN", "btnSave",
                 "btnCancel", "btnExit"},
                Numbered({"lblProb", "cboKind", "txtN", "txtM", "txtPercent"}, 5)),
         {},
         {},
         Numbered({"txtN", "txtM"}, 5)},
    };
    return layouts;
}

std::vector<std::string> Tabs(const TForm& form, bool visible)
{
    std::vector<std::string> pages;
    if (const auto* control = form.findChild<QTabWidget*>("PageControl1"))
        for (int i = 0; i < control->count(); ++i)
            if (control->isTabVisible(i) == visible)
                pages.push_back(control->widget(i)->objectName().toStdString());
    return pages;
}

TEST(ResourceWindowsTest, EveryLayoutBuildsWithItsCaptionSizeControlsAndTabs)
{
    for (const Layout& layout : Layouts()) {
        SCOPED_TRACE(layout.name);
        const std::unique_ptr<TForm> form = layout.make();
        EXPECT_EQ(form->windowTitle().toStdString(), layout.caption);
        EXPECT_EQ(form->size(), layout.size);
        std::vector<std::string> hidden;
        for (const std::string& name : layout.controls) {
            const QObject* control = form->findChild<QObject*>(QString::fromStdString(name));
            EXPECT_NE(control, nullptr) << name;
            if (const auto* widget = qobject_cast<const QWidget*>(control); widget && widget->isHidden())
                hidden.push_back(name);
        }
        EXPECT_EQ(Tabs(*form, true), layout.tabs);
        EXPECT_EQ(Tabs(*form, false), layout.hiddenTabs);
        EXPECT_EQ(hidden, layout.hidden);
    }
}

TEST(ResourceWindowsTest, StartWindowIsABorderlessPictureWithAStoppedTimer)
{
    TDlgStart start;
    EXPECT_TRUE(start.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(start.Image1->pixmap().size(), QSize(300, 200));
    EXPECT_EQ(start.Timer1->interval(), 1);
    EXPECT_FALSE(start.Timer1->isActive());
}

}  // namespace
