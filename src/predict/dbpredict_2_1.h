#pragma once

#include "predict/dbformteam.h"
#include "predict/predictmodel.h"

// The model with a fractional result table (read out rounded to 2 decimals, games to
// whole games) and recent-form values from its DBFormTeam.
class DBPredict_2_1 : public PredictModel<float> {
public:
    DBPredict_2_1();
    ~DBPredict_2_1() override;

    // Raise std::out_of_range for an index outside the series, as DBFormTeam does.
    float GetSeries1(int i) const override { return formTeam_.GetSeries1(i); }
    float GetSeries2(int i) const override { return formTeam_.GetSeries2(i); }
    float GetSeries3(int i) const override { return formTeam_.GetSeries3(i); }
    float GetSeries4(int i) const override { return formTeam_.GetSeries4(i); }

    // The games played by the leader of the standings of the model's tournament and
    // season; 0 when there are none.
    int GetTableGames() const;

    // The recent-form holder, which the research windows copy.
    const DBFormTeam& GetFormTeam() const { return formTeam_; }

private:
    DBFormTeam formTeam_;
};
