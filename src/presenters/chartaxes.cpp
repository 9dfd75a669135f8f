#include "presenters/chartaxes.h"

#include <algorithm>
#include <cmath>

namespace {

// The charts of the cards are small: a vertical axis elides every label once its ticks
// stand closer than a line of text, so a few whole steps are all that fit.
constexpr double WantedTicks = 4.0;

// The smallest of 1, 2, 5, 10, 20, 50 ... that splits span into at most WantedTicks steps.
double WholeStep(double span)
{
    double step = 1.0;
    for (double scale = 1.0;; scale *= 10.0)
        for (double factor : {1.0, 2.0, 5.0}) {
            step = factor * scale;
            if (span / step <= WantedTicks)
                return step;
        }
}

}  // namespace

void SetWholeNumberRange(QValueAxis& axis, double low, double high)
{
    const double step = WholeStep(std::max(1.0, high - low));
    const double first = std::floor(low / step) * step;
    axis.setLabelFormat("%d");
    axis.setTickType(QValueAxis::TicksDynamic);
    axis.setTickAnchor(first);
    axis.setTickInterval(step);
    axis.setRange(first, std::max(std::ceil(high), first + 1.0));
}
