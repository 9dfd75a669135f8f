#include "platform/tform.h"

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
        FormActivate();
    return QDialog::event(event);
}

void TForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TForm::closeEvent(QCloseEvent* event)
{
    if (!CanClose()) {
        event->ignore();
        return;
    }
    FormClose();
    closing_ = true;
    QDialog::closeEvent(event);  // hides through reject(), which ends a modal loop
    closing_ = false;
}

void TForm::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    FormResize();
}

void TForm::reject()
{
    if (closing_)
        QDialog::reject();
    else
        close();
}
