#pragma once

#include <memory>

#include "platform/tform.h"
#include "platform/types.h"
#include "ui/teamchoice.h"

class DBFilter;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The team picker: a team found by favourite tournament, season and the start of its
// name, opened as a team view of the main window's history. Tag 1 when a view was
// added.
class TDlgSelectTeam : public TForm {
    Q_OBJECT

public:
    // filter: the main window's history, not owned.
    TDlgSelectTeam(QWidget* owner, DBFilter* filter);
    ~TDlgSelectTeam() override;

    QLabel* lblFind;
    QLineEdit* txtFilter;
    QLabel* lblChamp;
    QComboBox* cboChamp;
    QLabel* lblSeason;
    QComboBox* cboSeason;
    QListWidget* lstTeam;
    QWidget* panelTeam;
    QLabel* lblTeam;
    QLabel* imgTeam;
    QPushButton* btnOk;

private:
    void BuildLayout();
    void FormCreate();
    void FormDestroy();

    void txtFilterChange();
    void cboChampChange();
    void cboSeasonChange();
    void lstTeamClick();
    void btnOkClick();

    DBFilter* Filter;
    std::unique_ptr<TeamChoice> Team;
};
