#pragma once

#include <vector>

#include "platform/progressbar.h"

// A progress bar that remembers every position it was set to.
class RecordingProgressBar : public IProgressBar {
public:
    explicit RecordingProgressBar(int position = 0) : position_(position) {}

    int Position() const override { return position_; }
    void SetPosition(int position) override
    {
        position_ = position;
        positions_.push_back(position);
    }
    const std::vector<int>& Positions() const { return positions_; }

private:
    int position_;
    std::vector<int> positions_;
};
