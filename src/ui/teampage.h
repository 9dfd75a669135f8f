#pragma once

#include <functional>
#include <initializer_list>
#include <vector>

#include "platform/types.h"
#include "ui/cardform.h"

class DBTeam;
class QChartView;
class QCheckBox;
class QGroupBox;

// A page of the team card: it shows the card's team.
class TTeamPage : public TCardPage {
    Q_OBJECT

public:
    // team: the card's team query, standing on the team's row; not owned.
    TTeamPage(QWidget* parent, const char* name, DBTeam* team);

protected:
    int TeamID() const;

    DBTeam* const Team;
};

// Check boxes of a card page in a row, inside a frame of their own.
struct CheckRow {
    QGroupBox* frame = nullptr;
    std::vector<QCheckBox*> boxes;

    // Captions in order from language text ids.
    void SetCaptions(std::initializer_list<int> textIds) const;
    bool AllChecked() const;
    // Of the three tournament-type boxes (league, cups, international): the checked
    // types joined by ","; empty when none is checked.
    AnsiString TypeList() const;
    // Runs handler on every change of a box, by a click or from code.
    void OnToggled(QObject* receiver, const std::function<void()>& handler) const;
};

// A box of a row: its object name and the member of the window that holds it.
struct CheckName {
    const char* name;
    QCheckBox** member;
};

// The boxes in a row, all checked.
CheckRow AddCheckRow(QWidget* parent, std::initializer_list<CheckName> boxes);
// The three tournament-type boxes (league, cups, international) with their captions,
// all checked.
CheckRow AddTypeBoxes(QWidget* parent, std::initializer_list<CheckName> boxes);

// A chart of a card page, without a legend.
QChartView* AddChartView(QWidget* parent, const char* name);

// The layout of a page with a grid over a chart: a row of options at the top, the
// grid, a row of the chart's options and the chart, grid and chart of equal height.
void AddGridChartLayout(QWidget* page, std::initializer_list<QWidget*> options, QWidget* grid, QWidget* chartOptions,
                        QWidget* chart);
