#include "openfootball.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <algorithm>
#include <optional>
#include <tuple>

#include "data/codes.h"
#include "platform/exceptions.h"
#include "platform/jetsql.h"

namespace {

struct Country {
    const char* fileCode;
    const char* id;
    const char* name;
};

const Country Countries[] = {
        {"en", "ENG", "England"}, {"de", "GER", "Germany"}, {"es", "ESP", "Spain"},
        {"it", "ITA", "Italy"},   {"fr", "FRA", "France"},
};

struct LeagueMatch {
    QDate date;
    std::string team1, team2;
    int gol1 = 0, gol2 = 0;
    int tur = 0;
    bool aet = false;
};

struct Season {
    int startYear = 0;
    std::string name;  // "2018/19"
};

// Fields of an instruction file cannot hold the table's separators, line breaks end
// nothing, and braces would start a statement tag: such characters become harmless ones.
std::string Printable(const std::string& value)
{
    std::string text;
    for (const char c : value) {
        if (c == ':' || c == ';' || static_cast<unsigned char>(c) < 0x20)
            text += ' ';
        else if (c == '{')
            text += '(';
        else if (c == '}')
            text += ')';
        else
            text += c;
    }
    return text;
}

std::string SqlText(const std::string& value)
{
    return JetQuoted(Printable(value));
}

std::string JetDate(const QDate& date)
{
    return "#" + date.toString("MM/dd/yyyy").toStdString() + "#";
}

std::string Insert(const std::string& table, const std::vector<std::string>& values)
{
    std::string joined;
    for (const std::string& value : values)
        joined += (joined.empty() ? "" : ",") + value;
    return "{i}" + table + "{v}" + joined + "{/v}";
}

std::string Num(int value)
{
    return std::to_string(value);
}

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

// The final score: after extra time when there was one.
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

struct Parsed {
    QString name;
    std::vector<LeagueMatch> played;
    std::vector<std::string> teams;  // every league team, also of matches still to play
    int skipped = 0;
};

Parsed ParseSeason(const std::string& json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(json), &error);
    if (document.isNull())
        throw EConvertError("not a JSON text: " + error.errorString().toStdString());
    const QJsonObject root = document.object();
    if (!root.value("matches").isArray())
        throw EConvertError("no match list in the season file");

    Parsed parsed;
    parsed.name = Text(root, "name");
    int index = 0;
    for (const QJsonValue& value : root.value("matches").toArray()) {
        ++index;
        const QJsonObject match = value.toObject();
        LeagueMatch league{QDate::fromString(Text(match, "date"), Qt::ISODate),
                           Printable(Text(match, "team1").toStdString()),
                           Printable(Text(match, "team2").toStdString())};
        if (league.team1.empty() || league.team2.empty())
            throw EConvertError("match " + std::to_string(index) + " has no teams");
        if (!league.date.isValid())
            throw EConvertError("match " + std::to_string(index) + " has no valid date");

        const QString stage = Text(match, "stage");
        const std::optional<int> matchday = Matchday(Text(match, "round"));
        if ((!stage.isEmpty() && stage != "Regular") || !matchday) {
            ++parsed.skipped;
            continue;
        }
        parsed.teams.push_back(league.team1);
        parsed.teams.push_back(league.team2);
        const std::optional<std::pair<int, int>> score = Score(match.value("score").toObject(), league.aet);
        if (!score) {
            ++parsed.skipped;
            continue;
        }
        league.tur = *matchday;
        std::tie(league.gol1, league.gol2) = *score;
        parsed.played.push_back(std::move(league));
    }
    std::sort(parsed.teams.begin(), parsed.teams.end());
    parsed.teams.erase(std::unique(parsed.teams.begin(), parsed.teams.end()), parsed.teams.end());
    return parsed;
}

// "English Premier League 2018/19" names the season; without it, the first match does.
Season SeasonOf(const Parsed& parsed)
{
    static const QRegularExpression pattern(R"((\d{4})/(\d{2})\s*$)");
    const QRegularExpressionMatch match = pattern.match(parsed.name);
    if (match.hasMatch())
        return {match.captured(1).toInt(), match.captured(0).trimmed().toStdString()};
    QDate first;
    for (const LeagueMatch& league : parsed.played)
        if (!first.isValid() || league.date < first)
            first = league.date;
    const int start = !first.isValid() ? QDate::currentDate().year()
                                       : (first.month() >= 7 ? first.year() : first.year() - 1);
    return {start, QString("%1/%2").arg(start).arg((start + 1) % 100, 2, 10, QChar('0')).toStdString()};
}

