#pragma once

#include <memory>

#include "platform/tform.h"
#include "platform/types.h"
#include "ui/pickerlist.h"

class DBChamp;
class DBFilter;
class DBSeason;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

// The tournament picker: one of the favourite tournaments, narrowed by type and
// season, opened as a tournament view of the main window's history. Tag 1 when a view
// was added.
class TDlgSelectChamp : public TForm {
    Q_OBJECT

public:
    // filter: the main window's history, not owned.
    TDlgSelectChamp(QWidget* owner, DBFilter* filter);
    ~TDlgSelectChamp() override;

    QLabel* lblType;
    QComboBox* cboTypeChamp;
    QLabel* lblSeason;
    QComboBox* cboSeason;
    QListWidget* lstChamp;
    QWidget* panelChamp;
    QLabel* lblChamp;
    QLabel* imgChamp;
    QPushButton* btnOk;

private:
    void BuildLayout();
    void FormCreate();
    void FormDestroy();
    void RefillList();

    void cboTypeChampChange();
    void cboSeasonChange();
    void lstChampClick();
    void btnOkClick();

    DBFilter* Filter;
    std::unique_ptr<DBChamp> Champ;
    std::unique_ptr<DBSeason> Season;
    ChoicePanel Choice{};
    // The display name of the tournament chosen last time.
    AnsiString Remembered;
};
