#include "ui/cardform.h"

#include "data/codes.h"
#include "data/dbasecontrols.h"
#include "data/dbseason.h"
#include "foundation/jxgrid.h"
#include "platform/controltext.h"
#include "platform/eventhandler.h"
#include "platform/sysutils.h"
#include "platform/tpagecontrol.h"
#include "presenters/gridfill.h"
#include "ui/flagpicture.h"
#include "ui/formcontrols.h"
#include "ui/formfont.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLegend>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>
#include <utility>

namespace {

constexpr int FlagWidth = 20;
constexpr int FlagHeight = 13;
constexpr int TitlePixels = 21;
constexpr TColor TitleColor = 0xFF0000;  // blue
constexpr int SeasonComboWidth = 130;

}  // namespace

TCardPage::TCardPage(QWidget* parent, const char* name) : QWidget(parent)
{
    setObjectName(name);
}

TGridPage::TGridPage(QWidget* parent, const char* name, const char* gridName, std::function<void()> fill)
    : TCardPage(parent, name), grid_(new TJXGrid(this)), fill_(std::move(fill))
{
    grid_->setObjectName(gridName);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(grid_);
}

void TGridPage::Fill()
{
    fill_();
}

TCardForm::TCardForm(QWidget* owner, const char* name) : TForm(owner)
{
    setObjectName(name);
    // A child of its owner from the start: the main window shows it in its card area.
    setWindowFlags(Qt::Widget | Qt::FramelessWindowHint);
    setFixedSize(CardWidth, CardHeight);
    // A child widget paints no background of its own: without one the main window's
    // navigation bar would show through the card's header.
    setAutoFillBackground(true);
    SetFormFont(this);
}

QWidget* TCardForm::AddHeader(const char* name)
{
    return AddControl<QWidget>(this, name, QRect(0, 0, CardWidth, HeaderHeight));
}

QLabel* TCardForm::AddHeaderFlag(QWidget* header, const char* name, int left)
{
    return AddControl<QLabel>(header, name, QRect(left, (HeaderHeight - FlagHeight) / 2, FlagWidth, FlagHeight));
}

QLabel* TCardForm::AddHeaderTitle(QWidget* header, const char* name, const QRect& geometry)
{
    auto* title = AddControl<QLabel>(header, name, geometry);
    title->setAlignment(Qt::AlignCenter);
    SetFormFont(title, TitlePixels);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    SetFontColor(title, TitleColor);
    return title;
}

QTabWidget* TCardForm::AddPages()
{
    pages_ = AddControl<TPageControl>(this, "page1", QRect(0, HeaderHeight, CardWidth, CardHeight - HeaderHeight));
    return pages_;
}

void TCardForm::AddPage(TCardPage* page)
{
    pages_->addTab(page, QString());
}

void TCardForm::SetPageVisible(TCardPage* page, bool visible)
{
    pages_->setTabVisible(pages_->indexOf(page), visible);
}

void TCardForm::page1Change()
{
    if (auto* page = qobject_cast<TCardPage*>(pages_->currentWidget()))
        page->Fill();
}

void TCardForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        return;
    TForm::keyPressEvent(event);
}

void TCardForm::ConnectPages()
{
    ConnectHandler(pages_, &QTabWidget::currentChanged, this, &TCardForm::page1Change);
}

void RadioRow::SetCaptions(std::initializer_list<int> textIds) const
{
    auto radio = radios.begin();
    for (auto id = textIds.begin(); radio != radios.end() && id != textIds.end(); ++radio, ++id)
        SetCaption(*radio, LangText(*id));
}

int RadioRow::Checked() const
{
    for (size_t i = 0; i < radios.size(); ++i)
        if (radios[i]->isChecked())
            return static_cast<int>(i);
    return -1;
}

int RadioRow::Field() const
{
    switch (Checked()) {
    case 1: return FieldCode::Home;
    case 2: return FieldCode::Away;
    default: return FieldCode::Both;
    }
}

void RadioRow::OnChecked(QObject* receiver, const std::function<void()>& handler) const
{
    for (QRadioButton* radio : radios)
        ConnectHandler(radio, &QRadioButton::toggled, receiver, [handler](bool checked) {
            if (checked)
                handler();
        });
}

RadioRow AddRadioRow(QWidget* parent, const char* frameName, std::initializer_list<RadioName> radios,
                     Qt::Orientation orientation)
{
    RadioRow row;
    row.frame = new QGroupBox(parent);
    if (frameName)
        row.frame->setObjectName(frameName);
    auto* layout = new QBoxLayout(orientation == Qt::Horizontal ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom,
                                  row.frame);
    layout->setContentsMargins(6, 2, 6, 2);
    for (const RadioName& named : radios) {
        auto* radio = new QRadioButton(row.frame);
        radio->setObjectName(named.name);
        layout->addWidget(radio);
        row.radios.push_back(radio);
        *named.member = radio;
    }
    if (!row.radios.empty())
        row.radios.front()->setChecked(true);
    return row;
}

RadioRow AddSideRadios(QWidget* parent, const char* frameName, std::initializer_list<RadioName> radios)
{
    RadioRow sides = AddRadioRow(parent, frameName, radios);
    sides.SetCaptions({1092, 1093, 1094});
    return sides;
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
        ConnectHandler(box, &QCheckBox::toggled, receiver, [handler] { handler(); });
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

QVBoxLayout* AddPageLayout(QWidget* page, std::initializer_list<QWidget*> options)
{
    auto* row = new QHBoxLayout;
    for (QWidget* option : options)
        row->addWidget(option);
    row->addStretch();
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(row);
    return layout;
}

QComboBox* AddSeasonCombo(QWidget* page, const char* name)
{
    auto* combo = new QComboBox(page);
    combo->setObjectName(name);
    combo->setFixedWidth(SeasonComboWidth);
    combo->setMaxVisibleItems(20);
    return combo;
}

void FillSeasonCombo(QComboBox* combo, DBSeason* seasons, const AnsiString& seasonName)
{
    seasons->OpenList(true);
    FillCombo(combo, seasons);
    SelectComboText(combo, seasons, seasonName);
    // Filling leaves the rows behind the last one: the cursor must follow the choice.
    SyncCombo(combo, seasons);
}
