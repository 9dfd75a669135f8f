#include "platform/tlabel.h"

#include <QMouseEvent>

TLabel::TLabel(QWidget* parent) : QLabel(parent)
{
}

void TLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}
