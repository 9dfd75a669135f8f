#pragma once

#include <string>
#include <vector>

#include "datafolderfixture.h"
#include "updateservice/seasonloader.h"

// A program folder holding the sample data, as "kovral-setup --sample" makes it, with
// the global DBSetting open on it and its language loaded. The sample is built once
// per test program; every test works on its own copy.
class SampleFolderFixture : public DatabaseFixture {
protected:
    SampleFolderFixture();

    // A text of the loaded language.
    static std::string Lang(int id);
    // The sample's matches, clubs and tournaments replaced by season files of the shared
    // data ("openfootball-football-json/2018-19/en.1.json"), taken in as an update brings
    // them; the caller skips when SharedDataFolder() is empty.
    static SeasonRun ReplaceSampleBySeasons(const std::vector<std::string>& sharedFiles);
};
