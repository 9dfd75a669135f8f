#pragma once

#include <memory>

#include "platform/tform.h"
#include "ui/teamchoice.h"

class DBFilter;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The head-to-head picker: a team on the left and a rival on the right, each found by
// favourite tournament, season and the start of its name, opened as a head-to-head
// view of the main window's history. Tag 1 when a view was added.
class TDlgSelectFixed : public TForm {
    Q_OBJECT

public:
    // filter: the main window's history, not owned.
    TDlgSelectFixed(QWidget* owner, DBFilter* filter);
    ~TDlgSelectFixed() override;

    // The team's half
    QLabel* lblChamp1;
    QComboBox* cboTeamChamp;
    QLabel* lblSeason1;
    QComboBox* cboTeamSeason;
    QLabel* lblFind1;
    QLineEdit* txtTeamFilter;
    QListWidget* lstTeam;
    QWidget* panelTeam;
    QLabel* lblTeam;
    QLabel* imgTeam;
    // The rival's half
    QLabel* lblChamp2;
    QComboBox* cboRivalChamp;
    QLabel* lblSeason2;
    QComboBox* cboRivalSeason;
    QLabel* lblFind2;
    QLineEdit* txtRivalFilter;
    QListWidget* lstRival;
    QWidget* panelTeamRival;
    QLabel* lblRival;
    QLabel* imgRival;

    QPushButton* btnOk;

private:
    void BuildLayout();
    void FormCreate();
    void FormDestroy();

    void cboTeamChampChange();
    void cboTeamSeasonChange();
    void txtTeamFilterChange();
    void lstTeamClick();
    void cboRivalChampChange();
    void cboRivalSeasonChange();
    void txtRivalFilterChange();
    void lstRivalClick();
    void btnOkClick();

    DBFilter* Filter;
    std::unique_ptr<TeamChoice> Team;
    std::unique_ptr<TeamChoice> Rival;
};
