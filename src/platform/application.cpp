#include "platform/application.h"

#include <QCoreApplication>

void ProcessMessages()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}
