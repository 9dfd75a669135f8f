#include "ui/flagpicture.h"

#include "platform/programfolder.h"

#include <QLabel>
#include <QPixmap>

void LoadFlagPicture(QLabel* image)
{
    image->setPixmap(QPixmap(QString::fromStdString(ProgramFolder() + "Flags/NOT.bmp")));
}
