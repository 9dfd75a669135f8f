#include "platform/imagelist.h"

#include <QIcon>
#include <QPainter>

TImageList::TImageList(int width, int height) : width_(width), height_(height) {}

int TImageList::Add(const QPixmap& image)
{
    const QSize size(width_, height_);
    images_.push_back(image.size() == size
            ? image
            : image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    return Count() - 1;
}

void TImageList::Draw(QPainter& painter, int x, int y, int index, bool enabled) const
{
    if (index < 0 || index >= Count())
        return;
    const QPixmap& image = images_[index];
    if (enabled)
        painter.drawPixmap(x, y, image);
    else
        painter.drawPixmap(x, y, QIcon(image).pixmap(image.size(), QIcon::Disabled));
}
