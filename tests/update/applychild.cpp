// Applies one instruction file to the data.mdb of a folder, for the test that kills
// it in the middle of the file. Arguments: the folder, the file.
#include "foundation/jxfile.h"
#include "platform/programfolder.h"
#include "update/dbupdateview.h"

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    SetProgramFolderForTests(argv[1]);
    return DBUpdateView().ApplyInstructions(LoadTextFile(argv[2]), nullptr, 100, 0) ? 0 : 1;
}
