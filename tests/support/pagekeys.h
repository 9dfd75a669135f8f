#pragma once

#include <string>
#include <vector>

class QTabWidget;
class QWidget;

// The user's moves between pages: the arrow keys and a notch of the wheel on the tabs,
// Ctrl+Tab and Ctrl+Shift+Tab on the control from (the tabs when there is none).
enum PageMove { Right, Left, WheelDown, WheelUp, CtrlTab, CtrlShiftTab, PageMoves };

void MovePages(QTabWidget& pages, PageMove move, QWidget* from = nullptr);

// The moves from the shown tabs of the window's page controls that land on a hidden tab,
// as "pages: tabX by Right from tabY". The window is made active, as it is for the user's
// keys; the page controls keep their pages and fill none.
std::vector<std::string> ReachableHiddenTabs(const QWidget& window);
