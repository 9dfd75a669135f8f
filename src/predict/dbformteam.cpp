#include "predict/dbformteam.h"

#include <stdexcept>

#include "foundation/jxmath.h"

namespace {

constexpr float SeriesStart = 5000.0f;

float Rounded(float value)
{
    return static_cast<float>(RoundTo(value, 2));
}

float Entry(const std::vector<float>& series, int i)
{
    if (i < 0 || i >= static_cast<int>(series.size()))
        throw std::out_of_range("vector");
    return Rounded(series[static_cast<size_t>(i)]);
}

}  // namespace

DBFormTeam::DBFormTeam()
    : series1_(n_, SeriesStart), series2_(n_, SeriesStart), series3_(n_, SeriesStart), series4_(n_, SeriesStart)
{
}

float DBFormTeam::GetSeries1(int i) const { return Entry(series1_, i); }
float DBFormTeam::GetSeries2(int i) const { return Entry(series2_, i); }
float DBFormTeam::GetSeries3(int i) const { return Entry(series3_, i); }
float DBFormTeam::GetSeries4(int i) const { return Entry(series4_, i); }

float DBFormTeam::GetForm1() const { return valid_ ? Rounded(summary_[0]) : NotFilled; }
float DBFormTeam::GetForm2() const { return valid_ ? Rounded(summary_[1]) : NotFilled; }

float DBFormTeam::GetValue3() const { return Rounded(summary_[2]); }
float DBFormTeam::GetValue4() const { return Rounded(summary_[3]); }
float DBFormTeam::GetValue5() const { return Rounded(summary_[4]); }
float DBFormTeam::GetValue6() const { return Rounded(summary_[5]); }
