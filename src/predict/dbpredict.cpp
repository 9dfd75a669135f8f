#include "predict/dbpredict.h"

DBPredict::DBPredict() = default;

DBPredict::~DBPredict() = default;

float DBPredict::SeriesEntry(int k, int i) const
{
    const auto& series = series_[k];
    return i >= 0 && i < static_cast<int>(series.size()) ? series[i] : 0.0f;
}
