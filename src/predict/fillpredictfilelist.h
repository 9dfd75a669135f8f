#pragma once

#include "platform/types.h"

class QComboBox;

// Fills the combo with the names of the model files "Predict/*.prd" of the program
// folder, sorted, and selects the one named current (letter case counts), else the
// first. Without model files the combo stays empty.
void FillPredictFileList(QComboBox* combo, const AnsiString& current);
