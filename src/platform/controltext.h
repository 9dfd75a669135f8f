#pragma once

#include <string>

#include "platform/types.h"

class QAbstractButton;
class QGroupBox;
class QLabel;
class QLineEdit;
class QWidget;

// Program texts (UTF-8) into controls and back, and a label's font colour.
void SetCaption(QLabel* label, const std::string& text);
void SetCaption(QAbstractButton* button, const std::string& text);
void SetCaption(QGroupBox* box, const std::string& text);
void SetCaption(QLineEdit* edit, const std::string& text);
void SetHint(QWidget* control, const std::string& text);
std::string Caption(const QLabel* label);
std::string Caption(const QAbstractButton* button);
std::string Caption(const QLineEdit* edit);
void SetFontColor(QLabel* label, TColor color);
TColor FontColor(const QLabel* label);
