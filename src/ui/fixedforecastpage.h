#pragma once

#include <memory>

#include "ui/fixedpage.h"

class DBPredictGrid;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class TJXGrid;

// The forecast of the match card (tabPrognoz, hidden): the model choice and the
// forecast grid, which this build lays out but never fills; and the hidden button
// that puts the pair on the clipboard.
class TFixedForecastPage : public TFixedPage {
    Q_OBJECT

public:
    TFixedForecastPage(QWidget* parent, FixedTeams& teams);
    ~TFixedForecastPage() override;

    void Fill() override { ShowForecast(); }
    // The page keeps what its layout shows.
    void ShowForecast() {}

    QLabel* lblPredict;
    QComboBox* cboPredict;
    QCheckBox* chkHomeAway;
    QPushButton* btnSettings;
    QPushButton* Button1;
    TJXGrid* gridPredict;

private:
    void BuildLayout();

    void cboPredictChange();
    // The export line: team 1's country code, team 1's and team 2's full names,
    // separated by tabs.
    void Button1Click();

    std::unique_ptr<DBPredictGrid> PredictGrid;
};
