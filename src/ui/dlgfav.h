#pragma once

#include "platform/tform.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;
class TJXGrid;
class TProgressBar;

// The favourites window: recent matches, team statistics and the calendar of the
// favourite tournaments, and the choice of favourite teams and tournaments. Only its
// layout is part of the program: no window is made from it.
class TDlgFav : public TForm {
    Q_OBJECT

public:
    explicit TDlgFav(QWidget* owner = nullptr);

    QTabWidget* PageControl1;
    QWidget* tabLastFixed;
    TJXGrid* gridFixed;
    QWidget* tabTable;
    QWidget* tabStats;
    QComboBox* cboSeason;
    QRadioButton* rbAll;
    QRadioButton* rbHome;
    QRadioButton* rbAway;
    TJXGrid* gridStats;
    QWidget* tabTour;
    QWidget* tabNext;
    TJXGrid* gridNext;
    QWidget* tabTeams;
    QComboBox* cboChamp;
    QLineEdit* txtSearch;
    QListWidget* lstTeam;
    QListWidget* lstFavTeam;
    QPushButton* btnAddTeam;
    QPushButton* btnDelTeam;
    QPushButton* btnSyncTeam;
    TProgressBar* barTeam;
    QWidget* tabChamps;
    QListWidget* lstFavChamp;
    QListWidget* lstChamp;
    QPushButton* btnAddChamp;
    QPushButton* btnDelChamp;
    QPushButton* btnAddAllChamp;
    QPushButton* btnDelAllChamp;
    QPushButton* btnSyncChamp;
    TProgressBar* barChamp;

private:
    void BuildLayout();
    void BuildStatsPage();
    void BuildTeamsPage();
    void BuildChampsPage();
};
