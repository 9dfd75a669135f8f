#pragma once

class QLabel;
class QWidget;
struct MatchCounters;

// The figures that the main window's result summary and the match card's share, each
// value after its caption: games, wins-draws-losses, goals, under-over and average goals.
struct ResultSummaryLabels {
    QLabel* lblRLGame;
    QLabel* lblRGame;
    QLabel* lblRLWDL;
    QLabel* lblRWDL;
    QLabel* lblRLGoals;
    QLabel* lblRGoals;
    QLabel* lblRLUnOv;
    QLabel* lblRTotal;
    QLabel* lblRLAvGAvM;
    QLabel* lblRAvgGoals;

    // The captions and the hints of under-over and of the averages.
    void ApplyLanguage() const;
    // The figures of the last fill of a match list.
    void Show(const MatchCounters& counters) const;
};

// A caption (plain) or value (bold) label of a summary, added to the panel's layout.
QLabel* AddSummaryLabel(QWidget* panel, const char* name, const char* text, bool value);
