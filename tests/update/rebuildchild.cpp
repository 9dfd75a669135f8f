// Rebuilds the derived tables of the data.mdb of a folder again and again, until it is
// killed: the rebuild test kills it at random moments. Argument: the folder.
#include "data/dbsetting.h"
#include "platform/programfolder.h"
#include "update/dbupdateview.h"

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    SetProgramFolderForTests(argv[1]);
    DBSetting::CreateGlobal();
    for (DBUpdateView view;;) {
        if (!view.UpdateStats(nullptr, 100) || !view.RebuildSeries(nullptr))
            return 1;
    }
}
