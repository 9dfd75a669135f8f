#include "sampledata/sampleloader.h"

#include "data/dbconnect.h"
#include "foundation/jxfile.h"
#include "platform/exceptions.h"
#include "platform/sysutils.h"
#include "platform/temporaryfolder.h"
#include "update/dbupdateview.h"
#include "updateservice/instructionfileloader.h"

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
    if (!ApplyInstructionFiles(folder.Path(), summary.files, bar) || !DBUpdateView().RebuildSeries(bar))
        return false;
    DBConnect::GetData()->ExecSQL("UPDATE Version SET UpdateSeries=0", false);
    return true;
}
