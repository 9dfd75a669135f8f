#pragma once

#include <QTabWidget>

// The toolkit's page control, whose pages with a hidden tab are out of the user's reach:
// Left and Right on the tabs and the mouse wheel over them go to the nearest shown tab
// and stop at the last one; Ctrl+Tab and Ctrl+Shift+Tab go to the next and previous
// shown tab, wrapping round, from any control of the pages. A hidden page becomes
// current only when code makes it so.
class TPageControl : public QTabWidget {
    Q_OBJECT

public:
    explicit TPageControl(QWidget* parent = nullptr);

    // Makes the next shown page current (the previous one when not forward), wrapping
    // round past either end.
    void SelectNextPage(bool forward);
};
