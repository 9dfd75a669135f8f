#include "seasonconverter.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <iterator>

#include "instructionfile.h"
#include "openfootball.h"
#include "platform/exceptions.h"
#include "platform/jetsql.h"

namespace {

struct Country {
    const char* jsonCode;  // openfootball file names: "en.1.json"
    const char* csvCode;   // football-data.co.uk divisions: "E0"
    const char* id;
    const char* name;
};

const Country Countries[] = {
        {"en", "E", "ENG", "England"}, {"de", "D", "GER", "Germany"}, {"es", "SP", "ESP", "Spain"},
        {"it", "I", "ITA", "Italy"},   {"fr", "F", "FRA", "France"},
};

// A round cell shows the stage's name and the matchday ("Round 25"): short enough for the
// lists' round columns.
const char* const TableStage = "Round";

bool IsCsv(const std::string& path)
{
    return QFileInfo(QString::fromStdString(path)).suffix().compare("csv", Qt::CaseInsensitive) == 0;
}

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

std::string Num(int value)
{
    return std::to_string(value);
}

// Odds the file lacks read as 0, as they would from an empty column.
std::string Odds(const std::string& value)
{
    return value.empty() ? "0" : value;
}

std::string Insert(const std::string& table, const std::vector<std::string>& values)
{
    std::string joined;
    for (const std::string& value : values)
        joined += (joined.empty() ? "" : ",") + value;
    return "{i}" + table + "{v}" + joined + "{/v}";
}

std::vector<std::string> OddsValues(const MatchOdds& odds)
{
    return {Odds(odds.kef1), Odds(odds.kefX), Odds(odds.kef2),      Odds(odds.un25),
            Odds(odds.ov25), SqlText(odds.handicap), Odds(odds.asianKef1), Odds(odds.asianKef2)};
}

SeasonFile ReadSource(const SeasonSource& source)
{
    QFile file(QString::fromStdString(source.path));
    if (!file.open(QIODevice::ReadOnly))
        throw EFileError("Cannot read " + source.path + ": " + file.errorString().toStdString());
    const std::string text = file.readAll().toStdString();
    try {
        if (!IsCsv(source.path))
            return ReadOpenFootballJson(text, source.typeID);
        if (source.typeID != ChampTypeID::League)
            throw EConvertError("a football-data.co.uk file holds a league");
        return ReadFootballDataCsv(text, source.odds);
    } catch (const EConvertError& error) {
        throw EConvertError(source.path + ": " + error.Message());
    }
}

// "en" of "en.1.json", "E" of "E0_1819.csv".
const Country* CountryOf(const std::string& path, std::string& code)
{
    const QString name = QFileInfo(QString::fromStdString(path)).fileName();
    const bool csv = IsCsv(path);
    static const QRegularExpression letters("^[A-Za-z]+");
    code = (csv ? letters.match(name).captured(0) : name.section('.', 0, 0)).toStdString();
    const auto known = std::find_if(std::begin(Countries), std::end(Countries), [&](const Country& country) {
        return code == (csv ? country.csvCode : country.jsonCode);
    });
    return known == std::end(Countries) ? nullptr : known;
}

QDate FirstDate(const SeasonFile& file)
{
    QDate first;
    for (const FileMatch& match : file.matches)
        if (!first.isValid() || match.date < first)
            first = match.date;
    return first;
}

std::vector<std::string> VersionRows(int fileNumber, const QDate& date)
{
    // Each file leaves the data version at its own number, so the next login asks for the rest.
    return {"{d}Version", Insert("Version", {SqlText(std::to_string(fileNumber)),
                                             SqlText(date.toString("dd.MM.yyyy").toStdString()), "-1"})};
}

}  // namespace

struct SeasonConverter::Placement {
    std::string nationalId, nationalName, champName, seasonName;
    int seasonId = 0;
    int startYear = 0;
};

struct SeasonConverter::MatchRow {
    std::string statement;
    QDate date;
    bool played = false;
};

SeasonConverter::SeasonConverter(SeasonRunIds ids)
    : nextChamp_(ids.firstChampId), nextRound_(ids.firstRoundId), nextTeam_(ids.firstTeamId),
      nextMatch_(ids.firstMatchId), nextFile_(ids.firstFileNumber)
{
}

