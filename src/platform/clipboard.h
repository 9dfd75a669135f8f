#pragma once

#include <string>

// The clipboard's text.
void SetClipboardText(const std::string& text);
std::string ClipboardText();
