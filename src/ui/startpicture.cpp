#include "ui/startpicture.h"

#include "foundation/jpegpicture.h"

QPixmap StartPicture()
{
    return QPixmap::fromImage(DecodeJpeg(StartPictureJpeg()));
}
