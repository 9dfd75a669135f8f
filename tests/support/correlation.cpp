#include "correlation.h"

#include <cmath>

double Correlation(const std::vector<std::pair<double, double>>& points)
{
    double sx = 0, sy = 0, sxx = 0, syy = 0, sxy = 0;
    for (const auto& [x, y] : points) {
        sx += x;
        sy += y;
        sxx += x * x;
        syy += y * y;
        sxy += x * y;
    }
    const double n = static_cast<double>(points.size());
    return (n * sxy - sx * sy) / std::sqrt((n * sxx - sx * sx) * (n * syy - sy * sy));
}
