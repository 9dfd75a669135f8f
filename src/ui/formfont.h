#pragma once

class QWidget;

// The windows' fixed layouts are made for these text sizes, in pixels, whatever the
// desktop's font size and resolution.
inline constexpr int FormFontPixels = 11;
// For strips and small windows that must hold many texts.
inline constexpr int SmallFontPixels = 10;

// Texts in tight places are narrowed: tool bar captions in their 64-pixel buttons, the
// summary strip, the names of the navigation bar and the filter window.
inline constexpr int CondensedStretch = 87;

// Gives a form or control and everything on it the text size of the layouts, and a
// width stretch in percent.
void SetFormFont(QWidget* form, int pixels = FormFontPixels, int stretch = 100);
