#include "platform/adoconnection.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <filesystem>

#include "platform/adoquery.h"
#include "platform/exceptions.h"
#include "platform/jetsql.h"
#include "sqlitefile.h"
#include "tempfolder.h"

namespace {

const std::string Prefix = "Provider=Microsoft.Jet.OLEDB.4.0;Jet OLEDB:Database Password='p;w=d''';Data Source=";

class AdoConnectionTest : public ::testing::Test {
protected:
    AdoConnectionTest()
    {
        RunSqlite(path_, R"(
            CREATE TABLE Champ(ChampID INTEGER PRIMARY KEY, Name TEXT COLLATE JETNOCASE);
            INSERT INTO Champ VALUES(1, 'Премьер-лига');
            CREATE TABLE Big(Payload TEXT);
            CREATE TRIGGER RefuseRed BEFORE INSERT ON Champ WHEN NEW.Name='Red'
                BEGIN SELECT RAISE(ROLLBACK, 'red is refused'); END;
        )");
    }

    int Execute(const std::string& sql)
    {
        TADOQuery query(&connection_);
        query.SetSQL(sql);
        return query.ExecSQL();
    }

    int ChampCount()
    {
        TADOQuery query(&connection_);
        query.SetSQL("SELECT COUNT(*) AS Cnt FROM Champ");
        query.Open();
        return query.FieldByName("Cnt")->AsInteger();
    }

    std::string ErrorOf(const std::string& sql)
    {
        try {
            Execute(sql);
        } catch (const EDatabaseError& error) {
            return error.Message();
        }
        return "no error";
    }

    TempFolder folder_;
    std::string path_ = folder_.File("data.mdb");
    TADOConnection connection_{Prefix + path_ + ";"};
};

}  // namespace

TEST_F(AdoConnectionTest, OnlyTheDataSourceOfTheConnectionStringCounts)
{
    EXPECT_EQ(DataSourceOf(Prefix + "/tmp/x/data.mdb;"), "/tmp/x/data.mdb");
    EXPECT_EQ(DataSourceOf(Prefix + "/tmp/x/data1.mdb"), "/tmp/x/data1.mdb");
    EXPECT_EQ(DataSourceOf("data source = '/tmp/a;b.mdb' ; Mode=Share"), "/tmp/a;b.mdb");
    EXPECT_EQ(DataSourceOf("Provider=Microsoft.Jet.OLEDB.4.0;"), "");
    TADOConnection nowhere("Provider=Microsoft.Jet.OLEDB.4.0;");
    EXPECT_THROW(nowhere.Open(), EDatabaseError);
}

TEST_F(AdoConnectionTest, ConnectsOnFirstUseInWalMode)
{
    EXPECT_FALSE(connection_.Connected());
    EXPECT_EQ(ChampCount(), 1);
    EXPECT_TRUE(connection_.Connected());
    EXPECT_EQ(QuerySqlite(path_, "PRAGMA journal_mode"), (std::vector<std::vector<std::string>>{{"wal"}}));
}

TEST_F(AdoConnectionTest, AMissingFileRaisesAndIsNotCreated)
{
    const std::string missing = folder_.File("nothing.mdb");
    TADOConnection connection(Prefix + missing + ";");
    TADOQuery query(&connection);
    query.SetSQL("SELECT * FROM Champ");
    EXPECT_THROW(query.Open(), EDatabaseError);
    EXPECT_FALSE(std::filesystem::exists(missing));

    WriteFile(missing, "this is no database, only text long enough to fill a header page of sqlite");
    EXPECT_THROW(connection.Open(), EDatabaseError);

    // SQLite would take an empty file for a new database and write its header.
    WriteFile(missing, "");
    EXPECT_THROW(connection.Open(), EDatabaseError);
    EXPECT_EQ(std::filesystem::file_size(missing), 0u);
}

TEST_F(AdoConnectionTest, ErrorsCarrySqlitesMessageAndLeaveTheConnectionWorking)
{
    EXPECT_NE(ErrorOf("DELETE FROM Nope").find("no such table: Nope"), std::string::npos);
    EXPECT_NE(ErrorOf("UPDATE Champ SET Nope=1").find("no such column: Nope"), std::string::npos);
    EXPECT_NE(ErrorOf("INSERT INTO Champ VALUES(1, 'Twice')").find("UNIQUE constraint failed"), std::string::npos);
    EXPECT_NE(ErrorOf("INSERT INTO Champ VALUES(2)").find("values"), std::string::npos);
    for (const char* broken : {"DELETE FROM Big; DELETE FROM Champ", "INSERT INTO Champ VALUES(5, 'x') x",
                               "INSERT INTO Champ VALUES(5, 'open"})
        EXPECT_NE(ErrorOf(broken), "no error") << broken;
    EXPECT_EQ(ChampCount(), 1) << "a text of two statements runs neither";
    EXPECT_EQ(Execute("INSERT INTO Champ VALUES(2, 'Кубок')"), 1);
    // A kept statement holds no lock between uses: another connection writes meanwhile.
    RunSqlite(path_, "INSERT INTO Champ VALUES(3, 'Other')");
    EXPECT_EQ(ChampCount(), 3);
}

