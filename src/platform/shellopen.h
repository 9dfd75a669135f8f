#pragma once

#include <functional>
#include <string>

// Opening a web address or a mail link with the desktop's handler goes through this
// hook; tests point it at a recorder.
using OpenUrlHook = std::function<bool(const std::string& url)>;

// Installs the hook and returns the previous one; an empty hook restores the desktop.
OpenUrlHook SetOpenUrlHook(OpenUrlHook hook);

// True when the handler took the address.
bool OpenUrl(const std::string& url);
