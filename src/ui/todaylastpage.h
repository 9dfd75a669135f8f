#pragma once

#include <memory>

#include "ui/todaypage.h"

class DBChamp;
class DBFixedGrid;
class QComboBox;
class TJXGrid;

// The played matches of the last 1, 3 or 7 days in the favourite tournaments, or in
// one of them (tabLastFixed).
class TTodayLastPage : public TTodayPage {
    Q_OBJECT

public:
    TTodayLastPage(QWidget* parent, DBFilter* filter, ViewAdder addView);
    ~TTodayLastPage() override;

    void Fill() override;
    void Restore() override;
    void Remember() override;

    QComboBox* cboDays;
    QComboBox* cboChampLast;
    TJXGrid* gridLastFixed;

private:
    void BuildLayout();
    void ShowLastMatches();

    void cboDaysChange();
    void cboChampLastChange();
    void gridLastFixedDblClick();

    std::unique_ptr<DBChamp> LastChamps;
    std::unique_ptr<DBFixedGrid> LastGrid;
};
