#pragma once

#include "platform/types.h"

// x rounded to n decimals (n < 0 rounds to tens, hundreds ...), halves upward.
double RoundTo(double x, int n);
// RoundTo as the shortest text with the user's decimal separator.
AnsiString FloatToStrRound(double x, int n);
double AbsFloat(float x);
