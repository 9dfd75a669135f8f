#pragma once

#include <QApplication>

#include <string>

// The application object: its title, and the toolkit's rule that an exception
// escaping an event handler is shown in a message box while the program goes on.
class TApplication : public QApplication {
    Q_OBJECT

public:
    TApplication(int& argc, char** argv);

    // The application's name; window captions never carry it.
    static std::string Title();
    static void SetTitle(const std::string& title);

    // An error box with the message and the title as caption, through the message hook.
    static void ShowException(const std::string& message);

    bool notify(QObject* receiver, QEvent* event) override;
};