void FillDefaults(OpenFootballOptions& options, const Parsed& parsed, const Season& season,
                  const std::string& fileCode)
{
    const Country* country = std::find_if(std::begin(Countries), std::end(Countries),
                                          [&](const Country& c) { return fileCode == c.fileCode; });
    const bool known = country != std::end(Countries);
    const std::string code = QString::fromStdString(fileCode).toUpper().toStdString();
    if (options.nationalId.empty())
        options.nationalId = known ? country->id : code;
    if (options.nationalName.empty())
        options.nationalName = known ? country->name : code;
    if (options.champName.empty()) {
        static const QRegularExpression seasonPart(R"(\s*\d{4}/\d{2}\s*$)");
        options.champName = QString(parsed.name).remove(seasonPart).trimmed().toStdString();
        if (options.champName.empty())
            options.champName = options.nationalName + " league";
    }
    if (options.seasonId == 0)
        options.seasonId = season.startYear;
    options.fileCount = std::max(1, options.fileCount);
}

// The rows every list of the program relies on (season 0, the tournament 0 that stands
// for all, the three tournament types), then this season's own rows.
std::vector<std::string> ReferenceRows(const OpenFootballOptions& options, const Season& season,
                                       const std::map<std::string, int>& teams)
{
    const std::string nationalId = SqlText(options.nationalId);
    std::vector<std::string> rows = {
            Insert("[National]", {nationalId, SqlText(options.nationalName)}),
            Insert("ChampType", {Num(ChampTypeID::League), SqlText("League")}),
            Insert("ChampType", {Num(ChampTypeID::Cup), SqlText("Cup")}),
            Insert("ChampType", {Num(ChampTypeID::International), SqlText("International")}),
            Insert("Champ", {"0", SqlText("All tournaments"), nationalId, Num(ChampTypeID::League), "-1", SqlText(""),
                             "0"}),
            Insert("Champ", {Num(options.champId), SqlText(options.champName), nationalId,
                             Num(ChampTypeID::League), "-1", SqlText(options.champName), "1"}),
            Insert("Season", {"0", SqlText("All seasons"), "0"}),
            Insert("Season", {Num(options.seasonId), SqlText(season.name), Num(season.startYear)}),
            Insert("Round", {Num(options.roundId), SqlText("League"), "-1", "1"}),
    };
    for (const auto& [name, id] : teams)
        rows.push_back(Insert("Team", {Num(id), SqlText(name), nationalId}));
    return rows;
}

std::string FixedRow(const OpenFootballOptions& options, const std::map<std::string, int>& teams,
                     const LeagueMatch& match, int id)
{
    // No odds are known: the odds read as 0, as they would from an empty column.
    return Insert("Fixed", {Num(id), JetDate(match.date), Num(teams.at(match.team1)), Num(teams.at(match.team2)),
                            Num(match.gol1), Num(match.gol2), Num(match.tur), match.aet ? "-1" : "0",
                            Num(options.roundId), Num(options.champId), Num(options.seasonId), "0", "0", "0",
                            "0", "0", SqlText(""), "0", "0"});
}

// Each file leaves the data version at its own number, so the next login asks for the rest.
std::vector<std::string> VersionRows(int fileNumber, const QDate& date)
{
    return {"{d}Version",
            Insert("Version", {SqlText(std::to_string(fileNumber)),
                               SqlText(date.toString("dd.MM.yyyy").toStdString()), "-1"})};
}

}  // namespace

ConvertedSeason ConvertOpenFootballJson(const std::string& json, const std::string& fileCode,
                                        OpenFootballOptions options)
{
    const Parsed parsed = ParseSeason(json);
    const Season season = SeasonOf(parsed);
    FillDefaults(options, parsed, season, fileCode);

    ConvertedSeason converted;
    converted.matches = static_cast<int>(parsed.played.size());
    converted.skipped = parsed.skipped;
    for (const std::string& name : parsed.teams)
        converted.teams[name] = options.firstTeamId + static_cast<int>(converted.teams.size());

    const size_t perFile = (parsed.played.size() + options.fileCount - 1) / options.fileCount;
    QDate lastDate = QDate(season.startYear, 7, 1);
    for (int file = 0; file < options.fileCount; ++file) {
        std::vector<std::string> statements;
        if (file == 0)
            statements = ReferenceRows(options, season, converted.teams);
        const size_t begin = std::min(parsed.played.size(), file * perFile);
        const size_t end = std::min(parsed.played.size(), begin + perFile);
        for (size_t i = begin; i < end; ++i) {
            statements.push_back(FixedRow(options, converted.teams, parsed.played[i],
                                          options.firstMatchId + static_cast<int>(i)));
            lastDate = std::max(lastDate, parsed.played[i].date);
        }
        for (std::string& row : VersionRows(options.firstFileNumber + file, lastDate))
            statements.push_back(std::move(row));
        converted.files.push_back(std::move(statements));
    }
    return converted;
}

ConvertedSeason ConvertOpenFootballFile(const std::string& path, OpenFootballOptions options)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        throw EFileError("Cannot read " + path + ": " + file.errorString().toStdString());
    const std::string json = file.readAll().toStdString();
    // "en.1.json" is the first league of England.
    const std::string name = QFileInfo(file).fileName().toStdString();
    return ConvertOpenFootballJson(json, name.substr(0, name.find('.')), std::move(options));
}
