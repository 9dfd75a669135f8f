#pragma once

#include <string>

#include "platform/formcontrols.h"

// Starts a dialog's fixed layout: its name, layout caption, a fixed single border with
// the system menu only around a client area of width x height, and the layouts' text size.
void BeginDialog(QWidget* form, const char* name, const std::string& caption, int width, int height);
