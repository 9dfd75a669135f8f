#pragma once

#include <memory>
#include <string>
#include <vector>

#include "tempfolder.h"

struct sqlite3;

using SqlRows = std::vector<std::vector<std::string>>;

// A SQLite file in a temporary folder with the Jet functions registered and the
// program's tables, for tests that run translated texts. Values read back as
// SQLite's text of them, NULL as "NULL".
class JetTestDatabase {
public:
    JetTestDatabase();
    ~JetTestDatabase();
    JetTestDatabase(const JetTestDatabase&) = delete;
    JetTestDatabase& operator=(const JetTestDatabase&) = delete;

    // Runs SQLite text as it stands (schema, test data).
    void Exec(const std::string& sqliteSql);
    SqlRows Query(const std::string& sqliteSql);

    // Translates the Jet text first.
    void ExecJet(const std::string& jetSql);
    SqlRows QueryJet(const std::string& jetSql);
    // The single value of a one-row, one-column result.
    std::string ValueJet(const std::string& jetSql);

    sqlite3* Handle() const { return db_.get(); }

private:
    struct Closer {
        void operator()(sqlite3* db) const;
    };

    TempFolder folder_;
    std::unique_ptr<sqlite3, Closer> db_;
};
