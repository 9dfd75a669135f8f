#pragma once

#include <string>
#include <vector>

#include "sqlitefile.h"
#include "tempfolder.h"

using SqlRows = std::vector<std::vector<std::string>>;

// A SQLite file in a temporary folder holding the program's tables, for tests that
// run translated texts. Values read back as SQLite's text of them, NULL as "<null>";
// a statement SQLite rejects raises std::runtime_error.
class JetTestDatabase {
public:
    JetTestDatabase();

    const std::string& Path() const { return path_; }
    // Runs SQLite text as it stands (test data).
    void Exec(const std::string& sqliteSql) { RunSqlite(path_, sqliteSql); }
    SqlRows Query(const std::string& sqliteSql) { return QuerySqlite(path_, sqliteSql); }

    // Translates the Jet text first.
    void ExecJet(const std::string& jetSql);
    SqlRows QueryJet(const std::string& jetSql);
    // The single value of a one-row, one-column result.
    std::string ValueJet(const std::string& jetSql);

private:
    TempFolder folder_;
    std::string path_ = folder_.File("data.mdb");
};
