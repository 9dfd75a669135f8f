#include "platform/tpagecontrol.h"

#include <QKeyEvent>
#include <QShortcut>
#include <QStyle>
#include <QTabBar>
#include <QWheelEvent>

namespace {

bool TabShown(const QTabBar& tabs, int index)
{
    return tabs.isTabVisible(index) && tabs.isTabEnabled(index);
}

// The nearest shown tab after from in the direction of step (+1 or -1), wrapping round
// when wrap; -1 when there is none.
int NearestShownTab(const QTabBar& tabs, int from, int step, bool wrap)
{
    const int count = tabs.count();
    const int farthest = wrap ? count : count - 1;
    for (int moved = 1; moved <= farthest; ++moved) {
        const int index = from + moved * step;
        if (!wrap && (index < 0 || index >= count))
            return -1;
        const int wrapped = (index % count + count) % count;
        if (TabShown(tabs, wrapped))
            return wrapped;
    }
    return -1;
}

// Steps the current tab to the nearest shown one; at the last shown tab it stays.
void StepToShownTab(QTabBar& tabs, int step, bool wrap)
{
    if (const int index = NearestShownTab(tabs, tabs.currentIndex(), step, wrap); index >= 0)
        tabs.setCurrentIndex(index);
}

// The tabs of a page control: the keys and the wheel pass over hidden tabs.
class TPageTabs : public QTabBar {
public:
    explicit TPageTabs(QWidget* parent) : QTabBar(parent)
    {
        // Qt's own name of a page control's tabs, as a part of the control.
        setObjectName("qt_tabwidget_tabbar");
    }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() != Qt::Key_Left && event->key() != Qt::Key_Right) {
            event->ignore();
            return;
        }
        const Qt::Key back = isRightToLeft() ? Qt::Key_Right : Qt::Key_Left;
        StepToShownTab(*this, event->key() == back ? -1 : 1, false);
    }

    void wheelEvent(QWheelEvent* event) override
    {
        // A pixel-precise device scrolls the strip of tabs and chooses none.
        if (!style()->styleHint(QStyle::SH_TabBar_AllowWheelScrolling, nullptr, this) ||
            event->device()->capabilities().testFlag(QInputDevice::Capability::PixelScroll)) {
            QTabBar::wheelEvent(event);
            return;
        }
        // A fine wheel sends parts of a notch: one tab per whole notch.
        wheelTurn_ += event->angleDelta();
        const QPoint notches = wheelTurn_ / QWheelEvent::DefaultDeltasPerStep;
        if (notches.isNull())
            return;
        wheelTurn_ = {};
        StepToShownTab(*this, notches.x() > 0 || notches.y() > 0 ? -1 : 1, false);
    }

private:
    QPoint wheelTurn_;
};

}  // namespace

TPageControl::TPageControl(QWidget* parent) : QTabWidget(parent)
{
    setTabBar(new TPageTabs(this));
    // A shortcut, not a key handler: a closed combo box takes Ctrl+Tab as a search key
    // and would keep it from the page control.
    const std::pair<QKeySequence, bool> steps[] = {{QKeySequence(Qt::CTRL | Qt::Key_Tab), true},
                                                   {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), false}};
    for (const auto& [keys, forward] : steps) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, forward] { SelectNextPage(forward); });
    }
}

void TPageControl::SelectNextPage(bool forward)
{
    StepToShownTab(*tabBar(), forward ? 1 : -1, true);
}
