#pragma once

#include <QProgressBar>

#include "platform/progressbar.h"

// The toolkit's progress bar (Min 0, Max 100, starting at 0, no text) that long jobs move
// through IProgressBar. A position outside the range is clamped to it, as the
// toolkit's bar does, where a plain QProgressBar would ignore it.
class TProgressBar : public QProgressBar, public IProgressBar {
public:
    explicit TProgressBar(QWidget* parent = nullptr);

    int Position() const override;
    void SetPosition(int position) override;
};
