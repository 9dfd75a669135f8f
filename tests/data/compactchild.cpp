// Compacts the data.mdb of the folder given as argument again and again, until it is
// killed: the compaction test kills it at random moments.
#include "data/dbconnect.h"
#include "platform/programfolder.h"

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    SetProgramFolderForTests(argv[1]);
    for (;;)
        DBConnect::GetData()->CompactDB();
}
