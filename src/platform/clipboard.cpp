#include "platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

void SetClipboardText(const std::string& text)
{
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

std::string ClipboardText()
{
    return QGuiApplication::clipboard()->text().toStdString();
}
