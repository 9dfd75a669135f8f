#pragma once

// The score model of the sample data: goals of each side are Poisson distributed
// around rates that follow the difference of the two sides' strengths, with an
// edge for the home side. The bookmaker's odds are priced from the same model.

struct GoalRates {
    double home = 0;
    double away = 0;
};

// Expected goals of a match; openness raises the goals of both sides (open leagues and
// clubs), a neutral ground gives no home edge.
GoalRates ExpectedGoals(double homeStrength, double awayStrength, double openness, bool neutral);

// Odds in hundredths (185 is 1.85); 0 means no odds offered.
struct SampleOdds {
    int kef1 = 0;
    int kefX = 0;
    int kef2 = 0;
    int under25 = 0;
    int over25 = 0;
    bool hasHandicap = false;
    int handicapQuarters = 0;  // the home side's Asian handicap in quarter goals: -2 is -0.5
    int asian1 = 0;
    int asian2 = 0;
};

// Odds of every kind with a bookmaker's margin: win-draw-win, under and over 2.5
// goals, and the most balanced Asian handicap line with its two odds.
SampleOdds PriceMatch(GoalRates rates);
