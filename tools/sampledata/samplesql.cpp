#include "sampledata/samplesql.h"

#include <cstdio>
#include <cstdlib>

#include "platform/jetsql.h"
#include "platform/sysutils.h"

std::string SqlText(std::string_view text)
{
    return JetQuoted(std::string(text));
}

std::string SqlDate(int day)
{
    int year = 0, month = 0, dayOfMonth = 0;
    DecodeDate(day, year, month, dayOfMonth);
    char text[16];
    std::snprintf(text, sizeof text, "#%02d/%02d/%04d#", month, dayOfMonth, year);
    return text;
}

std::string SqlHundredths(int hundredths)
{
    if (hundredths <= 0)
        return "0";
    char text[16];
    std::snprintf(text, sizeof text, "%d.%02d", hundredths / 100, hundredths % 100);
    return text;
}

std::string SqlHandicap(int quarters)
{
    static const char* const fractions[] = {"", ".25", ".5", ".75"};
    const int size = std::abs(quarters);
    return "'" + std::string(quarters < 0 ? "-" : "") + std::to_string(size / 4) + fractions[size % 4] + "'";
}

std::string SqlFixTime(int hhmm)
{
    char text[16];
    std::snprintf(text, sizeof text, "'%04d'", hhmm < 0 ? 0 : hhmm);
    return text;
}

std::string SqlTable(std::string_view table)
{
    return table == "National" ? "[National]" : std::string(table);
}

std::string InsertStatement(std::string_view table, const std::vector<std::string>& values)
{
    std::string statement = "{i}" + SqlTable(table);
    statement += "{v}";
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0)
            statement += ',';
        statement += values[i];
    }
    return statement + "{/v}";
}
