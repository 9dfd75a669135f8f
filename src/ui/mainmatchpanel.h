#pragma once

#include <QWidget>

class DBSetting;
class QLabel;
class TImageList;
class TToolButton;

// The main window's bottom panel (panelBottomMain): the selected match's tournament,
// home and away teams with their countries and flags, the score, and the buttons that
// open their cards, centred in the strip.
class TMainMatchPanel : public QWidget {
    Q_OBJECT

public:
    // images: the navigation bar's picture list, not owned.
    TMainMatchPanel(QWidget* parent, const TImageList* images);

    void ApplyLanguage(DBSetting* setting);
    void Centre();

    QWidget* panelBottom;
    TToolButton* btnBChamp;
    QLabel* imgBChamp;
    QLabel* lblBChamp;
    QLabel* lblBCoChamp;
    QLabel* lblBNatChamp;
    TToolButton* btnBTeam1;
    QLabel* imgBTeam1;
    QLabel* lblBTeam1;
    QLabel* lblBCoTeam1;
    QLabel* lblBNatTeam1;
    QLabel* lblBGoals;
    TToolButton* btnBFixed;
    TToolButton* btnBTeam2;
    QLabel* imgBTeam2;
    QLabel* lblBTeam2;
    QLabel* lblBCoTeam2;
    QLabel* lblBNatTeam2;

private:
    QLabel* AddLabel(const char* name, int left, int top, int width, Qt::Alignment align, bool bold = false);
    QLabel* AddFlag(const char* name, int left, int top);
    TToolButton* AddButton(const char* name, int left, int top, int imageIndex);

    const TImageList* images_;
};
