#pragma once

// The progress bar that long jobs move (Min 0, Max 100). Core code sees only this;
// each window hands in an adapter over its own bar widget.
class IProgressBar {
public:
    virtual ~IProgressBar() = default;
    virtual int Position() const = 0;
    virtual void SetPosition(int position) = 0;
};
