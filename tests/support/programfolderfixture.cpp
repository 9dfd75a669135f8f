#include "programfolderfixture.h"

#include "platform/programfolder.h"

ProgramFolderFixture::ProgramFolderFixture()
{
    SetProgramFolderForTests(folder_.Path());
}

ProgramFolderFixture::~ProgramFolderFixture()
{
    SetProgramFolderForTests("");
}
