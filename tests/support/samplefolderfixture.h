#pragma once

#include <string>

#include "datafolderfixture.h"

// A program folder holding the sample data, as "kovral-setup --sample" makes it, with
// the global DBSetting open on it and its language loaded. The sample is built once
// per test program; every test works on its own copy.
class SampleFolderFixture : public DatabaseFixture {
protected:
    SampleFolderFixture();

    // A text of the loaded language.
    static std::string Lang(int id);
};
