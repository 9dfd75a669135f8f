#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/tform.h"

class DBFilter;
class DBPredict;
class QTabWidget;
class TTodayLastPage;
class TTodayNextPage;
class TTodayPage;
class TTodaySeriesPage;
class TTodayStatsPage;

// The nearest-matches window: the coming matches of a chosen day in the favourite
// tournaments, the played matches of the last days, the streak top list with its
// rebuild, and league statistics by season. A double click on a match, a team or a
// tournament adds its view to the main window's history and hands back through Tag 1.
class TDlgToday : public TForm {
    Q_OBJECT

public:
    // filter: the main window's history, not owned.
    TDlgToday(QWidget* owner, DBFilter* filter);
    ~TDlgToday() override;

    QTabWidget* page1;
    TTodayNextPage* tabNext;
    TTodayLastPage* tabLastFixed;
    TTodaySeriesPage* tabSeries;
    TTodayStatsPage* tabStatsChamp;

protected:
    void FormShow() override;
    // Not while a rebuild of the streaks runs: it pumps messages inside this window.
    bool CanClose() override;

private:
    void BuildLayout(DBFilter* filter);
    void FormDestroy();
    void page1Change();
    // Adds the view of a double click through add and hands back when the history took it.
    void AddView(const std::function<bool()>& add);
    std::vector<TTodayPage*> Pages() const;

    // The window's model, made with it; no page uses it in this build.
    std::unique_ptr<DBPredict> Predict;
    // Only a window that was shown has values to remember.
    bool shown_ = false;
};