SeasonConverter::Placement SeasonConverter::Place(const SeasonSource& source, const SeasonFile& file) const
{
    const auto filled = [](const std::string& given, const std::string& fallback) {
        return Printable(given.empty() ? fallback : given);
    };
    Placement place;
    std::string code;
    const Country* country = CountryOf(source.path, code);
    const std::string upper = QString::fromStdString(code).toUpper().toStdString();
    place.nationalId = filled(source.nationalId, country ? country->id : upper);
    place.nationalName = filled(source.nationalName, country ? country->name : upper);

    const std::string division =
            QFileInfo(QString::fromStdString(source.path)).completeBaseName().section('_', 0, 0).toStdString();
    place.champName = filled(source.champName, file.name);
    if (place.champName.empty())
        place.champName = Printable(place.nationalName + " " + (IsCsv(source.path) ? division : "league"));

    // A season starts in the second half of a year: "2018/19", or a first match in August 2018.
    const QDate first = FirstDate(file);
    place.startYear = !first.isValid() ? QDate::currentDate().year()
                                       : (first.month() >= 7 ? first.year() : first.year() - 1);
    place.seasonName = filled(source.seasonName, file.seasonName);
    static const QRegularExpression leadingYear(R"(^\s*(\d{4}))");
    const QRegularExpressionMatch year = leadingYear.match(QString::fromStdString(place.seasonName));
    if (year.hasMatch())
        place.startYear = year.captured(1).toInt();
    if (place.seasonName.empty())
        place.seasonName = QString("%1/%2").arg(place.startYear).arg((place.startYear + 1) % 100, 2, 10, QChar('0'))
                                   .toStdString();
    // A season the run has named already keeps its id.
    const auto known = seasons_.find(place.seasonName);
    if (known != seasons_.end())
        place.seasonId = known->second;
    else
        place.seasonId = source.seasonId != 0 ? source.seasonId : place.startYear;
    return place;
}

void SeasonConverter::AddRound(const std::string& name, bool isTable, std::vector<std::string>& rows)
{
    if (rounds_.count(name))
        return;
    // Stats gathers every stage outside the table under this id: no stage may take it.
    if (nextRound_ == TotalsRoundID)
        ++nextRound_;
    rounds_[name] = nextRound_;
    rows.push_back(Insert("Round", {Num(nextRound_), SqlText(name), isTable ? "-1" : "0", isTable ? "1" : "0"}));
    ++nextRound_;
}

// The rows of the names this source brings that the run has not written yet.
std::vector<std::string> SeasonConverter::NewRows(const SeasonSource& source, const Placement& place,
                                                  const SeasonFile& file)
{
    std::vector<std::string> rows;
    const std::string nationalId = SqlText(place.nationalId);
    if (std::find(nationals_.begin(), nationals_.end(), place.nationalId) == nationals_.end()) {
        nationals_.push_back(place.nationalId);
        rows.push_back(Insert("[National]", {nationalId, SqlText(place.nationalName)}));
    }
    if (!referenceWritten_) {
        referenceWritten_ = true;
        for (const auto& [id, name] : {std::pair{ChampTypeID::League, "League"}, std::pair{ChampTypeID::Cup, "Cup"},
                                       std::pair{ChampTypeID::International, "International"}})
            rows.push_back(Insert("ChampType", {Num(id), SqlText(name)}));
        rows.push_back(Insert("Champ", {"0", SqlText("All tournaments"), nationalId, Num(ChampTypeID::League), "-1",
                                        SqlText(""), "0"}));
        rows.push_back(Insert("Season", {"0", SqlText("All seasons"), "0"}));
    }
    if (!champs_.count(place.champName)) {
        champs_[place.champName] = nextChamp_;
        rows.push_back(Insert("Champ", {Num(nextChamp_++), SqlText(place.champName), nationalId, Num(source.typeID),
                                        "-1", SqlText(place.champName), "1"}));
    }
    if (!seasons_.count(place.seasonName)) {
        seasons_[place.seasonName] = place.seasonId;
        rows.push_back(Insert("Season", {Num(place.seasonId), SqlText(place.seasonName), Num(place.startYear)}));
    }
    std::vector<std::string> names;
    for (const FileMatch& match : file.matches) {
        AddRound(match.stage.empty() ? TableStage : Printable(match.stage), match.stage.empty(), rows);
        names.push_back(Printable(match.team1));
        names.push_back(Printable(match.team2));
    }
    // Teams new to the run get ids in the order of their names.
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    for (const std::string& name : names) {
        if (teams_.count(name))
            continue;
        teams_[name] = nextTeam_;
        rows.push_back(Insert("Team", {Num(nextTeam_++), SqlText(name), nationalId}));
    }
    return rows;
}

