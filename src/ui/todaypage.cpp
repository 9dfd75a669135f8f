#include "ui/todaypage.h"

#include "data/dbsetting.h"

#include <utility>

TTodayPage::TTodayPage(QWidget* parent, const char* name, DBFilter* filter, std::function<void()> handBack)
    : TCardPage(parent, name), Filter(filter), handBack_(std::move(handBack))
{
}

void TTodayPage::HandBack(bool added) const
{
    if (added)
        handBack_();
}

int TTodayPage::RememberedIndex(int index, int count)
{
    const int value = DBSetting::Global()->GetFormInt(index);
    return value >= 0 && value < count ? value : 0;
}
