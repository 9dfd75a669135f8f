#pragma once

#include <string>

#include "data/dbfixed.h"
#include "datafolderfixture.h"

// A program folder with a small football database: one league, its cup and an
// international tournament over two seasons, with team 17 (Arsenal) in most matches.
//
//  match  date        home-away           score      tournament  season
//  1      10.08.2022  Arsenal-Chelsea     3:1        league      1
//  2      10.09.2022  Arsenal-Liverpool   1:0        league      1
//  3      10.10.2022  Chelsea-Arsenal     0:3        league      1
//  4      10.03.2023  Arsenal-Chelsea     2:2 AET    cup final   1
//  5      10.04.2023  Arsenal-Liverpool   4:2        cup final   1
//  6      10.09.2023  Arsenal-Bayern      3:0        Europe      2
//  7      10.10.2023  Arsenal-Chelsea     2:1        league      2
//  8      10.11.2023  Liverpool-Arsenal   2:1 AET    cup final   2
//  9      10.12.2023  Chelsea-Liverpool   1:1        league      2
class MatchDataFixture : public DataFolderFixture {
protected:
    static constexpr int Arsenal = 17;
    static constexpr int Chelsea = 18;
    static constexpr int Liverpool = 19;
    static constexpr int Bayern = 20;
    static constexpr int League = 10;
    static constexpr int Cup = 20;
    static constexpr int Europe = 30;

    MatchDataFixture();

    // The scores of the open rows in their order, "3:1 4:2".
    static std::string Scores(DBFixed& fixed);
    // The FilterIDs in order, the current one marked with "*": "1 2* 3".
    std::string History();
};
