#include "ui/formfont.h"

#include "platform/formlayout.h"

#include <QWidget>

void SetFormFont(QWidget* form, int pixels, int stretch)
{
    QFont font = form->font();
    font.setPixelSize(pixels);
    font.setStretch(stretch);
    form->setFont(font);
}

void BeginDialog(QWidget* form, const char* name, const std::string& caption, int width, int height)
{
    BeginDialogLayout(form, name, caption, width, height);
    SetFormFont(form);
}
