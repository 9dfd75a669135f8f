#pragma once

#include <functional>

#include "ui/cardform.h"

class DBFilter;

// A page of the nearest-matches window. The window fills the active page on every
// change of page; each page restores its remembered values when the window is shown
// and writes them when it is destroyed. A double click whose view the history takes
// hands the window back.
class TTodayPage : public TCardPage {
    Q_OBJECT

public:
    // Runs add, which adds a view to the history and tells whether it was taken, when the
    // window lets a view be added, and hands the window back when it was taken.
    using ViewAdder = std::function<void(const std::function<bool()>& add)>;

    // The window's key of remembered values.
    static constexpr const char* FormKey = "DlgToday";
    // The room of a page inside the page control, from PageLeft.
    static constexpr int PageLeft = 2;
    static constexpr int PageWidth = 717;
    static constexpr int PageHeight = 398;

    // From the remembered values of FormKey, loaded by the window.
    virtual void Restore() = 0;
    virtual void Remember() = 0;

protected:
    TTodayPage(QWidget* parent, const char* name, DBFilter* filter, ViewAdder addView);

    // The view that add adds, through the window.
    void AddView(const std::function<bool()>& add) const;
    // The remembered integer of index when it is below count and not negative, else 0:
    // other values come only from a settings file edited by other means.
    static int RememberedIndex(int index, int count);

    DBFilter* const Filter;

private:
    const ViewAdder addView_;
};
