#include "ui/fixedformpage.h"

#include "platform/controltext.h"
#include "presenters/dbresultgrid.h"
#include "presenters/gridfill.h"

#include <QChartView>
#include <QLabel>
#include <QVBoxLayout>

TFixedFormPage::TFixedFormPage(QWidget* parent, FixedTeams& teams) : TFixedPage(parent, "tabForm", teams)
{
    lblFormLast5 = new QLabel(this);
    lblFormLast5->setObjectName("lblFormLast5");
    SetCaption(lblFormLast5, LangText(1237));
    chartForm1 = AddChartView(this, "chartForm1");
    chartForm2 = AddChartView(this, "chartForm2");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(lblFormLast5);
    layout->addWidget(chartForm1, 1);
    layout->addWidget(chartForm2, 1);
}

void TFixedFormPage::ShowForm()
{
    DBResultGrid::LoadEloChart(chartForm1->chart(), Teams.team1ID);
    DBResultGrid::LoadEloChart(chartForm2->chart(), Teams.team2ID);
}
