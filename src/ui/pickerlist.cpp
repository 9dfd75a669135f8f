#include "ui/pickerlist.h"

#include "data/dbase.h"
#include "data/dbasecontrols.h"
#include "platform/controltext.h"
#include "ui/flagpicture.h"
#include "ui/formcontrols.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>

namespace {

constexpr int PanelHeight = 34;

}  // namespace

ChoicePanel AddChoicePanel(QWidget* form, const char* panelName, const char* labelName, const char* imageName,
                           int left, int top, int width)
{
    auto* panel = AddControl<QFrame>(form, panelName, QRect(left, top, width, PanelHeight));
    panel->setFrameShape(QFrame::StyledPanel);
    auto* image = AddControl<QLabel>(panel, imageName, QRect(8, (PanelHeight - 13) / 2, 20, 13));
    auto* label = AddControl<QLabel>(panel, labelName, QRect(34, 1, width - 40, PanelHeight - 2));
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    // Long names of a tournament and its country take a second line.
    label->setWordWrap(true);
    return {panel, label, image};
}

void FillChoiceList(QListWidget* list, DBase* data, const AnsiString& remembered)
{
    const QSignalBlocker quiet(list);
    FillList(list, data);
    const QList<QListWidgetItem*> found = list->findItems(QString::fromStdString(remembered), Qt::MatchFixedString);
    if (!found.isEmpty())
        list->setCurrentItem(found.first());
}

AnsiString ChoiceText(const QListWidget* list)
{
    const QListWidgetItem* item = list->currentItem();
    return item ? item->text().toStdString() : AnsiString();
}

void ShowChoice(QListWidget* list, DBase* data, const ChoicePanel& choice)
{
    if (list->count() == 0) {
        SetCaption(choice.label, "NOT");
    } else {
        SyncList(list, data);
        AnsiString text;
        data->GetItemText(text);
        SetCaption(choice.label, text);
    }
    LoadFlagPicture(choice.image);
}
