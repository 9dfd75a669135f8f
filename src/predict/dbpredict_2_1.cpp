#include "predict/dbpredict_2_1.h"

#include "data/codes.h"
#include "data/dbtable.h"

DBPredict_2_1::DBPredict_2_1() = default;

DBPredict_2_1::~DBPredict_2_1() = default;

int DBPredict_2_1::GetTableGames() const
{
    DBTable table;
    table.SelectTableSeason(GetChampID(), GetSeasonID(), FieldCode::Both, false);
    return table.GetGame();
}
