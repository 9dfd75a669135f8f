#include "data/dbasecontrols.h"

#include <QComboBox>
#include <QListWidget>

#include "data/dbase.h"

namespace {

QString ItemText(DBase* data)
{
    AnsiString text;
    data->GetItemText(text);
    return QString::fromStdString(text);
}

}  // namespace

void FillCombo(QComboBox* combo, DBase* data)
{
    combo->clear();
    TADOQuery* query = data->GetQuery();
    query->First();
    while (!query->Eof()) {
        combo->addItem(ItemText(data));
        query->Next();
    }
    combo->setCurrentIndex(combo->count() > 0 ? 0 : -1);
}

void SyncCombo(QComboBox* combo, DBase* data)
{
    if (combo->currentIndex() != -1)
        data->MoveBy(combo->currentIndex());
}

void FillList(QListWidget* list, DBase* data)
{
    list->clear();
    TADOQuery* query = data->GetQuery();
    query->First();
    int counter = 0;
    while (!query->Eof()) {
        list->addItem(ItemText(data));
        query->Next();
        if (counter > 1000)
            break;
        ++counter;
    }
    list->setCurrentRow(list->count() > 0 ? 0 : -1);
}

void SyncList(QListWidget* list, DBase* data)
{
    if (list->currentRow() != -1)
        data->MoveBy(list->currentRow());
}

void SelectComboText(QComboBox* combo, DBase* data, const AnsiString& text)
{
    const int index = combo->findText(QString::fromStdString(text), Qt::MatchFixedString);
    if (index < 0)
        return;
    combo->setCurrentIndex(index);
    data->MoveBy(index);
}
