#pragma once

#include <QWidget>

#include "ui/resultsummary.h"

class DBSetting;
class QLabel;

// The main window's result summary (panelResultMain): games, wins-draws-losses, goals,
// under-over, scored and conceded counts, wins by two and averages of the list, each
// after its caption, centred in the strip.
class TMainSummary : public QWidget {
    Q_OBJECT

public:
    explicit TMainSummary(QWidget* parent);

    void ApplyLanguage(DBSetting* setting);
    // Fits panelResult to its texts and centres it.
    void Centre();

    QWidget* panelResult;
    // The figures the match card's summary shows too.
    ResultSummaryLabels Shared;
    QLabel* lblRLWgNg;
    QLabel* lblRByScore;
    QLabel* lblRLWmNm;
    QLabel* lblRByMiss;
    QLabel* lblRLMinus;
    QLabel* lblRMinus;
    QLabel* lblRLPlus;
    QLabel* lblRPlus;

private:
    QLabel* AddLabel(const char* name, const char* text, bool value);
};
