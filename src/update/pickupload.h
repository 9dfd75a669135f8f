#pragma once

#include "platform/types.h"

// Uploads a day's picks to the web host: text goes as the one form field "Text" to path,
// directly (no proxy). The service's reply is shown: a write error (the reply's first
// character "2" or "3") in a box of its own, then in every case the reply's first 2000
// characters. A request that fails shows nothing and is logged.
void UploadPicks(const AnsiString& path, const AnsiString& text);
