#include "foundation/jxdatetime.h"

#include "platform/sysutils.h"

#include <cmath>
#include <ctime>

namespace {

std::int32_t UnixSeconds(TDateTime dt)
{
    return static_cast<std::int32_t>(
        std::llround((dt - JXDateTime::UnixEpochDay) * JXDateTime::SecondsPerDay));
}

}  // namespace

JXDateTime::JXDateTime() : Time(static_cast<std::int32_t>(std::time(nullptr))) {}

JXDateTime::JXDateTime(TDateTime dt) : Time(UnixSeconds(dt)) {}

JXDateTime& JXDateTime::operator=(TDateTime dt)
{
    Time = UnixSeconds(dt);
    return *this;
}

TDateTime JXDateTime::ToDateTime() const
{
    return static_cast<double>(Time) / SecondsPerDay + UnixEpochDay;
}

void JXDateTime::Encode(int year, int month, int day, int hour, int minute, int second)
{
    Time = UnixSeconds(EncodeDate(year, month, day) + EncodeTime(hour, minute, second, 0));
}

void JXDateTime::AddDays(int n)
{
    Time = static_cast<std::int32_t>(Time + static_cast<std::int64_t>(n) * SecondsPerDay);
}

AnsiString JXDateTime::Format(const AnsiString& pattern) const
{
    if (pattern.empty())
        return AnsiString();
    const std::time_t seconds = static_cast<std::time_t>(Time) + static_cast<std::time_t>(Offset) * 3600;
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    char buffer[80];
    const size_t length = std::strftime(buffer, sizeof buffer, pattern.c_str(), &utc);
    return AnsiString(buffer, length);
}

AnsiString JXDateTime::Year() const
{
    return Format("%Y");
}

AnsiString JXDateTime::Month() const
{
    return Format("%m");
}

AnsiString JXDateTime::Day() const
{
    return Format("%d");
}
