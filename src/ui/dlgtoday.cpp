#include "ui/dlgtoday.h"

#include "data/dbsetting.h"
#include "foundation/jxerr.h"
#include "platform/eventhandler.h"
#include "platform/tpagecontrol.h"
#include "predict/dbpredict.h"
#include "ui/formcontrols.h"
#include "ui/todaylastpage.h"
#include "ui/todaynextpage.h"
#include "ui/todayseriespage.h"
#include "ui/todaystatspage.h"


namespace {

constexpr int FormWidth = 725;
constexpr int FormHeight = 426;

DBSetting* Setting()
{
    return DBSetting::Global();
}

}  // namespace

TDlgToday::TDlgToday(QWidget* owner, DBFilter* filter) : TForm(owner), Predict(std::make_unique<DBPredict>())
{
    Setting()->LoadFormData(TTodayPage::FormKey);
    BuildLayout(filter);
    setWindowTitle(QString::fromStdString(Setting()->GetLangText(1048)));
    const std::pair<QWidget*, int> captions[] = {{tabNext, 1229}, {tabLastFixed, 1071}, {tabSeries, 1230},
                                                 {tabStatsChamp, 1267}};
    for (const auto& [page, id] : captions)
        page1->setTabText(page1->indexOf(page), QString::fromStdString(Setting()->GetLangText(id)));
    SetTag(0);
    ConnectHandler(page1, &QTabWidget::currentChanged, this, &TDlgToday::page1Change);
}

TDlgToday::~TDlgToday()
{
    FormDestroy();
}

void TDlgToday::BuildLayout(DBFilter* filter)
{
    BeginDialog(this, "DlgToday", "Ближайшие матчи", FormWidth, FormHeight);
    page1 = AddControl<TPageControl>(this, "page1", QRect(0, 0, FormWidth, FormHeight));
    const auto addView = [this](const std::function<bool()>& add) { AddView(add); };
    tabNext = new TTodayNextPage(page1, filter, addView);
    tabLastFixed = new TTodayLastPage(page1, filter, addView);
    tabSeries = new TTodaySeriesPage(page1, filter, addView);
    tabStatsChamp = new TTodayStatsPage(page1, filter, addView);
    for (TTodayPage* page : Pages())
        page1->addTab(page, QString());
}

std::vector<TTodayPage*> TDlgToday::Pages() const
{
    return {tabNext, tabLastFixed, tabSeries, tabStatsChamp};
}

void TDlgToday::FormShow()
{
    for (TTodayPage* page : Pages())
        page->Restore();
    shown_ = true;
    page1Change();
}

bool TDlgToday::CanClose()
{
    return !tabSeries->Rebuilding();
}

void TDlgToday::FormDestroy()
{
    Predict.reset();
    if (!shown_)
        return;
    // Destroying the window must not fail: what cannot be written is logged.
    for (TTodayPage* page : Pages())
        try {
            page->Remember();
        } catch (const std::exception& error) {
            JXErr::Error(JXStr("TDlgToday::FormDestroy ") + error.what());
        }
}

void TDlgToday::page1Change()
{
    if (auto* page = qobject_cast<TTodayPage*>(page1->currentWidget()))
        page->Fill();
}

void TDlgToday::AddView(const std::function<bool()>& add)
{
    // The window cannot close while the streaks are rebuilt, so a view added then would
    // wait unseen until the user closes it.
    if (tabSeries->Rebuilding() || !add())
        return;
    SetTag(1);
    Close();
}