TEST_F(AdoConnectionTest, CommitKeepsAndRollbackDiscards)
{
    connection_.BeginTrans();
    EXPECT_TRUE(connection_.InTransaction());
    Execute("INSERT INTO Champ VALUES(2, 'Кубок')");
    EXPECT_THROW(Execute("INSERT INTO Champ VALUES(2, 'Again')"), EDatabaseError) << "one statement refused";
    Execute("INSERT INTO Champ VALUES(3, 'Лига')");
    connection_.CommitTrans();
    EXPECT_FALSE(connection_.InTransaction());
    connection_.BeginTrans();
    Execute("INSERT INTO Champ VALUES(4, 'Лига')");
    EXPECT_THROW(connection_.BeginTrans(), EDatabaseError);
    connection_.RollbackTrans();
    EXPECT_EQ(ChampCount(), 3);
    EXPECT_THROW(connection_.CommitTrans(), EDatabaseError);
}

TEST_F(AdoConnectionTest, ATransactionSqliteRolledBackFailsAsAWhole)
{
    connection_.BeginTrans();
    Execute("INSERT INTO Champ VALUES(2, 'Кубок')");
    const std::string message = ErrorOf("INSERT INTO Champ VALUES(3, 'Red')");
    EXPECT_NE(message.find("red is refused"), std::string::npos) << message;
    EXPECT_NE(message.find("rolled back"), std::string::npos) << message;
    EXPECT_NE(ErrorOf("INSERT INTO Champ VALUES(4, 'Лига')").find("red is refused"), std::string::npos)
        << "later statements must not run outside the transaction";
    EXPECT_THROW(connection_.CommitTrans(), EDatabaseError);
    connection_.RollbackTrans();
    EXPECT_EQ(ChampCount(), 1);

    Execute("INSERT INTO Champ VALUES(4, 'Лига')");
    EXPECT_EQ(ChampCount(), 2) << "the connection works on after the failed transaction";
}

TEST_F(AdoConnectionTest, ADiskFullTransactionFailsAsAWhole)
{
    sqlite3_exec(connection_.Handle(), "PRAGMA max_page_count=20", nullptr, nullptr, nullptr);
    connection_.BeginTrans();
    Execute("INSERT INTO Champ VALUES(2, 'Кубок')");
    const std::string payload(3000, 'x');
    std::string message;
    for (int i = 0; i < 100 && message.empty(); ++i) {
        try {
            Execute("INSERT INTO Big VALUES('" + payload + std::to_string(i) + "')");
        } catch (const EDatabaseError& error) {
            message = error.Message();
        }
    }
    EXPECT_NE(message.find("full"), std::string::npos) << message;
    EXPECT_THROW(Execute("INSERT INTO Champ VALUES(3, 'Лига')"), EDatabaseError);
    EXPECT_THROW(connection_.CommitTrans(), EDatabaseError);
    connection_.RollbackTrans();
    EXPECT_EQ(ChampCount(), 1);
}

TEST_F(AdoConnectionTest, LiteralInsertsStoreWhatTheirTranslatedTextStores)
{
    const std::string columns = "(I INTEGER, D DOUBLE, T TEXT COLLATE JETNOCASE, W DATETIME, Y YESNO, N)";
    RunSqlite(path_, "CREATE TABLE Kept" + columns + "; CREATE TABLE Texted" + columns + ";");
    for (const char* value : {"5", "-5", "007", "-0", "2.10", "-0.25", "1e3", "9223372036854775808", "'it''s'",
                              "\"dq\"", "''", "'2.10'", "#03/15/2025#", "#3/15/2025 12:30#", "True", "false",
                              "NULL", "1+1", "--1", "-'a'", "Date()"}) {
        const std::string values = std::string("(") + value + ", " + value + ", " + value + ", " + value + ", " +
                                   value + ", " + value + ")";
        Execute("INSERT INTO Kept VALUES" + values);
        RunSqlite(path_, TranslateJetSql("INSERT INTO Texted VALUES" + values));
    }
    const std::string stored = "SELECT typeof(I), quote(I), typeof(D), quote(D), typeof(T), quote(T), typeof(W), "
                               "quote(W), typeof(Y), quote(Y), typeof(N), quote(N) FROM ";
    EXPECT_EQ(QuerySqlite(path_, stored + "Kept ORDER BY rowid"), QuerySqlite(path_, stored + "Texted ORDER BY rowid"));
}

TEST_F(AdoConnectionTest, CloseFinishesEverythingSoTheFileCanBeReplaced)
{
    TADOQuery open(&connection_);
    open.SetSQL("SELECT * FROM Champ");
    open.Open();
    Execute("INSERT INTO Champ VALUES(2, 'Кубок')");
    connection_.Close();
    EXPECT_FALSE(open.Active()) << "closing the connection closes its queries";
    EXPECT_FALSE(std::filesystem::exists(path_ + "-wal"));

    const std::string replacement = folder_.File("data1.mdb");
    RunSqlite(replacement, "CREATE TABLE Champ(ChampID INTEGER, Name TEXT); INSERT INTO Champ VALUES(7, 'New');");
    std::filesystem::rename(replacement, path_);
    open.Open();
    EXPECT_EQ(open.RecordCount(), 1);
    EXPECT_EQ(open.FieldByName("ChampID")->AsInteger(), 7);
}

TEST_F(AdoConnectionTest, AQueryOutlivingItsConnectionRaisesInsteadOfCrashing)
{
    auto connection = std::make_unique<TADOConnection>(Prefix + path_);
    TADOQuery query(connection.get());
    query.SetSQL("SELECT * FROM Champ");
    query.Open();
    connection.reset();
    EXPECT_FALSE(query.Active());
    EXPECT_EQ(query.Connection(), nullptr);
    EXPECT_THROW(query.Open(), EDatabaseError);
}
