#include "sampledata/sampleloader.h"

#include <stdlib.h>

#include <filesystem>

#include "data/dbconnect.h"
#include "foundation/jxfile.h"
#include "platform/exceptions.h"
#include "platform/sysutils.h"
#include "update/dbupdateview.h"

namespace {

// A fresh folder under the system's temporary folder, removed with its files.
class ScratchFolder {
public:
    ScratchFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "kovral-sample-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw EFileError("Cannot create a temporary folder for the sample data");
        path_ = pattern + "/";
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

}  // namespace

bool LoadSampleData(const SampleDataOptions& options, IProgressBar* bar)
{
    SampleDataSummary summary;
    ScratchFolder folder;
    try {
        summary = SampleDataGenerator(options).Generate(folder.Path());
    } catch (const std::exception& error) {
        SaveLog(GetAppPath(), AnsiString("ERROR SAMPLEDATA ") + error.what());
        return false;
    }
    DBUpdateView view;
    bool applied = true;
    const double step = 100.0 / summary.files;
    for (int n = 1; n <= summary.files; ++n) {
        const AnsiString text = LoadTextFile(folder.Path() + IntToStr(n) + ".txt");
        applied = view.ApplyInstructions(text, bar, step, (n - 1) * step) && applied;
    }
    if (!applied || !view.UpdateStats(bar, 100) || !view.RebuildSeries(bar))
        return false;
    DBConnect::GetData()->ExecSQL("UPDATE Version SET UpdateSeries=0", false);
    return true;
}
