#include "ui/champtablepage.h"

#include "data/dbasecontrols.h"
#include "data/dbround.h"
#include "data/dbseason.h"
#include "data/dbtable.h"
#include "foundation/jxgrid.h"
#include "platform/eventhandler.h"
#include "presenters/dbtablegrid.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

constexpr int RoundListWidth = 150;

}  // namespace

TChampTablePage::TChampTablePage(QWidget* parent, int champID, const AnsiString& seasonName)
    : TCardPage(parent, "tabTable"),
      ChampID(champID),
      Season(std::make_unique<DBSeason>()),
      Round(std::make_unique<DBRound>())
{
    BuildLayout();
    TableGrid = std::make_unique<DBTableGrid>(gridTable);
    TableGrid->SetupTableColumns();
    FillSeasonCombo(cboTableSeason, Season.get(), seasonName);

    ConnectHandler(cboTableSeason, &QComboBox::activated, this, &TChampTablePage::cboTableSeasonChange);
    Sides.OnChecked(this, [this] { Fill(); });
    ConnectHandler(lstRound, &QListWidget::currentRowChanged, this, &TChampTablePage::lstRoundClick);
    ConnectHandler(cboRound1, &QComboBox::activated, this, &TChampTablePage::lstRoundClick);
}

TChampTablePage::~TChampTablePage() = default;

void TChampTablePage::BuildLayout()
{
    cboTableSeason = AddSeasonCombo(this, "cboTableSeason");
    Sides = AddSideRadios(this, "gbTableField",
                          {{"btnTableAllField", &btnTableAllField},
                           {"btnTableHomeField", &btnTableHomeField},
                           {"btnTableAwayField", &btnTableAwayField}});
    gbTableField = Sides.frame;
    // Stages are chosen in the list; the combo of the same choice stays out of sight.
    cboRound1 = new QComboBox(this);
    cboRound1->setObjectName("cboRound1");
    cboRound1->hide();

    gridTable = new TJXGrid(this);
    gridTable->setObjectName("gridTable");
    lstRound = new QListWidget(this);
    lstRound->setObjectName("lstRound");
    lstRound->setFixedWidth(RoundListWidth);

    auto* tables = new QHBoxLayout;
    tables->addWidget(gridTable, 1);
    tables->addWidget(lstRound);
    AddPageLayout(this, {cboTableSeason, gbTableField})->addLayout(tables, 1);
}

void TChampTablePage::FillRounds()
{
    const QSignalBlocker quiet(lstRound);
    lstRound->show();
    Round->OpenTableRounds(ChampID, SeasonID());
    lstRound->clear();
    TADOQuery* rounds = Round->GetQuery();
    for (rounds->First(); !rounds->Eof(); rounds->Next())
        lstRound->addItem(QString::fromStdString(Round->GetName()));
    rounds->First();
    lstRound->setCurrentRow(lstRound->count() > 0 ? 0 : -1);
    if (lstRound->count() < 2)
        lstRound->hide();
}

void TChampTablePage::Fill()
{
    TableGrid->Table()->SelectTable(ChampID, SeasonID(), Sides.Field(), RoundID());
    TableGrid->FillTable();
}

DBTable* TChampTablePage::Standings() const
{
    return TableGrid->Table();
}

int TChampTablePage::SeasonID()
{
    return Season->GetSeasonID();
}

int TChampTablePage::RoundID()
{
    return Round->Count() > 0 ? Round->GetRoundID() : 0;
}

void TChampTablePage::cboTableSeasonChange()
{
    SyncCombo(cboTableSeason, Season.get());
    FillRounds();
    Fill();
}

void TChampTablePage::lstRoundClick()
{
    if (lstRound->currentRow() < 0)
        return;
    Round->MoveBy(lstRound->currentRow());
    Fill();
}
