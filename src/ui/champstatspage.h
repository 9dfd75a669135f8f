#pragma once

#include <memory>

#include "platform/types.h"
#include "ui/cardform.h"

class DBSeason;
class DBTable;
class DBTableGrid;
class QComboBox;
class QGroupBox;
class QRadioButton;
class TJXGrid;

// The team statistics page of the tournament card (tabStats): every counter of each
// team of a season, or of every season, by side.
class TChampStatsPage : public TCardPage {
    Q_OBJECT

public:
    // seasonName: the season chosen first.
    TChampStatsPage(QWidget* parent, int champID, const AnsiString& seasonName);
    ~TChampStatsPage() override;

    void Fill() override;

    // The teams shown, and the chosen season (0: every season).
    DBTable* Statistics() const;
    int SeasonID();

    QGroupBox* gbStatsField;
    QRadioButton* btnStatsAllField;
    QRadioButton* btnStatsHomeField;
    QRadioButton* btnStatsAwayField;
    QComboBox* cboStatsSeason;
    TJXGrid* gridStats;

private:
    void BuildLayout();

    void cboStatsSeasonChange();

    const int ChampID;
    RadioRow Sides;
    std::unique_ptr<DBSeason> Season;
    std::unique_ptr<DBTableGrid> StatsGrid;
};
