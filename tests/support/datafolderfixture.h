#pragma once

#include <string>

#include "logfixture.h"

// A program folder with empty data.mdb and setting.mdb, fresh connections and an
// empty error log for each test.
class DataFolderFixture : public LogFixture {
protected:
    DataFolderFixture();
    ~DataFolderFixture() override;

    // Runs Jet SQL on data.mdb through the program's connection; a failure fails the test.
    void Exec(const std::string& jetSql);
    // Runs Jet SQL on setting.mdb likewise.
    void ExecSetting(const std::string& jetSql);
    // The first column of the first row of a Jet select on data.mdb, as text.
    std::string Value(const std::string& jetSql);
    // The same on setting.mdb.
    std::string SettingValue(const std::string& jetSql);
};
