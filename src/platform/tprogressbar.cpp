#include "platform/tprogressbar.h"

#include <algorithm>

TProgressBar::TProgressBar(QWidget* parent) : QProgressBar(parent)
{
    setRange(0, 100);
    setValue(0);
    // The toolkit's bars show no percentage.
    setTextVisible(false);
    setFormat(QString());
}

int TProgressBar::Position() const
{
    return value();
}

void TProgressBar::SetPosition(int position)
{
    setValue(std::clamp(position, minimum(), maximum()));
}
