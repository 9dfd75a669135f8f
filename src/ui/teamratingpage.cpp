#include "ui/teamratingpage.h"

#include "presenters/dbresultgrid.h"

#include <QChartView>
#include <QVBoxLayout>

TTeamRatingPage::TTeamRatingPage(QWidget* parent, DBTeam* team) : TTeamPage(parent, "tabForm", team)
{
    chartForm = AddChartView(this, "chartForm");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(chartForm);
}

void TTeamRatingPage::Fill()
{
    DBResultGrid::LoadEloChart(chartForm->chart(), TeamID());
}
