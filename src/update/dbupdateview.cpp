#include "update/dbupdateview.h"

#include <algorithm>
#include <optional>

#include "data/codes.h"
#include "data/datatransaction.h"
#include "data/dbase.h"
#include "data/dbconnect.h"
#include "data/dbseason.h"
#include "data/dbsetting.h"
#include "foundation/jxerr.h"
#include "foundation/jxfile.h"
#include "foundation/jxparse.h"
#include "platform/adoconnection.h"
#include "platform/adofield.h"
#include "platform/adoquery.h"
#include "platform/application.h"
#include "platform/exceptions.h"
#include "platform/progressbar.h"
#include "platform/sysutils.h"

namespace {

void SetBar(IProgressBar* bar, int position)
{
    if (bar)
        bar->SetPosition(position);
}

// The position after done of count equal shares of span from start. Multiplying
// before dividing keeps whole positions exact, so the last share ends at start + span
// (adding span / count ten times ends a hair below).
double ProgressAt(double start, double span, int done, int count)
{
    return start + span * done / count;
}

// Runs one statement on data.mdb; a statement the database rejects is logged and raised.
// A rebuild stops at it: a table emptied by its DELETE and not refilled is no rebuild.
void Run(const AnsiString& sql)
{
    DBConnect::GetData()->ExecSQL(sql, true);
}

void MoveBar(IProgressBar* bar, int by)
{
    if (bar)
        bar->SetPosition(bar->Position() + by);
}

// Runs one statement of an instruction file on data.mdb. A statement the database
// rejects is logged and skipped; the result tells so, for the count of rejected ones.
bool Exec(const AnsiString& sql)
{
    try {
        Run(sql);
        return true;
    } catch (const Exception&) {
        return false;
    }
}

// The matches of one side as TeamResults rows: own goals in Gol1, the rival's in Gol2.
AnsiString TeamResultsInsertSql(int side, int fromSeasonID)
{
    const bool home = side == FieldCode::Home;
    return AnsiString("INSERT INTO TeamResults SELECT Date AS [Date], ") + (home ? "Team1ID" : "Team2ID") +
           " AS TeamID, " + IntToStr(side) + " AS Field, Fixed.ChampID AS ChampID, Fixed.SeasonID AS SeasonID, " +
           (home ? "Fixed.Team2ID" : "Fixed.Team1ID") + " AS RivalID, " +
           (home ? "Fixed.Gol1 AS Gol1, Fixed.Gol2 AS Gol2" : "Fixed.Gol1 AS Gol2, Fixed.Gol2 AS Gol1") +
           ", 0 AS Tour FROM ChampType INNER JOIN (Champ INNER JOIN Fixed ON Champ.ChampID = Fixed.ChampID) ON "
           "ChampType.TypeID = Champ.TypeID WHERE SeasonID>=" +
           IntToStr(fromSeasonID) + " AND Champ.TypeID=" + IntToStr(ChampTypeID::League);
}

// The Stats rows of one side: every table round under its own RoundID, or the other
// rounds together under TotalsRoundID.
AnsiString StatsInsertSql(int side, bool tableRounds)
{
    const bool home = side == FieldCode::Home;
    const AnsiString own = home ? "Gol1" : "Gol2";
    const AnsiString rival = home ? "Gol2" : "Gol1";
    const AnsiString team = home ? "Team1ID" : "Team2ID";
    const AnsiString win = home ? "Gol1>Gol2" : "Gol1<Gol2";
    const AnsiString lose = home ? "Gol1<Gol2" : "Gol1>Gol2";
    const AnsiString round = tableRounds ? AnsiString("Fixed.RoundID") : IntToStr(TotalsRoundID);
    return "INSERT INTO Stats(ChampID,SeasonID,TeamID,RoundID,Field,Game,Win,Draw,Lose,Gol1,Gol2,Point,Under,Over,"
           "ByScore,ByMiss,NoScore,NoMiss,MinusF,PlusF) SELECT Fixed.ChampID,SeasonID," +
           team + "," + round + "," + IntToStr(side) + ",COUNT(*),-SUM(" + win + "),-SUM(Gol1=Gol2),-SUM(" + lose +
           "),SUM(" + own + "),SUM(" + rival + "),-SUM(" + win + ")*3+-SUM(Gol1=Gol2),-SUM(Gol1+Gol2<3),-SUM(Gol1+Gol2>2), -SUM(" +
           own + ">0),-SUM(" + rival + ">0),-SUM(" + own + "=0),-SUM(" + rival + "=0), -SUM(" + own + "-" + rival +
           ">1), -SUM(" + own + "-" + rival + ">-2) FROM Round INNER JOIN Fixed ON Round.RoundID = Fixed.RoundID " +
           "WHERE Round.IsTable=" + (tableRounds ? "True" : "False") + " " + "GROUP BY Fixed.ChampID,SeasonID," +
           team + (tableRounds ? ",Fixed.RoundID" : "");
}

// The user version of data.mdb tells whether TeamResults and Stats may be older than
// the matches.
namespace StatsMark {
constexpr int Current = 0;
constexpr int OutOfDate = 1;
}  // namespace StatsMark

void SetStatsMark(int mark)
{
    DBConnect::GetData()->GetConnection()->SetUserVersion(mark);
}

// Raised when no favourite tournament has a match to compute the series from.
class NoSeriesSource : public Exception {
public:
    NoSeriesSource() : Exception("DBUpdateView::CalcSeries: no matches to compute the series from") {}
};

// The total-goals line of the runs Over and Under: the threshold the nearest-matches
// window remembers (0 to 4 for 0.5 to 4.5).
double SeriesTotalLine()
{
    DBSetting* setting = DBSetting::Global();
    if (!setting)
        throw Exception("DBUpdateView::CalcSeries: the settings are not loaded");
    setting->LoadFormData("DlgToday");
    const int index = setting->GetFormInt(7);
    return index >= 0 && index <= 4 ? index + 0.5 : 0.5;
}

// Columns of a Series row after TeamID, Field, TypeID and Game, in the table's order
// of kinds: Under comes before Over there, the other way round in the run tables.
constexpr std::array<int, DBUpdateView::KindCount> SeriesColumnCounters = {
        SeriesCalcIndex::Win,       SeriesCalcIndex::Draw,    SeriesCalcIndex::Lose,     SeriesCalcIndex::NoWin,
        SeriesCalcIndex::NoDraw,    SeriesCalcIndex::NoLose,  SeriesCalcIndex::Under,    SeriesCalcIndex::Over,
        SeriesCalcIndex::WithScore, SeriesCalcIndex::NoScore, SeriesCalcIndex::WithMiss, SeriesCalcIndex::NoMiss,
        SeriesCalcIndex::NilNil};
static_assert(DBUpdateView::KindCount == SeriesCalcIndex::Count);

}  // namespace

