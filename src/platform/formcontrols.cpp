#include "platform/formcontrols.h"

#include <QLabel>
#include <QTabWidget>

QLabel* AddLabel(QWidget* parent, const char* name, int left, int top, const std::string& caption)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->move(left, top);
    SetLabelCaption(label, caption);
    return label;
}

void SetLabelCaption(QLabel* label, const std::string& caption)
{
    label->setText(QString::fromStdString(caption));
    label->adjustSize();
}

QWidget* AddPage(QTabWidget* pages, const char* name, const std::string& caption)
{
    auto* page = new QWidget(pages);
    page->setObjectName(name);
    pages->addTab(page, QString::fromStdString(caption));
    return page;
}

void SetDialogBorder(QWidget* form, int width, int height)
{
    form->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    form->setFixedSize(width, height);
}
