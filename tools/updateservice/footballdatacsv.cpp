#include "footballdatacsv.h"

#include <QRegularExpression>
#include <QString>

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

#include "platform/exceptions.h"

namespace {

// One price in its opening and closing column; "" where the source has no closing one.
struct PriceColumn {
    const char* opening;
    const char* closing;
};

// Where each odd is looked for, best first: Bet365, the market average (2019-20 on),
// then the Betbrain average of the older files.
struct OddsField {
    std::string MatchOdds::*field;
    std::vector<PriceColumn> columns;
};

const std::vector<OddsField> OddsFields = {
        {&MatchOdds::kef1, {{"B365H", "B365CH"}, {"AvgH", "AvgCH"}, {"BbAvH", ""}}},
        {&MatchOdds::kefX, {{"B365D", "B365CD"}, {"AvgD", "AvgCD"}, {"BbAvD", ""}}},
        {&MatchOdds::kef2, {{"B365A", "B365CA"}, {"AvgA", "AvgCA"}, {"BbAvA", ""}}},
        {&MatchOdds::un25, {{"B365<2.5", "B365C<2.5"}, {"Avg<2.5", "AvgC<2.5"}, {"BbAv<2.5", ""}}},
        {&MatchOdds::ov25, {{"B365>2.5", "B365C>2.5"}, {"Avg>2.5", "AvgC>2.5"}, {"BbAv>2.5", ""}}},
        {&MatchOdds::handicap, {{"AHh", "AHCh"}, {"BbAHh", ""}}},
        {&MatchOdds::asianKef1, {{"B365AHH", "B365CAHH"}, {"AvgAHH", "AvgCAHH"}, {"BbAvAHH", ""}}},
        {&MatchOdds::asianKef2, {{"B365AHA", "B365CAHA"}, {"AvgAHA", "AvgCAHA"}, {"BbAvAHA", ""}}},
};

const char* const RequiredColumns[] = {"Date", "HomeTeam", "AwayTeam", "FTHG", "FTAG"};

std::vector<std::string> SplitFields(const std::string& line)
{
    std::vector<std::string> fields(1);
    for (const char c : line) {
        if (c == ',')
            fields.emplace_back();
        else
            fields.back() += c;
    }
    for (std::string& field : fields)
        field = QString::fromStdString(field).trimmed().toStdString();
    return fields;
}

std::vector<std::string> Lines(std::string text)
{
    if (text.rfind("\xEF\xBB\xBF", 0) == 0)
        text.erase(0, 3);
    std::vector<std::string> lines(1);
    for (const char c : text) {
        if (c == '\n')
            lines.emplace_back();
        else if (c != '\r')
            lines.back() += c;
    }
    return lines;
}

bool Blank(const std::vector<std::string>& fields)
{
    return std::all_of(fields.begin(), fields.end(), [](const std::string& field) { return field.empty(); });
}

class Rows {
public:
    explicit Rows(const std::vector<std::string>& head)
    {
        for (size_t i = 0; i < head.size(); ++i)
            columns_.emplace(head[i], i);
        for (const char* name : RequiredColumns)
            if (!columns_.count(name))
                throw EConvertError(std::string("no column ") + name + " in the head of the file");
        count_ = head.size();
    }

    FileMatch Read(const std::vector<std::string>& fields, int line, OddsChoice choice) const
    {
        if (fields.size() != count_)
            throw Error(line, std::to_string(fields.size()) + " fields where the head names " + std::to_string(count_));
        FileMatch match;
        match.date = Date(Cell(fields, "Date"), line);
        match.fixTime = FixTimeOfClock(Cell(fields, "Time"));
        match.team1 = Cell(fields, "HomeTeam");
        match.team2 = Cell(fields, "AwayTeam");
        if (match.team1.empty() || match.team2.empty())
            throw Error(line, "a team is missing");
        match.score = Score(Cell(fields, "FTHG"), Cell(fields, "FTAG"), line);
        for (const OddsField& odds : OddsFields)
            match.odds.*odds.field = Price(fields, odds.columns, choice, line);
        return match;
    }

private:
    static EConvertError Error(int line, const std::string& what)
    {
        return EConvertError("line " + std::to_string(line) + ": " + what);
    }

