#pragma once

#include "predict/dbpredict.h"

class TJXGrid;

// Lays out the match card's forecast grid: a label column and the six columns of a
// model's result table (games, 1, X, 2, under, over), five light green rows and a
// light blue sixth. Owns the card's model.
class DBPredictGrid {
public:
    DBPredictGrid();
    ~DBPredictGrid();
    DBPredictGrid(const DBPredictGrid&) = delete;
    DBPredictGrid& operator=(const DBPredictGrid&) = delete;

    void InitGrid(TJXGrid* grid);

private:
    DBPredict predict_;
};
