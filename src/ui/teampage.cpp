#include "ui/teampage.h"

#include "data/dbteam.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

TTeamPage::TTeamPage(QWidget* parent, const char* name, DBTeam* team) : TCardPage(parent, name), Team(team) {}

int TTeamPage::TeamID() const
{
    return Team->GetTeamID();
}

void AddGridChartLayout(QWidget* page, std::initializer_list<QWidget*> options, QWidget* grid, QWidget* chartOptions,
                        QWidget* chart)
{
    QVBoxLayout* layout = AddPageLayout(page, options);
    layout->addWidget(grid, 1);
    auto* row = new QHBoxLayout;
    row->addWidget(chartOptions);
    row->addStretch();
    layout->addLayout(row);
    layout->addWidget(chart, 1);
}
