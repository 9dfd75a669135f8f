#pragma once

#include "predict/dbpredict_2_1.h"

// A model that computes from its own file: head field 1 gives the games of result row
// 5, fields 2 and 3 the tournament and season of its table, and the next five items the
// percentages W1, X, W2, under and over in hundredths ("30:11:19:4550:2675:2775:4810:5190;").
class ComputingModel : public DBPredict_2_1 {
protected:
    void Calculate(int, int, int) override
    {
        constexpr int row = ResultRow;
        SetTableCell(row, 0, static_cast<float>(GetHeadField1()));
        SetChampID(GetHeadField2());
        SetSeasonID(GetHeadField3());
        const int percents[] = {GetGroupCode(0), GetGroupValue1(0), GetGroupValue2(0), GetGroupValue3(0),
                                GetGroupCode(1)};
        for (int column = 1; column <= 5; ++column)
            SetTableCell(row, column, static_cast<float>(percents[column - 1]) / 100.0f);
    }
};
