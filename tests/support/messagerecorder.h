#pragma once

#include <vector>

#include "platform/messagebox.h"

// Records every message box shown while it lives, answering each with a fixed reply.
class MessageRecorder {
public:
    explicit MessageRecorder(int reply = IDOK);
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    const std::vector<MessageBoxRequest>& Messages() const { return messages_; }

private:
    std::vector<MessageBoxRequest> messages_;
    MessageBoxHook previous_;
};
