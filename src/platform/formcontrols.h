#pragma once

#include <QRect>
#include <QWidget>

// A control of a window's fixed layout, made on parent with its program name and place.
template <typename Control>
Control* AddControl(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* control = new Control(parent);
    control->setObjectName(name);
    control->setGeometry(geometry);
    return control;
}
