#include "platform/adoconnection.h"

#include "platform/adoquery.h"
#include "platform/exceptions.h"
#include "platform/jetsql.h"
#include "platform/jettranslator.h"

#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <optional>

namespace {

// Waits this long for a lock another process holds (a setup run, a second reader).
constexpr int BusyTimeoutMs = 5000;

// Inserts of this many tables stay prepared; an update file fills a handful at a time.
constexpr size_t KeptStatementCount = 16;

// Makes a kept statement ready for its next use, also after a failed step, so that it
// holds no lock meanwhile.
struct StatementResetter {
    void operator()(sqlite3_stmt* statement) const
    {
        sqlite3_reset(statement);
        sqlite3_clear_bindings(statement);
    }
};

void Bind(sqlite3_stmt* statement, int parameter, const JetLiteral& value)
{
    switch (value.kind) {
    case JetLiteral::Kind::Null: sqlite3_bind_null(statement, parameter); break;
    case JetLiteral::Kind::Integer: sqlite3_bind_int64(statement, parameter, value.integer); break;
    case JetLiteral::Kind::Real: sqlite3_bind_double(statement, parameter, value.real); break;
    case JetLiteral::Kind::Text:
        sqlite3_bind_text(statement, parameter, value.text.data(), static_cast<int>(value.text.size()),
                          SQLITE_STATIC);
        break;
    }
}

std::string Trimmed(std::string_view text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const size_t last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

bool SameKey(const std::string& left, const std::string& right)
{
    return std::equal(left.begin(), left.end(), right.begin(), right.end(), [](unsigned char a, unsigned char b) {
        return std::tolower(a) == std::tolower(b);
    });
}

// Reads one value at pos: quoted ('...' or "...", the quote doubled inside) or up to the next ";".
std::string ReadValue(const std::string& text, size_t& pos)
{
    std::string value;
    if (pos < text.size() && (text[pos] == '\'' || text[pos] == '"')) {
        const char quote = text[pos++];
        while (pos < text.size()) {
            if (text[pos] == quote) {
                if (pos + 1 < text.size() && text[pos + 1] == quote) {
                    value += quote;
                    pos += 2;
                    continue;
                }
                ++pos;
                break;
            }
            value += text[pos++];
        }
        pos = std::min(text.find(';', pos), text.size());
        return value;
    }
    const size_t end = std::min(text.find(';', pos), text.size());
    value = text.substr(pos, end - pos);
    pos = end;
    return value;
}

}  // namespace

void SqliteDatabaseCloser::operator()(sqlite3* db) const
{
    // Every statement of this layer is finalised before; close_v2 only guards against leaks.
    sqlite3_close_v2(db);
}

void SqliteStatementFinalizer::operator()(sqlite3_stmt* statement) const
{
    sqlite3_finalize(statement);
}

std::string DataSourceOf(const std::string& connectionString)
{
    size_t pos = 0;
    while (pos < connectionString.size()) {
        const size_t equals = connectionString.find('=', pos);
        const size_t semicolon = connectionString.find(';', pos);
        if (equals == std::string::npos)
            break;
        if (semicolon < equals) {
            pos = semicolon + 1;
            continue;
        }
        const std::string key = Trimmed(std::string_view(connectionString).substr(pos, equals - pos));
        pos = connectionString.find_first_not_of(' ', equals + 1);
        if (pos == std::string::npos)
            break;
        std::string value = ReadValue(connectionString, pos);
        if (SameKey(key, "Data Source"))
            return value;
        ++pos;
    }
    return {};
}

TADOConnection::TADOConnection(std::string connectionString) : connectionString_(std::move(connectionString)) {}

TADOConnection::~TADOConnection()
{
    Close();
    for (TADOQuery* query : queries_)
        query->connection_ = nullptr;
}

void TADOConnection::SetConnectionString(std::string connectionString)
{
    if (connectionString == connectionString_)
        return;
    Close();
    connectionString_ = std::move(connectionString);
}

void TADOConnection::Open()
{
    if (db_)
        return;
    const std::string path = DataSourceOf(connectionString_);
    if (path.empty())
        throw EDatabaseError("The connection string names no Data Source");
    // SQLite would take an empty file for a new database and write to it.
    std::error_code noSize;
    if (std::filesystem::file_size(path, noSize) == 0 && !noSize)
        throw EDatabaseError("the file is empty: " + path);
    sqlite3* raw = nullptr;
    // Never created here: a missing file is an error, not a new empty database. The
    // program uses each connection on one thread, so SQLite need not lock every call.
    const int rc = sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    std::unique_ptr<sqlite3, SqliteDatabaseCloser> db(raw);
    if (rc != SQLITE_OK)
        throw EDatabaseError(std::string(raw ? sqlite3_errmsg(raw) : sqlite3_errstr(rc)) + ": " + path);
    sqlite3_busy_timeout(raw, BusyTimeoutMs);
    // The first statement reads the file, so a file that is no database fails here.
    if (sqlite3_exec(raw, ConnectionPragmas, nullptr, nullptr, nullptr) != SQLITE_OK)
        throw EDatabaseError(std::string(sqlite3_errmsg(raw)) + ": " + path);
    RegisterJetFunctions(raw);
    db_ = std::move(db);
}

void TADOConnection::Close()
{
    for (TADOQuery* query : queries_)
        query->Close();
    keptStatements_.clear();
    db_.reset();
    inTransaction_ = false;
    rollbackReason_.clear();
}

sqlite3* TADOConnection::Handle()
{
    Open();
    return db_.get();
}

void TADOConnection::BeginTrans()
{
    Open();
    if (inTransaction_)
        throw EDatabaseError("A transaction is already open");
    RunOwn("BEGIN IMMEDIATE");
    inTransaction_ = true;
    rollbackReason_.clear();
}

void TADOConnection::CommitTrans()
{
    if (!inTransaction_)
        throw EDatabaseError("No transaction is open");
    if (sqlite3_get_autocommit(db_.get())) {
        inTransaction_ = false;
        RaiseLostTransaction();
    }
    try {
        RunOwn("COMMIT");
    } catch (const EDatabaseError&) {
        // A commit that failed may have ended the transaction (I/O error) or left it
        // open (busy); only an open one still needs the caller's rollback.
        inTransaction_ = !sqlite3_get_autocommit(db_.get());
        throw;
    }
    inTransaction_ = false;
}

void TADOConnection::RollbackTrans()
{
    if (!inTransaction_)
        return;
    if (!sqlite3_get_autocommit(db_.get()))
        RunOwn("ROLLBACK");
    inTransaction_ = false;
    rollbackReason_.clear();
}

void TADOConnection::Savepoint(const std::string& name)
{
    if (!inTransaction_)
        throw EDatabaseError("A savepoint needs an open transaction");
    CheckTransactionIntact();
    RunOwn(("SAVEPOINT " + name).c_str());
}

void TADOConnection::ReleaseSavepoint(const std::string& name)
{
    CheckTransactionIntact();
    RunOwn(("RELEASE " + name).c_str());
}

void TADOConnection::RollbackToSavepoint(const std::string& name)
{
    if (!inTransaction_ || sqlite3_get_autocommit(db_.get()))
        return;
    RunOwn(("ROLLBACK TO " + name + "; RELEASE " + name).c_str());
}

int TADOConnection::UserVersion()
{
    const SqliteStatement statement = PrepareSqlite("PRAGMA user_version");
    return Step(statement.get()) ? sqlite3_column_int(statement.get(), 0) : 0;
}

void TADOConnection::SetUserVersion(int value)
{
    CheckTransactionIntact();
    RunOwn(("PRAGMA user_version=" + std::to_string(value)).c_str());
}

SqliteStatement TADOConnection::PrepareJet(const std::string& jetSql)
{
    return PrepareSqlite(TranslateJetSql(jetSql));
}

SqliteStatement TADOConnection::PrepareSqlite(const std::string& sqliteSql)
{
    Open();
    CheckTransactionIntact();
    sqlite3_stmt* raw = nullptr;
    const char* tail = nullptr;
    const char* end = sqliteSql.data() + sqliteSql.size();
    if (sqlite3_prepare_v2(db_.get(), sqliteSql.data(), static_cast<int>(sqliteSql.size()), &raw, &tail) != SQLITE_OK)
        Fail();
    SqliteStatement statement(raw);
    if (!statement)
        throw EDatabaseError("The SQL text holds no statement");
    if (sqlite3_prepare_v2(db_.get(), tail, static_cast<int>(end - tail), &raw, nullptr) != SQLITE_OK)
        Fail();
    if (SqliteStatement(raw))
        throw EDatabaseError("Characters found after end of SQL statement");
    return statement;
}

int TADOConnection::Execute(const std::string& jetSql)
{
    const std::optional<JetLiteralInsert> insert = JetTranslator::SplitLiteralInsert(jetSql);
    if (!insert) {
        const SqliteStatement statement = PrepareJet(jetSql);
        return RunToEnd(statement.get());
    }
    const std::unique_ptr<sqlite3_stmt, StatementResetter> statement(KeptStatement(insert->sqliteSql));
    for (size_t i = 0; i < insert->values.size(); ++i)
        Bind(statement.get(), static_cast<int>(i + 1), insert->values[i]);
    return RunToEnd(statement.get());
}

sqlite3_stmt* TADOConnection::KeptStatement(const std::string& sqliteSql)
{
    Open();
    CheckTransactionIntact();
    const auto kept = std::find_if(keptStatements_.begin(), keptStatements_.end(),
                                   [&](const auto& entry) { return entry.first == sqliteSql; });
    if (kept != keptStatements_.end()) {
        std::rotate(keptStatements_.begin(), kept, std::next(kept));
        return keptStatements_.front().second.get();
    }
    SqliteStatement statement = PrepareSqlite(sqliteSql);
    if (keptStatements_.size() == KeptStatementCount)
        keptStatements_.pop_back();
    keptStatements_.emplace(keptStatements_.begin(), sqliteSql, std::move(statement));
    return keptStatements_.front().second.get();
}

int TADOConnection::RunToEnd(sqlite3_stmt* statement)
{
    const auto changesBefore = sqlite3_total_changes64(db_.get());
    while (Step(statement)) {
    }
    // changes() keeps the count of the last data statement, so it only tells when
    // this statement changed rows at all.
    return sqlite3_total_changes64(db_.get()) == changesBefore ? 0 : Changes();
}

bool TADOConnection::Step(sqlite3_stmt* statement)
{
    const int rc = sqlite3_step(statement);
    if (rc == SQLITE_ROW)
        return true;
    if (rc != SQLITE_DONE)
        Fail();
    return false;
}

int TADOConnection::Changes() const
{
    return sqlite3_changes(db_.get());
}

void TADOConnection::Attach(TADOQuery* query)
{
    queries_.push_back(query);
}

void TADOConnection::Detach(TADOQuery* query)
{
    queries_.erase(std::remove(queries_.begin(), queries_.end(), query), queries_.end());
}

void TADOConnection::RunOwn(const char* sqliteSql)
{
    Open();
    if (sqlite3_exec(db_.get(), sqliteSql, nullptr, nullptr, nullptr) != SQLITE_OK)
        Fail();
}

void TADOConnection::CheckTransactionIntact()
{
    if (inTransaction_ && sqlite3_get_autocommit(db_.get()))
        RaiseLostTransaction();
}

void TADOConnection::RaiseLostTransaction()
{
    std::string message = "The transaction was rolled back by the database";
    if (!rollbackReason_.empty())
        message += ": " + rollbackReason_;
    throw EDatabaseError(message);
}

void TADOConnection::Fail()
{
    std::string message = sqlite3_errmsg(db_.get());
    if (inTransaction_ && sqlite3_get_autocommit(db_.get()) && rollbackReason_.empty()) {
        // SQLite gave up the whole transaction, not just this statement.
        rollbackReason_ = message;
        message += " (the transaction was rolled back)";
    }
    throw EDatabaseError(message);
}
