#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/types.h"

struct sqlite3;
struct sqlite3_stmt;
class TADOQuery;

struct SqliteDatabaseCloser {
    void operator()(sqlite3* db) const;
};
struct SqliteStatementFinalizer {
    void operator()(sqlite3_stmt* statement) const;
};
using SqliteStatement = std::unique_ptr<sqlite3_stmt, SqliteStatementFinalizer>;

// What every connection sets on opening: the write-ahead log, a flush only at
// checkpoints, and temporary data (sorting, statement journals) kept in memory, as a
// statement journal on disk costs more than the insert itself in large update files.
// A page cache of 64 MB keeps a team's matches and their index pages, spread over a
// large file, in memory between the views of one card.
inline constexpr const char* ConnectionPragmas =
        "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL; PRAGMA temp_store=MEMORY; PRAGMA cache_size=-65536;";

// The "Data Source=" value of an ADO connection string; every other key (provider,
// the Jet password) has no meaning for SQLite. Empty when the key is missing.
std::string DataSourceOf(const std::string& connectionString);

// A connection to one SQLite file, named by the "Data Source=" of its connection
// string. It connects on first use (WAL journal, synchronous NORMAL, a busy timeout,
// the Jet functions registered); the file must exist. Every failure raises
// EDatabaseError with SQLite's message.
class TADOConnection {
public:
    TADOConnection() = default;
    explicit TADOConnection(std::string connectionString);
    ~TADOConnection();
    TADOConnection(const TADOConnection&) = delete;
    TADOConnection& operator=(const TADOConnection&) = delete;

    const std::string& ConnectionString() const { return connectionString_; }
    // A new text closes the connection; the next use opens the new file.
    void SetConnectionString(std::string connectionString);

    void Open();
    // Closes the queries bound to it, rolls back an open transaction and closes the
    // file, leaving no statement or handle behind (the file may then be replaced).
    void Close();
    bool Connected() const { return db_ != nullptr; }

    void BeginTrans();
    // Raises when the transaction is no longer open, in particular when SQLite rolled
    // it back by itself after a failure (disk full, I/O error): its statements are lost.
    void CommitTrans();
    // Also safe after a failed commit or when SQLite already rolled back.
    void RollbackTrans();
    bool InTransaction() const { return inTransaction_; }
    // Raises when the open transaction was rolled back by SQLite itself, so a caller
    // that swallows statement errors can still stop at the first lost statement.
    void CheckTransactionIntact();

    // A named point inside the open transaction that its later work can be undone to,
    // leaving the work before it in place. Savepoints of one name nest.
    void Savepoint(const std::string& name);
    // Keeps the work since the newest savepoint of that name and ends the savepoint.
    void ReleaseSavepoint(const std::string& name);
    // Undoes the work since the newest savepoint of that name and ends it; nothing to
    // do when SQLite already rolled the whole transaction back.
    void RollbackToSavepoint(const std::string& name);

    // The file's user version, a number in SQLite's header that no table holds; it is
    // written with the transaction that sets it.
    int UserVersion();
    void SetUserVersion(int value);

    // The open SQLite handle (connecting first), for maintenance that is SQLite's own
    // and not Jet SQL (checkpoint, VACUUM INTO).
    sqlite3* Handle();

private:
    friend class TADOQuery;

    // A statement for a Jet SQL text, translated; a text holding a second statement raises.
    SqliteStatement PrepareJet(const std::string& jetSql);
    // A statement for SQLite SQL built by this layer itself.
    SqliteStatement PrepareSqlite(const std::string& sqliteSql);
    // Runs an action statement; the number of rows it changed. An insert of literal
    // values runs on a kept statement of its table, so the thousands of rows of an
    // update file are compiled once (with the table's triggers), not once each.
    int Execute(const std::string& jetSql);
    sqlite3_stmt* KeptStatement(const std::string& sqliteSql);
    int RunToEnd(sqlite3_stmt* statement);
    // true: a row is ready; false: done. Raises on failure.
    bool Step(sqlite3_stmt* statement);
    int Changes() const;

    void Attach(TADOQuery* query);
    void Detach(TADOQuery* query);

    void RunOwn(const char* sqliteSql);
    [[noreturn]] void RaiseLostTransaction();
    [[noreturn]] void Fail();

    std::string connectionString_;
    std::unique_ptr<sqlite3, SqliteDatabaseCloser> db_;
    std::vector<TADOQuery*> queries_;
    // Prepared inserts by their SQLite text, the most recently used first.
    std::vector<std::pair<std::string, SqliteStatement>> keptStatements_;
    bool inTransaction_ = false;
    std::string rollbackReason_;
};
