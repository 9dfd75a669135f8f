#include "realseasonfixture.h"

#include "shareddata.h"

void RealSeasonFixture::SetUp()
{
    shared_ = SharedDataFolder();
    if (shared_.empty())
        GTEST_SKIP() << NoSharedDataMessage();
}

SeasonSource RealSeasonFixture::Source(const std::string& file, int typeID) const
{
    SeasonSource source;
    source.path = shared_ + file;
    source.typeID = typeID;
    return source;
}
