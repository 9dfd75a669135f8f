#pragma once

#include <QRect>
#include <QWidget>

#include <string>

#include "platform/controltext.h"

class QLabel;
class QTabWidget;

// Helpers for the windows' fixed layouts; captions are UTF-8.

// A control of a window's fixed layout, made on parent with its program name and place.
template <typename Control>
Control* AddControl(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* control = new Control(parent);
    control->setObjectName(name);
    control->setGeometry(geometry);
    return control;
}

// The same for a control with a caption: a button, a check or radio box, a group box.
template <typename Control>
Control* AddControl(QWidget* parent, const char* name, const QRect& geometry, const std::string& caption)
{
    auto* control = AddControl<Control>(parent, name, geometry);
    SetCaption(control, caption);
    return control;
}

// A label with its top-left corner at (left, top), as large as its caption.
QLabel* AddLabel(QWidget* parent, const char* name, int left, int top, const std::string& caption);
// A new caption for a label that keeps the size of its caption, as labels placed by
// AddLabel do.
void SetLabelCaption(QLabel* label, const std::string& caption);

// A new named page at the end of a page control, with its tab's caption.
QWidget* AddPage(QTabWidget* pages, const char* name, const std::string& caption);

// A fixed single border with the system menu only, around a client area of width x height.
void SetDialogBorder(QWidget* form, int width, int height);
