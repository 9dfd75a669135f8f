#include "platform/tmemo.h"

TMemo::TMemo(QWidget* parent) : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
}
