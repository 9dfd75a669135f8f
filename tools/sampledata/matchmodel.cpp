#include "sampledata/matchmodel.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr double AverageGoalsLog = 0.23;  // about 1.3 goals a side
constexpr double HomeEdge = 0.13;
constexpr double StrengthWeight = 0.55;

constexpr int MaxGoals = 10;
constexpr int DiffCount = 2 * MaxGoals + 1;
constexpr int MaxHandicapQuarters = 16;  // lines from -4 to +4

constexpr double MatchMargin = 0.06;
constexpr double TotalMargin = 0.05;
constexpr double HandicapMargin = 0.05;

using GoalProbabilities = std::array<double, MaxGoals + 1>;

GoalProbabilities PoissonProbabilities(double mean)
{
    GoalProbabilities p{};
    p[0] = std::exp(-mean);
    for (int k = 1; k <= MaxGoals; ++k)
        p[k] = p[k - 1] * mean / k;
    return p;
}

int Price(double probability, double margin)
{
    if (probability <= 0)
        return 0;
    const long hundredths = std::lround(100.0 / (probability * (1.0 + margin)));
    return static_cast<int>(std::clamp(hundredths, 101L, 5000L));
}

// Goal difference (home minus away) distribution, index = difference + MaxGoals.
using DiffProbabilities = std::array<double, DiffCount>;

struct HalfLine {
    double win = 0;
    double push = 0;
};

// A bet on the home side at a whole or half line given in halves of a goal.
HalfLine HomeOnLine(const DiffProbabilities& diff, int lineHalves)
{
    HalfLine result;
    for (int i = 0; i < DiffCount; ++i) {
        const int scoreHalves = 2 * (i - MaxGoals) + lineHalves;
        if (scoreHalves > 0)
            result.win += diff[i];
        else if (scoreHalves == 0)
            result.push += diff[i];
    }
    return result;
}

// Fair odds of the home side at a line in quarters: a quarter line splits the stake
// over the two neighbouring half lines.
double FairHomeOdds(const DiffProbabilities& diff, int quarters)
{
    const int low = quarters % 2 == 0 ? quarters / 2 : (quarters - 1) / 2;
    const int high = quarters % 2 == 0 ? quarters / 2 : (quarters + 1) / 2;
    const HalfLine a = HomeOnLine(diff, low);
    const HalfLine b = HomeOnLine(diff, high);
    const double win = a.win + b.win;
    return win > 0 ? (2.0 - a.push - b.push) / win : 0;
}

DiffProbabilities Mirror(const DiffProbabilities& diff)
{
    DiffProbabilities mirrored{};
    for (int i = 0; i < DiffCount; ++i)
        mirrored[DiffCount - 1 - i] = diff[i];
    return mirrored;
}

void PriceHandicap(const DiffProbabilities& diff, SampleOdds& odds)
{
    const DiffProbabilities awayView = Mirror(diff);
    double bestGap = 1e9;
    for (int q = -MaxHandicapQuarters; q <= MaxHandicapQuarters; ++q) {
        const double home = FairHomeOdds(diff, q);
        const double away = FairHomeOdds(awayView, -q);
        if (home <= 0 || away <= 0 || std::abs(home - away) >= bestGap)
            continue;
        bestGap = std::abs(home - away);
        odds.hasHandicap = true;
        odds.handicapQuarters = q;
        odds.asian1 = Price(1.0 / home, HandicapMargin);
        odds.asian2 = Price(1.0 / away, HandicapMargin);
    }
}

}  // namespace

GoalRates ExpectedGoals(double homeStrength, double awayStrength, double openness, bool neutral)
{
    const double edge = neutral ? 0 : HomeEdge;
    const double gap = StrengthWeight * (homeStrength - awayStrength);
    const double level = AverageGoalsLog + openness;
    return {std::exp(level + edge + gap), std::exp(level - edge - gap)};
}

SampleOdds PriceMatch(GoalRates rates)
{
    const GoalProbabilities home = PoissonProbabilities(rates.home);
    const GoalProbabilities away = PoissonProbabilities(rates.away);
    double total = 0, homeWin = 0, draw = 0, awayWin = 0, under = 0;
    DiffProbabilities diff{};
    for (int i = 0; i <= MaxGoals; ++i) {
        for (int j = 0; j <= MaxGoals; ++j) {
            const double p = home[i] * away[j];
            total += p;
            (i > j ? homeWin : i == j ? draw : awayWin) += p;
            if (i + j <= 2)
                under += p;
            diff[i - j + MaxGoals] += p;
        }
    }
    for (double& p : diff)
        p /= total;

    SampleOdds odds;
    odds.kef1 = Price(homeWin / total, MatchMargin);
    odds.kefX = Price(draw / total, MatchMargin);
    odds.kef2 = Price(awayWin / total, MatchMargin);
    odds.under25 = Price(under / total, TotalMargin);
    odds.over25 = Price(1.0 - under / total, TotalMargin);
    PriceHandicap(diff, odds);
    return odds;
}
