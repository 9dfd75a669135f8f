#include "seasonloader.h"

#include <stdexcept>

#include "instructionfileloader.h"
#include "platform/temporaryfolder.h"

SeasonRun LoadSeasons(const std::vector<SeasonSource>& sources)
{
    TemporaryFolder folder("kovral-seasons");
    const SeasonRun run = ConvertSeasons(sources, folder.Path());
    if (!ApplyInstructionFiles(folder.Path(), run.files))
        throw std::runtime_error("the converted seasons did not load; see log.txt of the program folder");
    return run;
}
