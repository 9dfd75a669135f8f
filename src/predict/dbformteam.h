#pragma once

#include <array>
#include <vector>

// Recent-form values of a model: four series of N values and six summary values. A
// holder nobody filled keeps its series at 5000 and gives 666 for both form values.
class DBFormTeam {
public:
    DBFormTeam();

    bool IsValid() const { return valid_; }
    // Entry i rounded to 2 decimals; an index outside the series raises
    // std::out_of_range ("vector").
    float GetSeries1(int i) const;
    float GetSeries2(int i) const;
    float GetSeries3(int i) const;
    float GetSeries4(int i) const;
    // 666 while the holder is not valid, else rounded to 2 decimals.
    float GetForm1() const;
    float GetForm2() const;
    // Rounded to 2 decimals, valid or not.
    float GetValue3() const;
    float GetValue4() const;
    float GetValue5() const;
    float GetValue6() const;

    // The marker of a holder that was never filled.
    static constexpr float NotFilled = 666.0f;

protected:
    // A filler writes N entries per series and the summary values, then sets valid_.
    int n_ = 5;
    bool valid_ = false;
    std::vector<float> series1_;
    std::vector<float> series2_;
    std::vector<float> series3_;
    std::vector<float> series4_;
    // Form 1, form 2, then values 3 to 6.
    std::array<float, 6> summary_{};
};
