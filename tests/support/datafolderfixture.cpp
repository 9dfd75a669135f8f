#include "datafolderfixture.h"

#include <gtest/gtest.h>

#include "data/dbase.h"
#include "data/dbconnect.h"
#include "data/dbsetting.h"
#include "data/schema.h"
#include "platform/adofield.h"
#include "platform/adoquery.h"
#include "sqlitefile.h"

namespace {

void CloseConnections()
{
    // The global settings object holds a query on a connection about to go.
    DBSetting::FreeGlobal();
    DBConnect::ResetForTests();
}

void RunAction(DBConnect* connect, const std::string& jetSql)
{
    try {
        connect->ExecSQL(jetSql, true);
    } catch (const std::exception& error) {
        ADD_FAILURE() << error.what() << " in " << jetSql;
    }
}

using Table = std::vector<std::vector<std::string>>;

Table RowsOf(DBConnect* connect, const std::string& jetSql)
{
    TADOQuery query(connect->GetConnection());
    query.SetSQL(jetSql);
    query.Open();
    Table rows;
    for (query.First(); !query.Eof(); query.Next()) {
        rows.emplace_back();
        for (int column = 0; column < query.FieldCount(); ++column)
            rows.back().push_back(query.Fields(column)->AsString());
    }
    return rows;
}

std::string FirstValue(const Table& rows)
{
    return rows.empty() ? "<no row>" : rows.front().at(0);
}

}  // namespace

DatabaseFixture::DatabaseFixture()
{
    CloseConnections();
}

DatabaseFixture::~DatabaseFixture()
{
    CloseConnections();
}

void DatabaseFixture::Exec(const std::string& jetSql)
{
    RunAction(DBConnect::GetData(), jetSql);
}

void DatabaseFixture::ExecSetting(const std::string& jetSql)
{
    RunAction(DBConnect::GetSetting(), jetSql);
}

DatabaseFixture::Rows DatabaseFixture::Select(const std::string& jetSql)
{
    return RowsOf(DBConnect::GetData(), jetSql);
}

DatabaseFixture::Rows DatabaseFixture::SelectSetting(const std::string& jetSql)
{
    return RowsOf(DBConnect::GetSetting(), jetSql);
}

std::string DatabaseFixture::Value(const std::string& jetSql)
{
    return FirstValue(Select(jetSql));
}

std::string DatabaseFixture::SettingValue(const std::string& jetSql)
{
    return FirstValue(SelectSetting(jetSql));
}

std::string DatabaseFixture::ItemTexts(DBase& data)
{
    std::string texts;
    for (data.GetQuery()->First(); !data.GetQuery()->Eof(); data.GetQuery()->Next()) {
        AnsiString text;
        data.GetItemText(text);
        texts += (texts.empty() ? "" : "; ") + text;
    }
    return texts;
}

void DatabaseFixture::AddEntry(int filterID, bool current, int mode, int teamID, int rivalID, int champID,
                               int seasonWith)
{
    const auto n = [](int value) { return std::to_string(value); };
    Exec("INSERT INTO Filter(FilterID,Cur,Mode,TeamID,TeamRivalID,ChampID,SeasonWith) VALUES(" + n(filterID) + "," +
         (current ? "True," : "False,") + n(mode) + "," + n(teamID) + "," + n(rivalID) + "," + n(champID) + "," +
         n(seasonWith) + ")");
}

void DatabaseFixture::AddStats(const StatsRow& r)
{
    std::string values;
    for (int value : {r.champ, r.season, r.team, r.round, r.field, r.win + r.draw + r.lose, r.win, r.draw, r.lose,
                      r.gol1, r.gol2, 3 * r.win + r.draw, r.under, r.over, r.byScore, r.byMiss, r.noScore, r.noMiss,
                      r.minus, r.plus})
        values += (values.empty() ? "" : ",") + std::to_string(value);
    Exec("INSERT INTO Stats(ChampID,SeasonID,TeamID,RoundID,Field,Game,Win,Draw,Lose,Gol1,Gol2,Point,Under,Over,"
         "ByScore,ByMiss,NoScore,NoMiss,MinusF,PlusF) VALUES(" + values + ")");
}

void DatabaseFixture::AddSeasons(int count) const
{
    RunSqlite(File("data.mdb"), "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<" +
                                        std::to_string(count) + ") INSERT INTO Season SELECT i, 'Сезон ' || i, i FROM n");
}

DataFolderFixture::DataFolderFixture()
{
    CreateDataSchema(File("data.mdb"));
    CreateSettingSchema(File("setting.mdb"));
}
