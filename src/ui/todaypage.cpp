#include "ui/todaypage.h"

#include "data/dbsetting.h"

#include <utility>

TTodayPage::TTodayPage(QWidget* parent, const char* name, DBFilter* filter, ViewAdder addView)
    : TCardPage(parent, name), Filter(filter), addView_(std::move(addView))
{
}

void TTodayPage::AddView(const std::function<bool()>& add) const
{
    addView_(add);
}

int TTodayPage::RememberedIndex(int index, int count)
{
    const int value = DBSetting::Global()->GetFormInt(index);
    return value >= 0 && value < count ? value : 0;
}
