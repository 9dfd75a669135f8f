#include "platform/sysutils.h"

#include "platform/exceptions.h"

#include <QDate>
#include <QLocale>

#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <string_view>

namespace {

constexpr std::int64_t MsPerDay = 86'400'000;
// Day number of 1 January 1970 counted from 30 December 1899.
constexpr int UnixEpochDay = 25569;

std::string GeneralFloatText(double value)
{
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string text(buffer, result.ptr);
    if (text == "-0")
        text.erase(0, 1);
    const size_t exponent = text.find('e');
    if (exponent != std::string::npos) {
        // "1e+20" is written "1E20" and "1e-07" "1E-7", as the runtime did.
        std::string mantissa = text.substr(0, exponent);
        std::string power = text.substr(exponent + 1);
        const bool negative = power[0] == '-';
        power.erase(0, 1);
        power.erase(0, power.find_first_not_of('0'));
        text = mantissa + "E" + (negative ? "-" : "") + power;
    }
    return text;
}

std::string WithSeparator(std::string text, char separator)
{
    for (char& c : text)
        if (c == '.')
            c = separator;
    return text;
}

std::int64_t ToMilliseconds(TDateTime value)
{
    return static_cast<std::int64_t>(std::llround(value * MsPerDay));
}

std::chrono::sys_days ToSysDays(TDateTime value)
{
    std::int64_t ms = ToMilliseconds(value);
    std::int64_t days = ms / MsPerDay;
    if (ms % MsPerDay < 0)
        --days;
    return std::chrono::sys_days(std::chrono::days(days - UnixEpochDay));
}

std::string TwoDigits(int value)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d", value);
    return buffer;
}

}  // namespace

std::string IntToStr(std::int64_t value)
{
    return std::to_string(value);
}

bool TryStrToInt(const std::string& text, int& value)
{
    size_t start = text.find_first_not_of(' ');
    if (start == std::string::npos)
        return false;
    const char* first = text.data() + start;
    const char* last = text.data() + text.size();
    if (*first == '+')
        ++first;
    int parsed = 0;
    auto result = std::from_chars(first, last, parsed);
    if (result.ec != std::errc() || result.ptr != last || first == last)
        return false;
    value = parsed;
    return true;
}

int StrToInt(const std::string& text)
{
    int value = 0;
    if (!TryStrToInt(text, value))
        throw EConvertError("'" + text + "' is not a valid integer value");
    return value;
}

int StrToIntDef(const std::string& text, int fallback)
{
    int value = 0;
    return TryStrToInt(text, value) ? value : fallback;
}

char DecimalSeparator()
{
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 && point[0].unicode() < 128 ? static_cast<char>(point[0].unicode()) : '.';
}

std::string FloatToStr(double value)
{
    return WithSeparator(GeneralFloatText(value), DecimalSeparator());
}

std::string FloatToSqlStr(double value)
{
    return GeneralFloatText(value);
}

bool TryStrToFloat(const std::string& text, double& value)
{
    std::string normal = text;
    const size_t start = normal.find_first_not_of(' ');
    if (start == std::string::npos)
        return false;
    normal.erase(0, start);
    for (char& c : normal)
        if (c == ',' || c == DecimalSeparator())
            c = '.';
    const char* first = normal.data();
    const char* last = normal.data() + normal.size();
    if (*first == '+')
        ++first;
    double parsed = 0;
    auto result = std::from_chars(first, last, parsed);
    if (result.ec != std::errc() || result.ptr != last || first == last)
        return false;
    value = parsed;
    return true;
}

double StrToFloat(const std::string& text)
{
    double value = 0;
    if (!TryStrToFloat(text, value))
        throw EConvertError("'" + text + "' is not a valid floating point value");
    return value;
}

bool StrToBool(const std::string& text)
{
    const QString lower = QString::fromStdString(text).trimmed().toLower();
    if (lower == "true")
        return true;
    if (lower == "false")
        return false;
    double number = 0;
    if (TryStrToFloat(text, number))
        return number != 0;
    throw EConvertError("'" + text + "' is not a valid boolean value");
}

std::string BoolToStr(bool value)
{
    return value ? "True" : "False";
}

bool TryEncodeDate(int year, int month, int day, TDateTime& value)
{
    using namespace std::chrono;
    const year_month_day date{std::chrono::year(year), std::chrono::month(static_cast<unsigned>(month)),
                              std::chrono::day(static_cast<unsigned>(day))};
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || !date.ok())
        return false;
    value = static_cast<double>(sys_days(date).time_since_epoch().count() + UnixEpochDay);
    return true;
}

TDateTime EncodeDate(int year, int month, int day)
{
    TDateTime value = 0;
    if (!TryEncodeDate(year, month, day, value))
        throw EConvertError("Invalid argument to date encode");
    return value;
}