std::vector<SeasonConverter::MatchRow> SeasonConverter::MatchRows(const SeasonSource& source, const Placement& place,
                                                                  const SeasonFile& file, MatchCounts& counts)
{
    const std::string champ = Num(champs_.at(place.champName));
    std::vector<MatchRow> rows;
    for (const FileMatch& match : file.matches) {
        const std::string team1 = Num(teams_.at(Printable(match.team1)));
        const std::string team2 = Num(teams_.at(Printable(match.team2)));
        const std::string round = Num(rounds_.at(match.stage.empty() ? TableStage : Printable(match.stage)));
        std::vector<std::string> values;
        if (source.fixturesFrom.isValid() && match.date >= source.fixturesFrom) {
            values = {JetDate(match.date), team1, team2, round, Num(match.tur), champ,
                      SqlText(match.fixTime.empty() ? "0000" : match.fixTime)};
            for (std::string& odds : OddsValues(match.odds))
                values.push_back(std::move(odds));
            values.push_back(match.score ? Num(match.score->first) : "NULL");
            values.push_back(match.score ? Num(match.score->second) : "NULL");
            rows.push_back({Insert("Calendar", values), match.date, false});
            ++counts.fixtures;
        } else if (match.score) {
            values = {Num(nextMatch_++), JetDate(match.date), team1, team2, Num(match.score->first),
                      Num(match.score->second), Num(match.tur), match.aet ? "-1" : "0", round, champ,
                      Num(place.seasonId)};
            for (std::string& odds : OddsValues(match.odds))
                values.push_back(std::move(odds));
            rows.push_back({Insert("Fixed", values), match.date, true});
            ++counts.played;
        } else {
            ++counts.skipped;
        }
    }
    return rows;
}

ConvertedSource SeasonConverter::Convert(const SeasonSource& source, int fileCount)
{
    const SeasonFile file = ReadSource(source);
    const Placement place = Place(source, file);
    ConvertedSource converted;
    std::vector<std::string> head = NewRows(source, place, file);
    const std::vector<MatchRow> rows = MatchRows(source, place, file, converted.counts);

    fileCount = std::max(1, fileCount);
    const size_t perFile = (rows.size() + fileCount - 1) / fileCount;
    QDate lastPlayed(place.startYear, 7, 1);
    for (int n = 0; n < fileCount; ++n) {
        std::vector<std::string> statements = n == 0 ? std::move(head) : std::vector<std::string>();
        const size_t begin = std::min(rows.size(), n * perFile);
        const size_t end = std::min(rows.size(), begin + perFile);
        for (size_t i = begin; i < end; ++i) {
            statements.push_back(rows[i].statement);
            if (rows[i].played)
                lastPlayed = std::max(lastPlayed, rows[i].date);
        }
        for (std::string& row : VersionRows(nextFile_++, lastPlayed))
            statements.push_back(std::move(row));
        converted.files.push_back(std::move(statements));
    }
    return converted;
}

SeasonRun ConvertSeasons(const std::vector<SeasonSource>& sources, const std::string& folder, SeasonRunIds ids)
{
    SeasonConverter converter(ids);
    SeasonRun run;
    for (const SeasonSource& source : sources) {
        const int number = converter.NextFileNumber();
        const ConvertedSource converted = converter.Convert(source);
        WriteInstructionFiles(folder, number, converted.files);
        run.counts.push_back(converted.counts);
        run.files += static_cast<int>(converted.files.size());
    }
    run.teams = converter.Teams();
    run.champs = converter.Champs();
    run.seasons = converter.Seasons();
    run.rounds = converter.Rounds();
    return run;
}
