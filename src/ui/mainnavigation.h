#pragma once

#include <QWidget>

class DBSetting;
class QComboBox;
class QLabel;
class QPushButton;
class TImageList;
class TLabel;
class TToolButton;

// The main window's navigation bar (panelNavig): Back and Forward, the team or
// tournament of the view, the second team of a head-to-head view, the season
// choice and the filter button.
class TMainNavigation : public QWidget {
    Q_OBJECT

public:
    // images: the bar's picture list, not owned.
    TMainNavigation(QWidget* parent, const TImageList* images);

    void ApplyLanguage(DBSetting* setting);

    // Where a head-to-head view shows the comparison button (toolNFixed).
    static constexpr int PairButtonLeft = 500;

    QWidget* toolNNavig;
    TToolButton* btnNBack;
    TToolButton* btnNForward;
    QWidget* toolNTeamChamp;
    TToolButton* btnNTeamChamp;
    QWidget* panelNTeamChamp;
    TLabel* lblNTeamChamp;
    QLabel* lblNCoTeamChamp;
    QLabel* lblNNatTeamChamp;
    QLabel* imgNTeamChamp;
    QWidget* toolNTeamRival;
    TToolButton* btnNTeamRival;
    QWidget* panelNTeamRival;
    TLabel* lblNTeamRival;
    QLabel* lblNCoTeamRival;
    QLabel* lblNNatTeamRival;
    QLabel* imgNTeamRival;
    QWidget* toolNFixed;
    TToolButton* btnNFixed;
    QWidget* panelSeason;
    QComboBox* cboSeason;
    QPushButton* btnPlus;
    QPushButton* btnMinus;
    QWidget* toolNRight;
    TToolButton* btnNFilter;
    TToolButton* btnExcel;

private:
    QWidget* AddToolBar(const char* name, int left, int buttons);
    TToolButton* AddButton(QWidget* bar, const char* name, int index, int imageIndex);
    // A team's or tournament's block: flag, name, "Country:" caption and country code.
    QWidget* AddNamePanel(const char* name, int left, TLabel*& nameLabel, QLabel*& countryCaption,
                          QLabel*& country, QLabel*& flag);

    const TImageList* images_;
};
