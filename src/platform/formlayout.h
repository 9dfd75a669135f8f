#pragma once

#include <QRect>
#include <QWidget>

#include <string>

#include "platform/controltext.h"

class QLabel;
class QTabWidget;

// Helpers for the forms' fixed layouts.

// Names a dialog form, gives it its layout caption (UTF-8) and a fixed single border
// with the system menu only around a client area of width x height.
void BeginDialogLayout(QWidget* form, const char* name, const std::string& caption, int width, int height);

// A control made on parent, named (tests find it by that name) and placed.
template <typename Control>
Control* Add(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* control = new Control(parent);
    control->setObjectName(name);
    control->setGeometry(geometry);
    return control;
}

// The same for a control with a caption (UTF-8): a button, a check or radio box, a group box.
template <typename Control>
Control* Add(QWidget* parent, const char* name, const QRect& geometry, const std::string& caption)
{
    auto* control = Add<Control>(parent, name, geometry);
    SetCaption(control, caption);
    return control;
}

// A new named page at the end of a page control, with its tab's caption (UTF-8).
QWidget* AddPage(QTabWidget* pages, const char* name, const std::string& caption);

// A label with its top-left corner at (left, top), as large as its caption (UTF-8).
QLabel* AddLabel(QWidget* parent, const char* name, int left, int top, const std::string& caption);

// A new caption for a label that keeps the size of its caption, as labels placed by
// AddLabel do.
void SetLabelCaption(QLabel* label, const std::string& caption);
