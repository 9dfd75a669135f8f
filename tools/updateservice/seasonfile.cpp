#include "seasonfile.h"

#include <QRegularExpression>
#include <QString>

std::string FixTimeOfClock(const std::string& clock)
{
    static const QRegularExpression pattern(R"(^([01]\d|2[0-3]):([0-5]\d)$)");
    const QRegularExpressionMatch parts = pattern.match(QString::fromStdString(clock));
    return parts.hasMatch() ? (parts.captured(1) + parts.captured(2)).toStdString() : std::string();
}
