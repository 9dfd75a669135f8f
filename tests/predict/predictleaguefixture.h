#pragma once

#include <set>
#include <string>
#include <vector>

#include "datafolderfixture.h"

// A program folder with leagues played match by match and their derived tables rebuilt
// by the update's own code. It holds one league of two seasons already:
//
//  team       season 1 (home : away)          season 2
//  Home       at home 2:0 3:1 1:0 1:1 2:2     at home 3:0 2:1 1:0 0:0 0:2, away 1:0 (lost)
//  Away       away 0:1 1:1 2:0 3:1 1:0        away 1:2 0:2 0:0 2:1 1:0, at home 2:0 (won)
//  Short      -                               at home 1:0 1:0 1:0 1:0
//  Relegated  at home 1:0                     -
//
// Home wins 6, draws 3 and loses 1 of its 10 home games, Away wins 3, draws 2 and loses
// 5 of its 10 away games; every match is against Filler. Two teams of a second league
// played each other twice in season 2.
class PredictLeagueFixture : public DataFolderFixture {
protected:
    static constexpr int League = 1;
    static constexpr int SmallLeague = 2;
    static constexpr int Home = 1;
    static constexpr int Away = 2;
    static constexpr int Short = 3;
    static constexpr int Relegated = 4;
    static constexpr int Small1 = 5;
    static constexpr int Small2 = 6;
    static constexpr int Filler = 11;

    PredictLeagueFixture();

    // A league of its own.
    static void AddLeague(int champID);
    // One match a day of home against away, in the order of the scores ("2:0 1:1").
    void Play(int champID, int seasonID, int home, int away, const std::string& scores);
    // TeamResults and Stats of the matches played.
    static void Rebuild();
    // The lines of the error log so far.
    static std::vector<std::string> Logged();

private:
    std::set<int> teams_;
    int matches_ = 0;
};
