#include "platform/qtmessagebox.h"

#include "platform/tapplication.h"

#include <QMessageBox>

namespace {

QMessageBox::StandardButtons Buttons(int flags)
{
    switch (flags & 0x0F) {
    case MB_OKCANCEL: return QMessageBox::Ok | QMessageBox::Cancel;
    case MB_YESNO: return QMessageBox::Yes | QMessageBox::No;
    default: return QMessageBox::Ok;
    }
}

QMessageBox::Icon Icon(int flags)
{
    switch (flags & 0xF0) {
    case MB_ICONERROR: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONWARNING: return QMessageBox::Warning;
    case MB_ICONINFORMATION: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

int Result(int button)
{
    switch (button) {
    case QMessageBox::Cancel: return IDCANCEL;
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    default: return IDOK;
    }
}

}  // namespace

int ShowQtMessageBox(const MessageBoxRequest& request)
{
    const std::string caption = request.caption.empty() ? TApplication::Title() : request.caption;
    QMessageBox box(Icon(request.flags), QString::fromStdString(caption), QString::fromStdString(request.text),
                    Buttons(request.flags));
    return Result(box.exec());
}

void UseQtMessageBoxes()
{
    SetMessageBoxHook(ShowQtMessageBox);
}
