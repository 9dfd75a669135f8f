#pragma once

#include <string>

#include "datafolderfixture.h"

// A program folder with hand-made played matches of a league around the bench's first
// day, 12 June 2019, ids in date order:
//   1  10 June  Alpha-Beta   2:1     4  12 June  Delta-Alpha  0:2
//   2  11 June  Gamma-Delta  0:0     5  13 June  Alpha-Gamma  3:0
//   3  12 June  Beta-Gamma   1:1     6  14 June  Beta-Delta   1:2
// Teams 1 to 4, tournament 11 "League", season 19, table round 1; Calendar holds one
// coming fixture of its own.
class BenchMatchesFixture : public DataFolderFixture {
protected:
    BenchMatchesFixture();

    // The match ids of Fixed or _Fixed in order, as "1 2 3".
    static std::string Ids(const std::string& table);
};
