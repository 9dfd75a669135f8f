#include "instructionfileloader.h"

#include "foundation/jxfile.h"
#include "platform/sysutils.h"
#include "update/dbupdateview.h"

bool ApplyInstructionFiles(const std::string& folder, int count, IProgressBar* bar)
{
    DBUpdateView view;
    bool applied = true;
    const double step = 100.0 / count;
    for (int n = 1; n <= count; ++n) {
        const AnsiString text = LoadTextFile(folder + IntToStr(n) + ".txt");
        applied = view.ApplyInstructions(text, bar, step, (n - 1) * step) && applied;
    }
    return applied && view.UpdateStats(bar, 100);
}
