#pragma once

#include <array>
#include <memory>

#include "platform/tform.h"
#include "platform/tupdown.h"
#include "platform/types.h"

class DBFilter;
class DBSeason;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The filter window: edits the conditions of the view history's current entry (side,
// season, results, goal conditions, kinds of competition) and has the main window
// show the entry again. A small tool window that stays on top, created once at start
// and hidden until the main window's filter button shows it.
class TDlgFilter : public TForm {
    Q_OBJECT

public:
    explicit TDlgFilter(QWidget* owner = nullptr);
    ~TDlgFilter() override;

    // The main window's history; every load and save goes through it.
    void SetFilter(DBFilter* filter);

    QGroupBox* gbField;
    QRadioButton* btnFieldAll;
    QRadioButton* btnFieldHome;
    QRadioButton* btnFieldAway;
    QGroupBox* gbSeason;
    QComboBox* cboSeason;
    QGroupBox* gbBalls;
    QLabel* lblBallScore;
    QLabel* lblBallMiss;
    QLabel* lblBallTotal;
    QComboBox* cboEqScore;
    QComboBox* cboEqMiss;
    QComboBox* cboEqTotal;
    QLineEdit* txtBallScore;
    QLineEdit* txtBallMiss;
    QLineEdit* txtBallTotal;
    TUpDown* udScore;
    TUpDown* udMiss;
    TUpDown* udTotal;
    QGroupBox* gbTotal;
    QCheckBox* chkWin;
    QCheckBox* chkDraw;
    QCheckBox* chkLose;
    QGroupBox* gbCompetition;
    QCheckBox* chkChamp;
    QCheckBox* chkCup;
    QCheckBox* chkIsEuro;
    QPushButton* btnFilter;
    QPushButton* btnClose;

protected:
    void FormShow() override;

private:
    // One goal condition: its kind in the history, relation combo, count box and arrows.
    struct GoalControls {
        const char* kind;
        QLabel* label;
        QComboBox* relation;
        QLineEdit* count;
        TUpDown* steps;
    };

    void BuildLayout();
    void BuildGoalRow(int top, const char* suffix, QLabel*& label, QComboBox*& relation, QLineEdit*& count,
                      TUpDown*& steps);
    std::array<GoalControls, 3> Goals() const;
    void ApplyTexts();
    void EnableByMode(int mode);
    void FillSeasons(bool withAll);
    void LoadFromFilter();
    void SaveToFilter();
    void FormDestroy();

    void btnFilterClick();
    void btnCloseClick();
    void cboSeasonChange();
    // Steps a count box by one, as its arrows report.
    void StepCount(QLineEdit* count, TUDBtnType button);

    DBFilter* Filter = nullptr;
    std::unique_ptr<DBSeason> Season;
    std::array<QRadioButton*, 3> FieldButtons{};
};

// The program's filter window while it exists.
extern TDlgFilter* DlgFilter;
