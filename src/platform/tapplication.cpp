#include "platform/tapplication.h"

#include "platform/messagebox.h"

#include <exception>

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv)
{
}

std::string TApplication::Title()
{
    return QCoreApplication::applicationName().toStdString();
}

void TApplication::SetTitle(const std::string& title)
{
    // The name, not the display name: Qt appends a display name to every caption.
    QCoreApplication::setApplicationName(QString::fromStdString(title));
}

void TApplication::ShowException(const std::string& message)
{
    MessageBox(message, Title(), MB_OK | MB_ICONERROR);
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowException(error.what());
    } catch (...) {
        ShowException("");
    }
    return false;
}