DBUpdateView::DBUpdateView() = default;

DBUpdateView::~DBUpdateView() = default;

bool DBUpdateView::ApplyInstructions(const AnsiString& text, IProgressBar* bar, double step, double pos)
{
    JXParse table;
    table.ParseText(text);
    const int rows = table.RowCount();
    if (rows <= 0)
        return true;
    AnsiString statement;
    std::optional<DataTransaction> transaction;
    try {
        transaction.emplace();
        bool changed = false;
        for (int r = 0; r < rows; ++r) {
            statement = JXParse::ExpandSql(table.GetField(r, "instruct"));
            if (Exec(statement))
                changed = true;
            else
                ++rejected;
            transaction->CheckIntact();
            SetBar(bar, static_cast<int>(ProgressAt(pos, step, r + 1, rows)));
            ProcessMessages();
        }
        // With the file's data, so no kill can keep the data and lose the mark.
        if (changed)
            MarkStatsOutOfDate();
        transaction->Commit();
        SetBar(bar, static_cast<int>(ProgressAt(pos, step, rows, rows)));
        return true;
    } catch (const std::exception&) {
        SaveLog(GetAppPath(), "ERR " + statement);
        transaction.reset();
        return false;
    }
}

bool DBUpdateView::UpdateStats(IProgressBar* bar, int total)
{
    try {
        const int maxSeasonID = DBSeason::GetMaxSeasonID();
        SetBar(bar, 0);
        ProcessMessages();
        DataTransaction transaction;
        RebuildTeamResults(maxSeasonID);
        ProcessMessages();
        const int q = (total / 2) / 4;
        Run("DELETE FROM Stats");
        const std::array<std::pair<int, bool>, 4> parts = {
                {{FieldCode::Home, true}, {FieldCode::Home, false}, {FieldCode::Away, true}, {FieldCode::Away, false}}};
        for (size_t i = 0; i < parts.size(); ++i) {
            Run(StatsInsertSql(parts[i].first, parts[i].second));
            if (i + 1 < parts.size())
                MoveBar(bar, q);
            else
                SetBar(bar, 100);
            ProcessMessages();
        }
        SetStatsMark(StatsMark::Current);
        transaction.Commit();
        return true;
    } catch (const std::exception& error) {
        JXErr::Warning(AnsiString("DBUpdateView::UpdateStats ") + error.what());
        return false;
    }
}

bool DBUpdateView::StatsOutOfDate()
{
    try {
        return DBConnect::GetData()->GetConnection()->UserVersion() != StatsMark::Current;
    } catch (const std::exception& error) {
        // A file that cannot be read cannot be repaired either; the log tells why a
        // needed repair may not have run.
        JXErr::Warning(AnsiString("DBUpdateView::StatsOutOfDate ") + error.what());
        return false;
    }
}

