#include "platform/tupdown.h"

#include <QToolButton>

#include <algorithm>

TUpDown::TUpDown(QWidget* parent) : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this))
{
    up_->setObjectName("up");
    down_->setObjectName("down");
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    for (QToolButton* button : {up_, down_}) {
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
    }
    connect(up_, &QToolButton::clicked, this, [this] { Step(btNext); });
    connect(down_, &QToolButton::clicked, this, [this] { Step(btPrev); });
    resize(17, 21);
}

void TUpDown::SetRange(int min, int max)
{
    min_ = min;
    max_ = std::max(min, max);
    position_ = std::clamp(position_, min_, max_);
}

void TUpDown::SetPosition(int position)
{
    position_ = std::clamp(position, min_, max_);
}

void TUpDown::Step(TUDBtnType button)
{
    const int next = std::clamp(position_ + (button == btNext ? 1 : -1), min_, max_);
    if (next == position_)
        return;
    position_ = next;
    emit Click(button);
}

void TUpDown::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}
