#pragma once

// A coming match of two teams with the bookmaker's odds, placed in the league and
// season both teams play in: the league's mean goals and each side's points per game.
// One object serves one match at a time; SetTeam comes first.
class DBPredictBase {
public:
    // Fixes the match: the teams, the odds, their common newest season and main league,
    // the league's home and away goals per match, the home side's points per game at
    // home and the away side's away. False (a warning) when the teams' seasons or
    // leagues differ or the league has too few matches for its averages.
    bool SetTeam(int team1ID, int team2ID, float kef1, float kefX, float kef2, float kefUn, float kefOv);

    // The odds of a percentage with the margin taken off, to 2 decimals: 0 for a
    // percentage not computed (-1), 100 for 0.
    static float PercentToKef(float percent, float margin);

    int GetChampID() const { return ChampID; }
    int GetSeasonID() const { return SeasonID; }
    float GetPoint1() const { return Point1; }
    float GetPoint2() const { return Point2; }
    int GetTeam1ID() const { return Team1ID; }
    int GetTeam2ID() const { return Team2ID; }
    float GetAvgChampGoals1() const { return AvgChampGoals1; }
    float GetAvgChampGoals2() const { return AvgChampGoals2; }
    float GetKef1() const { return Kef1; }
    float GetKef2() const { return Kef2; }

protected:
    int Team1ID = -1;
    int Team2ID = -1;
    float AvgChampGoals1 = -1.0f;
    float AvgChampGoals2 = -1.0f;
    int SeasonID = -1;
    int ChampID = -1;
    float Kef1 = 0.0f;
    float KefX = 0.0f;
    float Kef2 = 0.0f;
    float KefUn = 0.0f;
    float KefOv = 0.0f;
    float Point1 = 0.0f;
    float Point2 = 0.0f;
};
