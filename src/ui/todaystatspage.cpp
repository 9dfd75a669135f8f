#include "ui/todaystatspage.h"

#include "data/dbasecontrols.h"
#include "data/dbfilter.h"
#include "data/dbseason.h"
#include "data/dbtable.h"
#include "foundation/jxgrid.h"
#include "platform/controltext.h"
#include "platform/eventhandler.h"
#include "presenters/dbtablegrid.h"
#include "presenters/gridfill.h"
#include "ui/formcontrols.h"
#include "ui/formfont.h"

#include <QComboBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QSignalBlocker>

#include <array>
#include <utility>

namespace {

constexpr int GridWidth = 625;
constexpr int SideLeft = TTodayPage::PageLeft + GridWidth + 4;
constexpr int SideWidth = TTodayPage::PageLeft + TTodayPage::PageWidth - SideLeft;

// The sort buttons from the top, each with its sort mode (the button's Tag) and its
// caption; the name button keeps its caption in every language.
constexpr std::array<int, 8> SortTags = {8, 1, 2, 3, 4, 5, 6, 7};
constexpr std::array<int, 7> SortTexts = {1179, 1096, 1180, 1136, 1137, 1181, 1182};
constexpr int NameSort = 8;

}  // namespace

TTodayStatsPage::TTodayStatsPage(QWidget* parent, DBFilter* filter, ViewAdder addView)
    : TTodayPage(parent, "tabStatsChamp", filter, std::move(addView)), Seasons(std::make_unique<DBSeason>())
{
    BuildLayout();
    StatsGrid = std::make_unique<DBTableGrid>(gridStatsChamp);
    StatsGrid->SetupFavChampsColumns();

    Sorts.OnChecked(this, [this] { btnChampWinClick(); });
    ConnectHandler(cboStatsChamp, &QComboBox::activated, this, &TTodayStatsPage::cboStatsChampChange);
    ConnectHandler(gridStatsChamp, &TJXGrid::OnDblClick, this, &TTodayStatsPage::gridStatsChampDblClick);
}

TTodayStatsPage::~TTodayStatsPage() = default;

void TTodayStatsPage::BuildLayout()
{
    gridStatsChamp = AddControl<TJXGrid>(this, "gridStatsChamp", QRect(PageLeft, 0, GridWidth, PageHeight));
    cboStatsChamp = AddControl<QComboBox>(this, "cboStatsChamp", QRect(SideLeft, 2, SideWidth, 22));
    cboStatsChamp->setMaxVisibleItems(20);
    Sorts = AddRadioRow(this, "GroupBox1",
                        {{"btnChampName", &btnChampName},
                         {"btnChampWin", &btnChampWin},
                         {"btnChampDraw", &btnChampDraw},
                         {"btnChampLose", &btnChampLose},
                         {"btnChampOver", &btnChampOver},
                         {"btnChampUnder", &btnChampUnder},
                         {"btnChampAGoal1", &btnChampAGoal1},
                         {"btnChampAGoal2", &btnChampAGoal2}},
                        Qt::Vertical);
    GroupBox1 = Sorts.frame;
    GroupBox1->setGeometry(SideLeft, 30, SideWidth, 200);
    // The narrow column beside the grid holds the captions in the small narrowed text.
    SetFormFont(GroupBox1, SmallFontPixels, CondensedStretch);
    SetCaption(btnChampName, "Название");
    for (size_t i = 0; i < SortTexts.size(); ++i)
        SetCaption(Sorts.radios[i + 1], LangText(SortTexts[i]));
}

void TTodayStatsPage::Fill()
{
    ShowChampStats();
}

void TTodayStatsPage::Restore()
{
    Seasons->OpenList(true);
    FillCombo(cboStatsChamp, Seasons.get());
    // The row of every season may sort anywhere: the newest real season is chosen.
    TADOQuery* rows = Seasons->GetQuery();
    rows->First();
    for (int item = 0; !rows->Eof(); ++item, rows->Next())
        if (Seasons->GetSeasonID() != 0) {
            cboStatsChamp->setCurrentIndex(item);
            break;
        }
    SyncCombo(cboStatsChamp, Seasons.get());
    SortMode = NameSort;
    const QSignalBlocker quiet(btnChampName);
    btnChampName->setChecked(true);
}

void TTodayStatsPage::ShowChampStats()
{
    StatsGrid->FillFavChamps(Seasons->GetSeasonID(), SortMode);
    gridStatsChamp->setFocus();
}

void TTodayStatsPage::btnChampWinClick()
{
    SortMode = SortTags[Sorts.Checked()];
    ShowChampStats();
}

void TTodayStatsPage::cboStatsChampChange()
{
    SyncCombo(cboStatsChamp, Seasons.get());
    ShowChampStats();
}

void TTodayStatsPage::gridStatsChampDblClick()
{
    AddView([this] {
        DBTable* champs = StatsGrid->Table();
        if (champs->Count() < 1)
            return false;
        champs->MoveBy(gridStatsChamp->Row() - 1);
        // The row of every season opens the newest season.
        const int season = Seasons->GetSeasonID() != 0 ? Seasons->GetSeasonID() : DBSeason::GetMaxSeasonID();
        return Filter->AddChamp(champs->GetChampID(), season);
    });
}
