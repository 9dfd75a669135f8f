#pragma once

#include <memory>

#include "platform/imagelist.h"
#include "platform/types.h"
#include "ui/fixedpage.h"
#include "ui/resultsummary.h"

class DBFixedGrid;
class DBTableGrid;
class QCheckBox;
class QLabel;
class QRadioButton;
class TJXGrid;

// The preview of the match card (tabPreview): each club's row in its main league's
// standings and its last five matches side by side, the head-to-head list seen from
// team 1 and its summary; every match of both, or team 1 at home and team 2 away, in
// the competitions ticked. Filled once per pair: only an option click or the card
// queries again.
class TFixedPreviewPage : public TFixedPage {
    Q_OBJECT

public:
    TFixedPreviewPage(QWidget* parent, FixedTeams& teams);
    ~TFixedPreviewPage() override;

    void Fill() override { ShowPreview(); }
    void ShowPreview();

    QRadioButton* btnFieldAll;
    QRadioButton* btnFieldHomeAway;
    QCheckBox* chkPrevChamp;
    QCheckBox* chkPrevCup;
    QCheckBox* chkPrevLeagua;
    TJXGrid* gridTable;
    TJXGrid* gridTableRival;
    QLabel* lblLast1;
    QLabel* lblLast2;
    TJXGrid* gridLastSmall;
    TJXGrid* gridLastSmallRival;
    QLabel* lblFixed;
    TJXGrid* gridFixed;
    QWidget* panelResult;
    ResultSummaryLabels Summary;

private:
    void BuildLayout();
    void BuildSummary();
    void ApplyLanguage();
    // The tournament types of the ticked boxes, as "1,3"; empty (no restriction) when
    // all or none are ticked.
    AnsiString TypeList() const;

    void btnFieldAllClick();
    void gridTableClick();

    TImageList resultImages;
    RadioRow Sides;
    CheckRow Competitions;
    std::unique_ptr<DBTableGrid> TableGrid;
    std::unique_ptr<DBTableGrid> TableRivalGrid;
    std::unique_ptr<DBFixedGrid> LastGrid;
    std::unique_ptr<DBFixedGrid> LastRivalGrid;
    std::unique_ptr<DBFixedGrid> HeadToHeadGrid;
};
