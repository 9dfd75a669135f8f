#pragma once

#include "platform/types.h"

class DBase;
class QLabel;
class QListWidget;
class QWidget;

// What the pickers share: the list of choices and the panel that shows the chosen one
// with its flag.

// The panel under the list: the flag picture and the chosen name in bold.
struct ChoicePanel {
    QWidget* panel;
    QLabel* label;
    QLabel* image;
};
ChoicePanel AddChoicePanel(QWidget* form, const char* panelName, const char* labelName, const char* imageName,
                           int left, int top, int width);

// Refills list from the data object's rows and selects the item equal to remembered
// (any letter case) when the list has one, without sending selection signals: the
// caller shows the choice once the list is complete.
void FillChoiceList(QListWidget* list, DBase* data, const AnsiString& remembered);

// The selected item's text; empty when none is selected.
AnsiString ChoiceText(const QListWidget* list);

// Moves the data object to the selected item and shows its text in the panel, or
// "NOT" when the list is empty.
void ShowChoice(QListWidget* list, DBase* data, const ChoicePanel& choice);
