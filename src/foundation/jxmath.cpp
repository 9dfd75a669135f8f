#include "foundation/jxmath.h"

#include "platform/sysutils.h"

#include <cmath>

double RoundTo(double x, int n)
{
    // Extended precision keeps the stored error of x: 1.005 (slightly below in
    // binary) rounds to 1, not 1.01.
    long double scale = 1.0L;
    for (int i = 0; i < n; ++i)
        scale *= 10.0L;
    for (int i = 0; i < -n; ++i)
        scale *= 0.1L;
    return static_cast<double>(std::floor(static_cast<long double>(x) * scale + 0.5L) / scale);
}

AnsiString FloatToStrRound(double x, int n)
{
    return FloatToStr(RoundTo(x, n));
}

double AbsFloat(float x)
{
    return std::fabs(static_cast<double>(x));
}
