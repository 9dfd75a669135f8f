#include "messagerecorder.h"

MessageRecorder::MessageRecorder(int reply)
{
    previous_ = SetMessageBoxHook([this, reply](const MessageBoxRequest& request) {
        messages_.push_back(request);
        return reply;
    });
}

MessageRecorder::~MessageRecorder()
{
    SetMessageBoxHook(previous_);
}
