#pragma once

#include <string>
#include <vector>

#include "logfixture.h"

// A program folder holding the sample data, as "kovral-setup --sample" makes it, with
// the global DBSetting open on it and its language loaded. The sample is built once
// per test program; every test works on its own copy.
class SampleFolderFixture : public LogFixture {
protected:
    SampleFolderFixture();
    ~SampleFolderFixture() override;

    // Runs a Jet action statement on data.mdb; a failure fails the test.
    static void Exec(const std::string& jetSql);
    using Rows = std::vector<std::vector<std::string>>;
    // The rows of a Jet select on data.mdb, every column as text.
    static Rows Select(const std::string& jetSql);
    // The first column of the first row, "<no row>" when there is none.
    static std::string Value(const std::string& jetSql);
    // The rows of a Jet select on setting.mdb, every column as text.
    static Rows SelectSetting(const std::string& jetSql);
};
