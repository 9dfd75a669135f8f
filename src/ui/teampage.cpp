#include "ui/teampage.h"

#include "data/codes.h"
#include "data/dbteam.h"
#include "platform/controltext.h"
#include "platform/sysutils.h"
#include "presenters/gridfill.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLegend>
#include <QVBoxLayout>

#include <algorithm>

TTeamPage::TTeamPage(QWidget* parent, const char* name, DBTeam* team) : TCardPage(parent, name), Team(team) {}

int TTeamPage::TeamID() const
{
    return Team->GetTeamID();
}

void CheckRow::SetCaptions(std::initializer_list<int> textIds) const
{
    auto box = boxes.begin();
    for (auto id = textIds.begin(); box != boxes.end() && id != textIds.end(); ++box, ++id)
        SetCaption(*box, LangText(*id));
}

bool CheckRow::AllChecked() const
{
    return std::all_of(boxes.begin(), boxes.end(), [](const QCheckBox* box) { return box->isChecked(); });
}

AnsiString CheckRow::TypeList() const
{
    const int types[] = {ChampTypeID::League, ChampTypeID::Cup, ChampTypeID::International};
    AnsiString list;
    for (size_t i = 0; i < boxes.size() && i < std::size(types); ++i)
        if (boxes[i]->isChecked())
            list += (list.empty() ? "" : ",") + IntToStr(types[i]);
    return list;
}

void CheckRow::OnToggled(QObject* receiver, const std::function<void()>& handler) const
{
    for (QCheckBox* box : boxes)
        QObject::connect(box, &QCheckBox::toggled, receiver, [handler] { handler(); });
}

CheckRow AddCheckRow(QWidget* parent, std::initializer_list<CheckName> boxes)
{
    CheckRow row;
    row.frame = new QGroupBox(parent);
    auto* layout = new QHBoxLayout(row.frame);
    layout->setContentsMargins(6, 2, 6, 2);
    for (const CheckName& named : boxes) {
        auto* box = new QCheckBox(row.frame);
        box->setObjectName(named.name);
        box->setChecked(true);
        layout->addWidget(box);
        row.boxes.push_back(box);
        *named.member = box;
    }
    return row;
}

CheckRow AddTypeBoxes(QWidget* parent, std::initializer_list<CheckName> boxes)
{
    CheckRow types = AddCheckRow(parent, boxes);
    types.SetCaptions({1133, 1134, 1135});
    return types;
}

QChartView* AddChartView(QWidget* parent, const char* name)
{
    auto* view = new QChartView(parent);
    view->setObjectName(name);
    view->setRenderHint(QPainter::Antialiasing);
    view->chart()->legend()->hide();
    view->chart()->setMargins(QMargins(2, 2, 2, 2));
    return view;
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
