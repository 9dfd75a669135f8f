#include "ui/todaylastpage.h"

#include "data/dbasecontrols.h"
#include "data/dbchamp.h"
#include "data/dbfilter.h"
#include "data/dbfixed.h"
#include "data/dbsetting.h"
#include "foundation/jxgrid.h"
#include "platform/eventhandler.h"
#include "presenters/dbfixedgrid.h"
#include "presenters/gridfill.h"
#include "ui/formcontrols.h"

#include <QComboBox>

#include <array>
#include <utility>

namespace {

// The periods of cboDays in days, with their texts; any other item counts as one day.
constexpr std::array<int, 3> PeriodDays = {1, 3, 7};
constexpr std::array<int, 3> PeriodTexts = {1247, 1248, 1249};

constexpr int StripHeight = 37;

DBSetting* Setting()
{
    return DBSetting::Global();
}

}  // namespace

TTodayLastPage::TTodayLastPage(QWidget* parent, DBFilter* filter, ViewAdder addView)
    : TTodayPage(parent, "tabLastFixed", filter, std::move(addView)), LastChamps(std::make_unique<DBChamp>())
{
    BuildLayout();
    LastGrid = std::make_unique<DBFixedGrid>(gridLastFixed);
    LastGrid->SetupColumns(false);

    ConnectHandler(cboDays, &QComboBox::activated, this, &TTodayLastPage::cboDaysChange);
    ConnectHandler(cboChampLast, &QComboBox::activated, this, &TTodayLastPage::cboChampLastChange);
    ConnectHandler(gridLastFixed, &TJXGrid::OnDblClick, this, &TTodayLastPage::gridLastFixedDblClick);
}

TTodayLastPage::~TTodayLastPage() = default;

void TTodayLastPage::BuildLayout()
{
    cboDays = AddControl<QComboBox>(this, "cboDays", QRect(PageLeft + 2, 7, 200, 22));
    cboChampLast = AddControl<QComboBox>(this, "cboChampLast", QRect(PageLeft + 210, 7, 260, 22));
    cboChampLast->setMaxVisibleItems(20);
    gridLastFixed = AddControl<TJXGrid>(this, "gridLastFixed", QRect(PageLeft, StripHeight, PageWidth, 361));
}

void TTodayLastPage::Fill()
{
    ShowLastMatches();
}

void TTodayLastPage::Restore()
{
    cboDays->clear();
    for (const int text : PeriodTexts)
        cboDays->addItem(QString::fromStdString(LangText(text)));
    // An index without an item chooses none: one day.
    cboDays->setCurrentIndex(Setting()->GetFormInt(5));
    LastChamps->OpenFav(true, true);
    FillCombo(cboChampLast, LastChamps.get());
    SelectComboText(cboChampLast, LastChamps.get(), Setting()->GetFormString(6));
    SyncCombo(cboChampLast, LastChamps.get());
}

void TTodayLastPage::Remember()
{
    Setting()->SetFormInt(FormKey, 5, cboDays->currentIndex());
    if (cboChampLast->currentIndex() >= 0)
        Setting()->SetFormString(FormKey, 6, cboChampLast->currentText().toStdString());
}

void TTodayLastPage::ShowLastMatches()
{
    const int period = cboDays->currentIndex();
    const int days = period >= 0 && period < static_cast<int>(PeriodDays.size()) ? PeriodDays[period] : 1;
    LastGrid->Fixed()->OpenRecentFav(days, LastChamps->GetChampID());
    LastGrid->FillFixedOdds(true);
    gridLastFixed->setFocus();
}

void TTodayLastPage::cboDaysChange()
{
    ShowLastMatches();
}

void TTodayLastPage::cboChampLastChange()
{
    SyncCombo(cboChampLast, LastChamps.get());
    ShowLastMatches();
}

void TTodayLastPage::gridLastFixedDblClick()
{
    AddView([this] {
        DBFixed* matches = LastGrid->Fixed();
        if (matches->Count() < 1)
            return false;
        matches->MoveBy(gridLastFixed->Row() - 1);
        return Filter->AddChamp(matches->GetChampID(), matches->GetSeasonID());
    });
}
