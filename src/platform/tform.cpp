#include "platform/tform.h"

#include "platform/eventhandler.h"

#include <QCloseEvent>
#include <QShowEvent>

TForm::TForm(QWidget* owner) : QDialog(owner)
{
}

int TForm::ShowModal()
{
    return exec();
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
