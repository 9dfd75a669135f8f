#pragma once

#include <array>

#include "predict/predictmodel.h"

// The model with a whole-number result table. Its four series have no source and
// read 0.
class DBPredict : public PredictModel<int> {
public:
    DBPredict();
    ~DBPredict() override;

    float GetSeries1(int i) const override { return SeriesEntry(0, i); }
    float GetSeries2(int i) const override { return SeriesEntry(1, i); }
    float GetSeries3(int i) const override { return SeriesEntry(2, i); }
    float GetSeries4(int i) const override { return SeriesEntry(3, i); }

private:
    // Entry i of series k; an index outside 0..4 reads 0.
    float SeriesEntry(int k, int i) const;

    std::array<std::array<float, 5>, 4> series_{};
};
