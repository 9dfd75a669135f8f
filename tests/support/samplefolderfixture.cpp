#include "samplefolderfixture.h"

#include <filesystem>
#include <memory>

#include "configfolder.h"
#include "data/dbconnect.h"
#include "data/dbsetting.h"
#include "platform/programfolder.h"
#include "setup/programfoldersetup.h"
#include "shareddata.h"
#include "tempfolder.h"

namespace fs = std::filesystem;

namespace {

// The settings file and the sample folder live as long as the test program.
struct SharedSample {
    ConfigFolder config;
    TempFolder folder;

    SharedSample()
    {
        SetupOptions options;
        options.sampleData = true;
        SetupProgramFolder(folder.Path(), options);
        // Closing the connections folds the journals into the files that get copied.
        DBSetting::FreeGlobal();
        DBConnect::ResetForTests();
    }
};

const SharedSample& Sample()
{
    static const auto sample = std::make_unique<SharedSample>();
    return *sample;
}

}  // namespace

SampleFolderFixture::SampleFolderFixture()
{
    const std::string source = Sample().folder.Path();
    fs::copy(source, Folder(), fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    SetProgramFolderForTests(Folder());
    DBSetting::CreateGlobal()->LoadLanguage();
}

std::string SampleFolderFixture::Lang(int id)
{
    return DBSetting::Global()->GetLangText(id);
}

SeasonRun SampleFolderFixture::ReplaceSampleBySeasons(const std::vector<std::string>& sharedFiles)
{
    for (const char* table : {"Fixed", "Calendar", "Stats", "TeamResults", "Team", "Champ", "ChampType", "Season",
                              "Round", "[National]"})
        Exec(std::string("DELETE * FROM ") + table);
    std::vector<SeasonSource> sources(sharedFiles.size());
    for (size_t i = 0; i < sharedFiles.size(); ++i)
        sources[i].path = SharedDataFolder() + sharedFiles[i];
    return LoadSeasons(sources);
}
