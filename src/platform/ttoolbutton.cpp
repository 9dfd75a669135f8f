#include "platform/ttoolbutton.h"

#include "platform/imagelist.h"

TToolButton::TToolButton(QWidget* parent) : QToolButton(parent)
{
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
}

void TToolButton::SetImages(const TImageList* images)
{
    images_ = images;
    if (images_)
        setIconSize(QSize(images_->Width(), images_->Height()));
    SetImageIndex(imageIndex_);
}

void TToolButton::SetImageIndex(int index)
{
    imageIndex_ = index;
    if (images_ && index >= 0 && index < images_->Count())
        setIcon(QIcon(images_->Image(index)));
    else
        setIcon(QIcon());
}
