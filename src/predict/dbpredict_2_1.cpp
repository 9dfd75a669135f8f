#include "predict/dbpredict_2_1.h"

DBPredict_2_1::DBPredict_2_1() = default;

DBPredict_2_1::~DBPredict_2_1() = default;
