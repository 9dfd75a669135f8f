#pragma once

// Lets the message loop handle pending events, so long jobs on the GUI thread keep
// the windows responsive. Does nothing without an application object.
void ProcessMessages();
