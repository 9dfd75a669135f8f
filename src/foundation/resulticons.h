#pragma once

#include "platform/imagelist.h"
#include "platform/types.h"

// Colour of a match result: 0 win (blue), 1 draw (green), 2 loss (red), any other
// value a match decided after extra time (magenta).
TColor ResultColor(int result);

// The pictures behind the result icons of match lists, in the order above: a disc in
// the result's colour with a white plus, equals sign, minus or clock hands.
TImageList CreateResultIcons();
