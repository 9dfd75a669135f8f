#pragma once

// Lets the message loop handle pending events, so long jobs on the GUI thread keep
// the windows responsive. Does nothing without an application object.
void ProcessMessages();

// The same for a wait inside one handler (an HTTP request): windows repaint and timers
// run, while clicks and keys wait until the handler ends, so none of it runs twice.
void ProcessMessagesExceptInput();
