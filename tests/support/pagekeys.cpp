#include "pagekeys.h"

#include <QApplication>
#include <QPointer>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QWheelEvent>

void MovePages(QTabWidget& pages, PageMove move, QWidget* from)
{
    QTabBar* tabs = pages.tabBar();
    from = from ? from : tabs;
    from->setFocus();
    const QPointF inside = tabs->rect().center();
    QWheelEvent notch(inside, tabs->mapToGlobal(inside), {}, {0, move == WheelUp ? 120 : -120}, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    if (move == WheelDown || move == WheelUp)
        QApplication::sendEvent(tabs, &notch);
    else if (move == Right || move == Left)
        QTest::keyClick(tabs, move == Right ? Qt::Key_Right : Qt::Key_Left);
    else  // the keyboard sends Shift+Tab as Backtab
        QTest::keyClick(from, move == CtrlTab ? Qt::Key_Tab : Qt::Key_Backtab,
                        Qt::ControlModifier | (move == CtrlTab ? Qt::NoModifier : Qt::ShiftModifier));
}

std::vector<std::string> ReachableHiddenTabs(const QWidget& window)
{
    static const char* const moveNames[] = {"Right", "Left", "the wheel down", "the wheel up", "Ctrl+Tab",
                                            "Ctrl+Shift+Tab"};
    const auto name = [](const QWidget* widget) { return widget->objectName().toStdString(); };
    window.window()->activateWindow();
    if (!QTest::qWaitForWindowActive(window.window()))
        return {name(window.window()) + " is not active"};
    const QPointer<QWidget> focused = QApplication::focusWidget();
    std::vector<std::string> reached;
    for (QTabWidget* pages : window.findChildren<QTabWidget*>()) {
        const QSignalBlocker holdFills(pages);
        const int kept = pages->currentIndex();
        for (int from = 0; from < pages->count(); ++from)
            for (int move = 0; move < PageMoves && pages->isTabVisible(from); ++move) {
                pages->setCurrentIndex(from);
                MovePages(*pages, PageMove(move));
                if (const int to = pages->currentIndex(); !pages->isTabVisible(to))
                    reached.push_back(name(pages) + ": " + name(pages->widget(to)) + " by " + moveNames[move] +
                                      " from " + name(pages->widget(from)));
            }
        pages->setCurrentIndex(kept);
    }
    if (focused)
        focused->setFocus();
    return reached;
}
