#pragma once

#include <array>

#include "predict/idbpredict.h"

// What both kinds of model share: the model record read from a model file, the season
// and tournament, the two expected scores and the result table of Cell values, with
// their read-outs. Parse runs the model's computation, Calculate, which computes
// nothing in this build: the table stays 0 and both scores -1. Rows outside 0..5 and
// groups outside 0..4 read 0.
template <typename Cell>
class PredictModel : public IDBPredict {
public:
    static constexpr int Rows = 6;
    static constexpr int Columns = 6;
    static constexpr int Groups = 5;

    bool LoadFromFile(const AnsiString& name, int team1ID, int team2ID, int option) override;
    bool Parse(const AnsiString& text, int team1ID, int team2ID, int option) override;
    int GetHeadField1() const override { return head_[0]; }
    int GetHeadField2() const override { return head_[1]; }
    int GetHeadField3() const override { return head_[2]; }
    int GetGroupCode(int g) const override { return GroupAt(g).code; }
    int GetGroupValue1(int g) const override { return GroupAt(g).value1; }
    int GetGroupValue2(int g) const override { return GroupAt(g).value2; }
    int GetGroupValue3(int g) const override { return GroupAt(g).value3; }
    AnsiString GetScoreText(int decimals, const AnsiString& separator) const override;
    int GetGame(int row) const override;
    AnsiString GetScore1Text(int decimals) const override;
    AnsiString GetScore2Text(int decimals) const override;
    double GetW1(int row) const override { return Percent(row, 1); }
    double GetX(int row) const override { return Percent(row, 2); }
    double GetW2(int row) const override { return Percent(row, 3); }
    double GetUnder(int row) const override { return Percent(row, 4); }
    double GetOver(int row) const override { return Percent(row, 5); }
    int GetSeasonID() const override { return seasonID_; }
    int GetChampID() const override { return champID_; }

protected:
    // The model's computation for the pair, after the record was read.
    virtual void Calculate(int team1ID, int team2ID, int option);
    // A cell outside the table is ignored.
    void SetTableCell(int row, int column, Cell value);
    void SetScores(float score1, float score2);
    void SetSeasonID(int seasonID) { seasonID_ = seasonID; }
    void SetChampID(int champID) { champID_ = champID; }

private:
    struct GroupFields {
        int code = 0;
        int value1 = 0;
        int value2 = 0;
        int value3 = 0;
    };

    const GroupFields& GroupAt(int g) const;
    Cell TableCell(int row, int column) const;
    // A percentage cell as the model gives it out: a float table rounded to 2 decimals.
    double Percent(int row, int column) const;

    std::array<int, 3> head_{};
    std::array<GroupFields, Groups> groups_{};
    int seasonID_ = 0;
    int champID_ = 0;
    float score1_ = -1.0f;
    float score2_ = -1.0f;
    std::array<std::array<Cell, Columns>, Rows> table_{};
};

extern template class PredictModel<int>;
extern template class PredictModel<float>;