void DBUpdateView::MarkStatsOutOfDate()
{
    SetStatsMark(StatsMark::OutOfDate);
}

void DBUpdateView::RebuildTeamResults(int maxSeasonID)
{
    Run("DELETE * FROM TeamResults");
    Run(TeamResultsInsertSql(FieldCode::Home, maxSeasonID - 1));
    Run(TeamResultsInsertSql(FieldCode::Away, maxSeasonID - 1));
}

bool DBUpdateView::RebuildSeries(IProgressBar* bar)
{
    try {
        SetBar(bar, 0);
        DataTransaction transaction;
        Run("DELETE * FROM Series");
        MoveBar(bar, 2);
        ProcessMessages();
        bool computed = true;
        try {
            CalcSeries(bar, 98);
        } catch (const NoSeriesSource&) {
            // Nothing to compute from: the table stays empty.
            computed = false;
        }
        transaction.Commit();
        return computed;
    } catch (const std::exception& error) {
        JXErr::Warning(AnsiString("DBUpdateView::RebuildSeries ") + error.what());
        return false;
    }
}

void DBUpdateView::CalcSeries(IProgressBar* bar, int total)
{
    const double t = SeriesTotalLine();
    DBase source;
    source.Select("SELECT TeamResults.Date AS Date1, TeamResults.TeamID AS TeamID, TeamResults.Field AS Field, "
                  "TeamResults.Gol1 AS Gol1, TeamResults.Gol2 AS Gol2 FROM TeamResults INNER JOIN Champ ON "
                  "TeamResults.ChampID = Champ.ChampID WHERE Champ.Fav=True ORDER BY TeamResults.TeamID DESC , "
                  "TeamResults.Date;");
    TADOQuery* rows = source.GetQuery();
    const int count = rows->RecordCount();  // raises when the select failed
    if (count == 0)
        throw NoSeriesSource();
    // Runs of a rebuild that failed midway must not carry over.
    cur = {};
    max = {};
    const double start = bar ? bar->Position() : 0;
    int done = 0;
    TField* teamField = rows->FieldByName("TeamID");
    TField* fieldField = rows->FieldByName("Field");
    TField* gol1Field = rows->FieldByName("Gol1");
    TField* gol2Field = rows->FieldByName("Gol2");
    int team = teamField->AsInteger();
    const auto insertTeam = [this](int teamID) {
        InsertSeries(teamID, FieldCode::Both, AllRow);
        InsertSeries(teamID, FieldCode::Home, HomeRow);
        InsertSeries(teamID, FieldCode::Away, AwayRow);
    };
    // One transaction for the whole table (a commit per row would cost a disk flush
    // each), or the rebuild's own.
    DataTransaction transaction;
    rows->First();
    while (!rows->Eof()) {
        const int rowTeam = teamField->AsInteger();
        if (rowTeam != team) {
            insertTeam(team);
            team = rowTeam;
            continue;
        }
        const int g1 = gol1Field->AsInteger();
        const int g2 = gol2Field->AsInteger();
        AddMatch(g1, g2, t, AllRow);
        const int field = fieldField->AsInteger();
        if (field == FieldCode::Home)
            AddMatch(g1, g2, t, HomeRow);
        else if (field == FieldCode::Away)
            AddMatch(g1, g2, t, AwayRow);
        SetBar(bar, static_cast<int>(ProgressAt(start, total, ++done, count)));
        ProcessMessages();
        rows->Next();
    }
    insertTeam(team);
    transaction.Commit();
}

void DBUpdateView::AddMatch(int g1, int g2, double t, int row)
{
    const int total = g1 + g2;
    const std::array<bool, KindCount> goesOn = {
            g1 > g2, g1 == g2, g1 < g2, g1 <= g2, g1 != g2, g1 >= g2, total > t,
            total < t, g1 >= 1, g1 == 0, g2 >= 1, g2 == 0, total == 0,
    };
    for (int k = 0; k < KindCount; ++k)
        cur[row][k] = goesOn[k] ? cur[row][k] + 1 : 0;
    for (int k = 0; k <= GameCounter; ++k)
        max[row][k] = std::max(max[row][k], cur[row][k]);
    ++cur[row][GameCounter];
}

void DBUpdateView::InsertSeries(int team, int field, int row)
{
    if (cur[row][GameCounter] > 0) {
        AnsiString sql = "INSERT INTO Series VALUES(" + IntToStr(team) + "," + IntToStr(field) + ",0," +
                         IntToStr(cur[row][GameCounter]);
        for (int k : SeriesColumnCounters)
            sql += "," + IntToStr(cur[row][k]) + "," + IntToStr(max[row][k]);
        Run(sql + ")");
    }
    cur[row].fill(0);
    max[row].fill(0);
}
