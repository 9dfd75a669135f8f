#include "platform/tform.h"

#include "platform/eventhandler.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QShowEvent>
#include <QThread>
#include <QWindow>

namespace {

// A window system that never exposes the window (a minimised desktop) must not hang the caller.
constexpr int FrameWaitMilliseconds = 2000;

// The windows were laid out for a toolkit on which Return clicks only a button marked
// the default. A Qt dialog would also click a focused push button, and make its first
// one the default when none is marked, so Return in an edit box would act.
void KeepReturnForTheDefaultButton(QWidget& form)
{
    for (QPushButton* button : form.findChildren<QPushButton*>())
        if (!button->isDefault())
            button->setAutoDefault(false);
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
    KeepReturnForTheDefaultButton(*this);
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
