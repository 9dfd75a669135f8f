#include "sampledata/sampleloader.h"

#include "data/dbconnect.h"
#include "foundation/jxfile.h"
#include "platform/exceptions.h"
#include "platform/sysutils.h"
#include "platform/temporaryfolder.h"
#include "update/dbupdateview.h"

bool LoadSampleData(const SampleDataOptions& options, IProgressBar* bar)
{
    SampleDataSummary summary;
    TemporaryFolder folder("kovral-sample");
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
