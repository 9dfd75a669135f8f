#include "platform/tform.h"

#include "platform/eventhandler.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPushButton>
#include <QShowEvent>
#include <QThread>
#include <QWindow>

namespace {

// A window system that never exposes the window (a minimised desktop) must not hang the caller.
constexpr int FrameWaitMilliseconds = 2000;

// The windows were laid out for a toolkit on which Return clicks the focused push button
// and, from any other control, only the button marked the default. A Qt dialog would make
// its first button the default when none is marked, and keep a button the default once it
// had the focus; so no button but a marked one may become the default, and the form
// clicks a focused one itself.
void KeepDefaultForTheMarkedButton(QWidget& form)
{
    for (QPushButton* button : form.findChildren<QPushButton*>())
        if (!button->isDefault())
            button->setAutoDefault(false);
}

// Return and keypad Enter, as a dialog takes them for its default button.
bool IsReturn(const QKeyEvent& event)
{
    const bool keypadEnter = (event.modifiers() & Qt::KeypadModifier) && event.key() == Qt::Key_Enter;
    return (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) && (!event.modifiers() || keypadEnter);
}

}  // namespace

TForm::TForm(QWidget* owner) : QDialog(owner)
{
}

int TForm::ShowModal()
{
    return exec();
}

void TForm::Show()
{
    show();
    raise();
    activateWindow();
    // A window manager adds the frame after the window is mapped; moves made before
    // that would place the window, not its frame.
    QElapsedTimer waited;
    waited.start();
    while (windowHandle() && !windowHandle()->isExposed() && waited.elapsed() < FrameWaitMilliseconds) {
        QCoreApplication::processEvents();
        QThread::msleep(1);
    }
    QCoreApplication::processEvents();
}

void TForm::Close()
{
    close();
}

bool TForm::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        RunHandler([this] { FormActivate(); });
    return QDialog::event(event);
}

void TForm::showEvent(QShowEvent* event)
{
    KeepDefaultForTheMarkedButton(*this);
    QDialog::showEvent(event);
    if (!event->spontaneous())
        RunHandler([this] { FormShow(); });
}

void TForm::closeEvent(QCloseEvent* event)
{
    bool mayClose = false;
    RunHandler([&] { mayClose = CanClose(); });
    if (!mayClose) {
        event->ignore();
        return;
    }
    RunHandler([this] { FormClose(); });
    closing_ = true;
    QDialog::closeEvent(event);  // hides through reject(), which ends a modal loop
    closing_ = false;
}

void TForm::keyPressEvent(QKeyEvent* event)
{
    // A key reaches the form from its focused control when that control leaves it alone.
    auto* focused = qobject_cast<QPushButton*>(focusWidget());
    if (IsReturn(*event) && focused && focused->hasFocus() && focused->isEnabled() && focused->isVisible()) {
        focused->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TForm::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    RunHandler([this] { FormResize(); });
}

void TForm::reject()
{
    if (closing_)
        QDialog::reject();
    else
        close();
}
