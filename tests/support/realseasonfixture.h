#pragma once

#include <string>

#include "data/codes.h"
#include "datafolderfixture.h"
#include "updateservice/seasonsource.h"

// A program folder with empty databases for real seasons of the shared data; each test
// skips with a message on a machine that has none.
class RealSeasonFixture : public DataFolderFixture {
protected:
    void SetUp() override;

    // A season file of the shared data ("football-data-co-uk/E0_1819.csv") to load as
    // a tournament of that type.
    SeasonSource Source(const std::string& file, int typeID = ChampTypeID::League) const;

    // The shared data folder with a trailing "/".
    std::string shared_;
};
