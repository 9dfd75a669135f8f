#pragma once

#include <memory>
#include <string>
#include <vector>

#include <sqlite3.h>

#include "platform/adoconnection.h"

// The performance database: the sample data at 300,000 played matches, loaded through
// the update's own code once and kept under the build folder for later runs.
inline constexpr int BenchMatches = 300000;

// A program folder holding a copy of the performance database (built first when the
// cache is missing), pointed to as the program folder while the object lives.
class BenchProgramFolder {
public:
    BenchProgramFolder();
    ~BenchProgramFolder();
    BenchProgramFolder(const BenchProgramFolder&) = delete;
    BenchProgramFolder& operator=(const BenchProgramFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string DataFile() const { return path_ + "data.mdb"; }

private:
    std::string path_;
};

using BareDatabase = std::unique_ptr<sqlite3, SqliteDatabaseCloser>;

// data.mdb opened with the bare SQLite API as the program's connection opens it (WAL,
// synchronous NORMAL, the Jet functions and collation), for the side-by-side figures.
BareDatabase OpenBare(const std::string& path);
// Runs SQLite text; raises std::runtime_error on failure.
void RunBare(sqlite3* db, const std::string& sqliteSql);
// Runs a select and reads every column of every row; the number of rows.
int ReadBare(sqlite3* db, const std::string& sqliteSql);

// The SQLite texts a connection runs while recording, in order, as SQLite received
// them (after the Jet translation): the bare side of a figure replays exactly these.
class StatementRecorder {
public:
    explicit StatementRecorder(sqlite3* db);
    ~StatementRecorder();
    StatementRecorder(const StatementRecorder&) = delete;
    StatementRecorder& operator=(const StatementRecorder&) = delete;

    const std::vector<std::string>& Statements() const { return statements_; }

private:
    static int OnTrace(unsigned type, void* context, void* statement, void* text);

    sqlite3* db_;
    std::vector<std::string> statements_;
};
