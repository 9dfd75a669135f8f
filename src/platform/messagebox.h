#pragma once

#include <functional>
#include <string>

// Message boxes that core code must show go through this one hook. The program
// entry points it at a real QMessageBox; tests point it at a recorder.

enum MessageBoxFlags : int {
    MB_OK = 0x0,
    MB_OKCANCEL = 0x1,
    MB_YESNO = 0x4,
    MB_ICONERROR = 0x10,
    MB_ICONQUESTION = 0x20,
    MB_ICONWARNING = 0x30,
    MB_ICONINFORMATION = 0x40,
};

enum MessageBoxResult : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

struct MessageBoxRequest {
    std::string text;
    std::string caption;
    int flags = MB_OK;
};

using MessageBoxHook = std::function<int(const MessageBoxRequest&)>;

// Installs the hook and returns the previous one. Without a hook, messages go to
// stderr and the answer is IDOK.
MessageBoxHook SetMessageBoxHook(MessageBoxHook hook);

int MessageBox(const std::string& text, const std::string& caption, int flags = MB_OK);

// A message box with the application's title as caption and one OK button.
void ShowMessage(const std::string& text);