TDateTime EncodeTime(int hour, int minute, int second, int millisecond)
{
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || millisecond < 0 ||
        millisecond > 999)
        throw EConvertError("Invalid argument to time encode");
    return (((hour * 60 + minute) * 60 + second) * 1000.0 + millisecond) / MsPerDay;
}

void DecodeDate(TDateTime value, int& year, int& month, int& day)
{
    const std::chrono::year_month_day date{ToSysDays(value)};
    year = static_cast<int>(date.year());
    month = static_cast<int>(static_cast<unsigned>(date.month()));
    day = static_cast<int>(static_cast<unsigned>(date.day()));
}

void DecodeTime(TDateTime value, int& hour, int& minute, int& second, int& millisecond)
{
    std::int64_t ms = ToMilliseconds(value) % MsPerDay;
    if (ms < 0)
        ms += MsPerDay;
    millisecond = static_cast<int>(ms % 1000);
    second = static_cast<int>(ms / 1000 % 60);
    minute = static_cast<int>(ms / 60'000 % 60);
    hour = static_cast<int>(ms / 3'600'000);
}

int DayOfWeek(TDateTime value)
{
    const std::chrono::weekday weekday{ToSysDays(value)};
    return static_cast<int>(weekday.c_encoding()) + 1;
}

TDateTime Now()
{
    const std::time_t seconds = std::time(nullptr);
    std::tm local{};
    localtime_r(&seconds, &local);
    return EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) +
           EncodeTime(local.tm_hour, local.tm_min, local.tm_sec, 0);
}

TDateTime Date()
{
    return std::floor(Now());
}

std::string DateToStr(TDateTime value)
{
    return FormatDateTime("dd.mm.yyyy", value);
}

std::string ShortDateToStr(TDateTime value)
{
    int year = 0;
    int month = 0;
    int day = 0;
    DecodeDate(value, year, month, day);
    return QLocale().toString(QDate(year, month, day), QLocale::ShortFormat).toStdString();
}

std::string DateTimeToStr(TDateTime value)
{
    if (ToMilliseconds(value) % MsPerDay == 0)
        return DateToStr(value);
    return FormatDateTime("dd.mm.yyyy hh:nn:ss", value);
}

TDateTime StrToDateTime(const std::string& text)
{
    int day = 0, month = 0, year = 0, hour = 0, minute = 0, second = 0, consumed = 0;
    const int fields = std::sscanf(text.c_str(), "%d.%d.%d%n %d:%d%n:%d%n", &day, &month, &year, &consumed, &hour,
                                   &minute, &consumed, &second, &consumed);
    TDateTime date = 0;
    if (fields < 3 || fields == 4 || consumed != static_cast<int>(text.size()) ||
        !TryEncodeDate(year, month, day, date))
        throw EConvertError("'" + text + "' is not a valid date");
    return date + EncodeTime(hour, minute, second, 0);
}

std::string FormatDateTime(const std::string& pattern, TDateTime value)
{
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, ms = 0;
    DecodeDate(value, year, month, day);
    DecodeTime(value, hour, minute, second, ms);
    std::string out;
    bool afterHour = false;
    size_t i = 0;
    auto runOf = [&](char c) {
        size_t n = 0;
        while (i + n < pattern.size() && std::tolower(static_cast<unsigned char>(pattern[i + n])) == c)
            ++n;
        return n;
    };
    while (i < pattern.size()) {
        const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(pattern[i])));
        if (c == '\'' || c == '"') {
            const size_t close = pattern.find(pattern[i], i + 1);
            const size_t end = close == std::string::npos ? pattern.size() : close;
            out += pattern.substr(i + 1, end - i - 1);
            i = end + 1;
            continue;
        }
        const bool isField = std::string_view("ymdhnsz").find(c) != std::string_view::npos;
        const size_t n = isField ? runOf(c) : 1;
        switch (c) {
        case 'y':
            out += n <= 2 ? TwoDigits(year % 100) : std::to_string(year);
            break;
        case 'm':
            if (afterHour)
                out += n == 1 ? std::to_string(minute) : TwoDigits(minute);
            else
                out += n == 1 ? std::to_string(month) : TwoDigits(month);
            afterHour = false;
            break;
        case 'd':
            out += n == 1 ? std::to_string(day) : TwoDigits(day);
            break;
        case 'h':
            out += n == 1 ? std::to_string(hour) : TwoDigits(hour);
            afterHour = true;
            break;
        case 'n':
            out += n == 1 ? std::to_string(minute) : TwoDigits(minute);
            break;
        case 's':
            out += n == 1 ? std::to_string(second) : TwoDigits(second);
            break;
        case 'z': {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "%03d", ms);
            out += n >= 3 ? buffer : std::to_string(ms);
            break;
        }
        case '/':
            out += '.';
            break;
        default:
            out += pattern[i];
            break;
        }
        i += n;
    }
    return out;
}
