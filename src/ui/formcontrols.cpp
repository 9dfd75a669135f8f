#include "ui/formcontrols.h"

#include "ui/formfont.h"

void BeginDialog(QWidget* form, const char* name, const std::string& caption, int width, int height)
{
    form->setObjectName(name);
    form->setWindowTitle(QString::fromStdString(caption));
    SetDialogBorder(form, width, height);
    SetFormFont(form);
}
