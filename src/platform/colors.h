#pragma once

#include "platform/types.h"

#include <QColor>

// A colour value 0x00BBGGRR as Qt's colour; the high byte carries nothing here.
QColor ToQColor(TColor color);
