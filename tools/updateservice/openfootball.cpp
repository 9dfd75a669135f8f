#include "openfootball.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include "data/codes.h"
#include "platform/exceptions.h"

namespace {

QString Text(const QJsonObject& object, const char* key)
{
    return object.value(key).toString().trimmed();
}

// "Matchday 12" or "Regular, Matchday 12"; other rounds (play-offs, finals) are no
// matchdays of the league.
std::optional<int> Matchday(const QString& round)
{
    static const QRegularExpression pattern(R"(\bMatchday\s+(\d+)\s*$)");
    const QRegularExpressionMatch match = pattern.match(round);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).toInt();
}

// A round outside the table is named by its last part ("Finals, Semifinals" is a
// semi-final), else by the file's stage ("Playoffs").
std::string StageName(const QString& round, const QString& stage)
{
    const QString name = round.isEmpty() ? stage : round.section(',', -1).trimmed();
    return name.isEmpty() ? "Other" : name.toStdString();
}

std::optional<std::pair<int, int>> Score(const QJsonObject& score, bool& aet)
{
    const QJsonArray extra = score.value("et").toArray();
    const QJsonArray full = score.value("ft").toArray();
    aet = extra.size() == 2;
    const QJsonArray& goals = aet ? extra : full;
    if (goals.size() != 2 || !goals[0].isDouble() || !goals[1].isDouble())
        return std::nullopt;
    return std::make_pair(goals[0].toInt(), goals[1].toInt());
}

FileMatch ReadMatch(const QJsonObject& match, int index, bool league)
{
    FileMatch read;
    read.date = QDate::fromString(Text(match, "date"), Qt::ISODate);
    read.fixTime = FixTimeOfClock(Text(match, "time").toStdString());
    read.team1 = Text(match, "team1").toStdString();
    read.team2 = Text(match, "team2").toStdString();
    if (read.team1.empty() || read.team2.empty())
        throw EConvertError("match " + std::to_string(index) + " has no teams");
    if (!read.date.isValid())
        throw EConvertError("match " + std::to_string(index) + " has no valid date");

    const QString round = Text(match, "round");
    const QString stage = Text(match, "stage");
    const std::optional<int> matchday = Matchday(round);
    if (league && matchday && (stage.isEmpty() || stage == "Regular"))
        read.tur = *matchday;
    else
        read.stage = StageName(round, stage);
    read.score = Score(match.value("score").toObject(), read.aet);
    return read;
}

}  // namespace

SeasonFile ReadOpenFootballJson(const std::string& json, int champTypeID)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(json), &error);
    if (document.isNull())
        throw EConvertError("not a JSON text: " + error.errorString().toStdString());
    const QJsonObject root = document.object();
    if (!root.value("matches").isArray())
        throw EConvertError("no match list in the season file");

    SeasonFile season;
    // "English Premier League 2018/19" names the tournament and its season.
    static const QRegularExpression seasonPart(R"(\s*(\d{4}/\d{2})\s*$)");
    const QString name = Text(root, "name");
    const QRegularExpressionMatch part = seasonPart.match(name);
    season.seasonName = part.captured(1).toStdString();
    season.name = QString(name).remove(seasonPart).trimmed().toStdString();
    int index = 0;
    for (const QJsonValue& value : root.value("matches").toArray())
        season.matches.push_back(ReadMatch(value.toObject(), ++index, champTypeID == ChampTypeID::League));
    return season;
}
