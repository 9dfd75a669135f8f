#pragma once

#include <memory>

#include "platform/types.h"
#include "ui/cardform.h"

class DBRound;
class DBSeason;
class DBTable;
class DBTableGrid;
class QComboBox;
class QGroupBox;
class QListWidget;
class QRadioButton;
class TJXGrid;

// The standings page of the tournament card (tabTable): the standings of a season, or
// of every season, by side and, in a season of several table stages, by stage.
class TChampTablePage : public TCardPage {
    Q_OBJECT

public:
    // seasonName: the season chosen first.
    TChampTablePage(QWidget* parent, int champID, const AnsiString& seasonName);
    ~TChampTablePage() override;

    // The table stages of the chosen season, the first one chosen; the list shows only
    // with two or more.
    void FillRounds();
    void Fill() override;

    // The standings shown, and the chosen season (0: every season).
    DBTable* Standings() const;
    int SeasonID();

    QGroupBox* gbTableField;
    QRadioButton* btnTableAllField;
    QRadioButton* btnTableHomeField;
    QRadioButton* btnTableAwayField;
    QComboBox* cboTableSeason;
    QListWidget* lstRound;
    QComboBox* cboRound1;
    TJXGrid* gridTable;

private:
    void BuildLayout();
    // The chosen stage; 0 (every stage) only when the season has none.
    int RoundID();

    void cboTableSeasonChange();
    void lstRoundClick();

    const int ChampID;
    RadioRow Sides;
    std::unique_ptr<DBSeason> Season;
    std::unique_ptr<DBRound> Round;
    std::unique_ptr<DBTableGrid> TableGrid;
};
