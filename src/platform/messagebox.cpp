#include "platform/messagebox.h"

#include <iostream>
#include <utility>

namespace {

MessageBoxHook& CurrentHook()
{
    static MessageBoxHook hook;
    return hook;
}

}  // namespace

MessageBoxHook SetMessageBoxHook(MessageBoxHook hook)
{
    return std::exchange(CurrentHook(), std::move(hook));
}

int MessageBox(const std::string& text, const std::string& caption, int flags)
{
    if (const MessageBoxHook& hook = CurrentHook())
        return hook(MessageBoxRequest{text, caption, flags});
    std::cerr << caption << ": " << text << '\n';
    return IDOK;
}

void ShowMessage(const std::string& text)
{
    MessageBox(text, "", MB_OK);
}
