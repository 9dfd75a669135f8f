#pragma once

#include <memory>

#include "platform/tupdown.h"
#include "platform/types.h"
#include "ui/todaypage.h"

class DBChamp;
class DBFixed;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class TJXGrid;

// The coming matches of one day (tabNext): the favourite tournaments that play on the
// picked day and the matches of the chosen one. The day is kept in the day file of
// the program folder from one showing to the next. The page also holds the hidden day
// boxes, the hidden model list and the hidden pick upload.
class TTodayNextPage : public TTodayPage {
    Q_OBJECT

public:
    TTodayNextPage(QWidget* parent, DBFilter* filter, ViewAdder addView);
    ~TTodayNextPage() override;

    void Fill() override;
    void Restore() override;
    void Remember() override;

    // The picked day as SQL date literals want it: month/day/year.
    AnsiString DayText() const;

    QDateEdit* dataToday;
    QListWidget* lstChamp;
    TJXGrid* grid;
    // Hidden
    QLineEdit* txtTodayDaysMinus;
    TUpDown* udTodayDaysMinus;
    QLineEdit* txtTodayDays;
    TUpDown* udTodayDays;
    QLabel* lblTime;
    QComboBox* cboPredict;
    QPushButton* btnPredict;
    QPushButton* btnSendToServer;

private:
    void BuildLayout();
    void ShowDayChamps();
    void ShowDayMatches();
    // No tournament chosen: the grid shows no match of another day.
    void ClearDayMatches();

    void dataTodayChange();
    void lstChampClick();
    void gridDblClick();
    void udTodayDaysClick(TUDBtnType button);
    void udTodayDaysMinusClick(TUDBtnType button);
    void cboPredictChange();
    void btnSendToServerClick();

    std::unique_ptr<DBChamp> DayChamps;
    std::unique_ptr<DBFixed> DayMatches;
};