    std::string Cell(const std::vector<std::string>& fields, const std::string& column) const
    {
        const auto found = columns_.find(column);
        return found == columns_.end() ? std::string() : fields[found->second];
    }

    static QDate Date(const std::string& text, int line)
    {
        static const QRegularExpression pattern(R"(^(\d{1,2})/(\d{1,2})/(\d{2}|\d{4})$)");
        const QRegularExpressionMatch parts = pattern.match(QString::fromStdString(text));
        QDate date;
        if (parts.hasMatch()) {
            int year = parts.captured(3).toInt();
            // Two-digit years: the files begin in the 1990s.
            if (parts.captured(3).size() == 2)
                year += year < 50 ? 2000 : 1900;
            date = QDate(year, parts.captured(2).toInt(), parts.captured(1).toInt());
        }
        if (!date.isValid())
            throw Error(line, "the date \"" + text + "\" is no dd/mm/yy or dd/mm/yyyy");
        return date;
    }

    static std::optional<std::pair<int, int>> Score(const std::string& home, const std::string& away, int line)
    {
        if (home.empty() && away.empty())
            return std::nullopt;
        bool homeOk = false;
        bool awayOk = false;
        const int gol1 = QString::fromStdString(home).toInt(&homeOk);
        const int gol2 = QString::fromStdString(away).toInt(&awayOk);
        if (!homeOk || !awayOk || gol1 < 0 || gol2 < 0)
            throw Error(line, "the score \"" + home + "\" - \"" + away + "\" is no pair of goal counts");
        return std::make_pair(gol1, gol2);
    }

    // The first filled cell of the columns, the closing ones first when they are asked for.
    std::string Price(const std::vector<std::string>& fields, const std::vector<PriceColumn>& columns,
                      OddsChoice choice, int line) const
    {
        std::vector<std::string> names;
        if (choice == OddsChoice::Closing)
            for (const PriceColumn& column : columns)
                names.emplace_back(column.closing);
        for (const PriceColumn& column : columns)
            names.emplace_back(column.opening);
        for (const std::string& name : names) {
            const std::string cell = name.empty() ? std::string() : Cell(fields, name);
            if (cell.empty())
                continue;
            bool number = false;
            const double value = QString::fromStdString(cell).toDouble(&number);
            if (!number || !std::isfinite(value))
                throw Error(line, name + " \"" + cell + "\" is no number");
            return cell;
        }
        return {};
    }

    std::map<std::string, size_t> columns_;
    size_t count_ = 0;
};

// football-data.co.uk has no matchdays: a match is the next game of the team that has
// played more, which keeps a rescheduled match in the round it belongs to.
void CountMatchdays(std::vector<FileMatch>& matches)
{
    std::map<std::string, int> games;
    for (FileMatch& match : matches) {
        match.tur = std::max(games[match.team1], games[match.team2]) + 1;
        ++games[match.team1];
        ++games[match.team2];
    }
}

}  // namespace

SeasonFile ReadFootballDataCsv(const std::string& text, OddsChoice odds)
{
    const std::vector<std::string> lines = Lines(text);
    size_t head = 0;
    while (head < lines.size() && Blank(SplitFields(lines[head])))
        ++head;
    if (head == lines.size())
        throw EConvertError("the file has no head row");
    const Rows rows(SplitFields(lines[head]));

    SeasonFile season;
    for (size_t i = head + 1; i < lines.size(); ++i) {
        const std::vector<std::string> fields = SplitFields(lines[i]);
        if (!Blank(fields))
            season.matches.push_back(rows.Read(fields, static_cast<int>(i) + 1, odds));
    }
    std::stable_sort(season.matches.begin(), season.matches.end(),
                     [](const FileMatch& a, const FileMatch& b) { return a.date < b.date; });
    CountMatchdays(season.matches);
    return season;
}
