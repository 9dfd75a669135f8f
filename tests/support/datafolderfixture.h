#pragma once

#include <string>
#include <vector>

#include "logfixture.h"

class DBase;

// Jet SQL through the program's own connections to the databases of the test's program
// folder. The connections and the global settings object are closed before and after
// each test, as they may hold files of another folder.
class DatabaseFixture : public LogFixture {
protected:
    using Rows = std::vector<std::vector<std::string>>;

    // One row of the derived table Stats; Game and Point follow from the results.
    struct StatsRow {
        int champ = 0;
        int season = 0;
        int team = 0;
        int round = 1;
        int field = 1;
        int win = 0;
        int draw = 0;
        int lose = 0;
        int gol1 = 0;
        int gol2 = 0;
        int under = 0;
        int over = 0;
        int byScore = 0;
        int byMiss = 0;
        int noScore = 0;
        int noMiss = 0;
        int minus = 0;
        int plus = 0;
    };

    DatabaseFixture();
    ~DatabaseFixture() override;

    // Runs Jet SQL on data.mdb, or on setting.mdb; a failure fails the test.
    static void Exec(const std::string& jetSql);
    static void ExecSetting(const std::string& jetSql);
    // Every row of a select on data.mdb, or on setting.mdb, each column as text.
    static Rows Select(const std::string& jetSql);
    static Rows SelectSetting(const std::string& jetSql);
    // The first column of the first row, "<no row>" when there is none.
    static std::string Value(const std::string& jetSql);
    static std::string SettingValue(const std::string& jetSql);
    // The item texts of a data object's open rows, as the pickers list them: "a; b".
    static std::string ItemTexts(DBase& data);
    // One entry of the view history; the columns not given take their defaults.
    static void AddEntry(int filterID, bool current, int mode, int teamID, int rivalID = 0, int champID = 0,
                         int seasonWith = 0);
    static void AddStats(const StatsRow& row);
    // Seasons 1 to count, named "Сезон 1" and on, in one statement.
    void AddSeasons(int count) const;
};

// A program folder with empty data.mdb and setting.mdb.
class DataFolderFixture : public DatabaseFixture {
protected:
    DataFolderFixture();
};
