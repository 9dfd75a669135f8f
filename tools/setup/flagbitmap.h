#pragma once

#include <string>

// The bytes of Flags/NOT.bmp, the one flag picture every team and tournament shows:
// a 20 x 13 neutral grey flag with a darker edge, as a 24-bit Windows bitmap.
std::string NeutralFlagBitmap();
