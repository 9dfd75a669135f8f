#pragma once

#include <array>

// Codes of the data model that several data classes, presenters and windows share.
// Plain integers: they go into SQL texts and are read back from columns as they are.

// The side of a match seen from a team (columns Field of Filter, Stats, TeamResults,
// Series, and the side arguments of the data classes).
namespace FieldCode {
inline constexpr int Both = 0;
inline constexpr int Home = 1;
inline constexpr int Away = 2;
}  // namespace FieldCode

// A played match seen from a team (the level score is tested first) and, as an
// outcome of the match, the sign of the result (every match after extra time a draw).
namespace ResultCode {
inline constexpr int Win = 0;
inline constexpr int Draw = 1;
inline constexpr int Lose = 2;
inline constexpr int AfterExtraTime = 3;

inline constexpr int HomeWin = -1;
inline constexpr int Level = 0;
inline constexpr int AwayWin = 1;
}  // namespace ResultCode

// Champ.TypeID.
namespace ChampTypeID {
inline constexpr int League = 1;
inline constexpr int Cup = 2;
inline constexpr int International = 3;
}  // namespace ChampTypeID

// The Stats RoundID that gathers the matches of every stage that is not a table stage.
inline constexpr int TotalsRoundID = 7;

// The 13 streak kinds in the order of the Series columns and the streak top list.
namespace SeriesKind {
inline constexpr int Win = 0;
inline constexpr int Draw = 1;
inline constexpr int Lose = 2;
inline constexpr int NoWin = 3;
inline constexpr int NoDraw = 4;
inline constexpr int NoLose = 5;
inline constexpr int Under = 6;
inline constexpr int Over = 7;
inline constexpr int WithScore = 8;
inline constexpr int NoScore = 9;
inline constexpr int WithMiss = 10;
inline constexpr int NoMiss = 11;
inline constexpr int NilNil = 12;
inline constexpr int Count = 13;
// The kind names that, after "Cur" or "Max", name the columns of table Series.
inline constexpr std::array<const char*, Count> Names = {
        "Win", "Draw", "Lose", "NoWin", "NoDraw", "NoLose", "Under", "Over", "WithScore", "NoScore", "WithMiss",
        "NoMiss", "00"};
}  // namespace SeriesKind

// The order in which a team's runs are computed and shown: Over before Under.
namespace SeriesCalcIndex {
inline constexpr int Win = 0;
inline constexpr int Draw = 1;
inline constexpr int Lose = 2;
inline constexpr int NoWin = 3;
inline constexpr int NoDraw = 4;
inline constexpr int NoLose = 5;
inline constexpr int Over = 6;
inline constexpr int Under = 7;
inline constexpr int WithScore = 8;
inline constexpr int NoScore = 9;
inline constexpr int WithMiss = 10;
inline constexpr int NoMiss = 11;
inline constexpr int NilNil = 12;
inline constexpr int Count = 13;
}  // namespace SeriesCalcIndex

// The cells of a score distribution, own goals:rival goals; every other score
// falls into the last cell.
namespace ScoreCell {
struct Score {
    int own;
    int rival;
};
inline constexpr std::array<Score, 16> Scores = {{{3, 0}, {3, 2}, {3, 1}, {2, 1}, {2, 0}, {1, 0}, {0, 0}, {1, 1},
                                                  {2, 2}, {3, 3}, {0, 1}, {0, 2}, {1, 2}, {1, 3}, {2, 3}, {0, 3}}};
inline constexpr int Other = 16;
inline constexpr int Count = 17;

// The cell of a score: the first that matches exactly, else Other.
constexpr int Of(int own, int rival)
{
    for (int cell = 0; cell < static_cast<int>(Scores.size()); ++cell)
        if (Scores[cell].own == own && Scores[cell].rival == rival)
            return cell;
    return Other;
}
}  // namespace ScoreCell

// The six kinds of result marks: the result, total goals against 2.5, own and rival
// goals against the TourTotal line, and the two handicap lines of TourHandicap.
namespace MarkKind {
inline constexpr int Result = 1;
inline constexpr int Total = 2;
inline constexpr int OwnGoals = 3;
inline constexpr int RivalGoals = 4;
inline constexpr int HandicapMinus = 5;
inline constexpr int HandicapPlus = 6;
inline constexpr int First = Result;
inline constexpr int Last = HandicapPlus;
}  // namespace MarkKind
