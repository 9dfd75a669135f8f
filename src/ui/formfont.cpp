#include "ui/formfont.h"

#include <QWidget>

void SetFormFont(QWidget* form, int pixels, int stretch)
{
    QFont font = form->font();
    font.setPixelSize(pixels);
    font.setStretch(stretch);
    form->setFont(font);
}
