#pragma once

#include "platform/messagebox.h"

// A real message box for a request: the flags choose the buttons and the icon, an
// empty caption becomes the application's title; returns the button's IDOK ... IDNO.
int ShowQtMessageBox(const MessageBoxRequest& request);

// Points the message hook at ShowQtMessageBox; the program entry calls it.
void UseQtMessageBoxes();
