#pragma once

#include "platform/types.h"

class DBase;
class QComboBox;
class QListWidget;

// Fill combo and list boxes from a data object's rows, and keep its cursor on the
// selected item. The data object has run its select.
void FillCombo(QComboBox* combo, DBase* data);
void SyncCombo(QComboBox* combo, DBase* data);
// Lists at most 1002 rows: a long team list stays quick to fill.
void FillList(QListWidget* list, DBase* data);
void SyncList(QListWidget* list, DBase* data);
// Selects the first item equal to text, ignoring case; changes nothing when none is.
void SelectComboText(QComboBox* combo, DBase* data, const AnsiString& text);
