#pragma once

#include <ostream>
#include <string>
#include <vector>

class QWidget;

// A caption that its control does not show whole: wider than the room the style gives
// it, clipped by a parent, or covered by a control stacked above it.
struct CutText {
    std::string control;  // object name, with the item or tab index where there is one
    std::string text;
    int needed = 0;     // pixels the text takes in the control's font
    int available = 0;  // pixels it can show
};

std::ostream& operator<<(std::ostream& out, const CutText& cut);

// Measures with the fonts' metrics every caption of the window's visible labels,
// buttons, check boxes, radio buttons, tab bars and combo box items, and returns the
// ones that are cut. Captions are measured as shown, without surrounding blanks;
// labels that wrap their text are left out.
std::vector<CutText> CutTexts(const QWidget& window);

// The header cells of the window's shown grids whose text is cut, or touches the cell's
// frame: a header shows its text whole with a free pixel on either side of it.
std::vector<CutText> CutGridHeaders(const QWidget& window);

// The shown controls of the window that reach outside their parent or overlap a shown
// sibling, as "a lies outside b" and "a overlaps b"; Qt's own parts are left out.
std::vector<std::string> MisplacedControls(const QWidget& window);

// The shown push buttons, check boxes and radio buttons that have neither a caption nor
// an icon nor a hint.
std::vector<std::string> CaptionlessButtons(const QWidget& window);

// The captions, frame titles, hints, shown tab texts and title of the window, its hidden
// controls' too, that hold Cyrillic letters, as "name: text". In English these are the
// texts no language file gave.
std::vector<std::string> RussianTexts(const QWidget& window);
