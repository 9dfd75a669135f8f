#include "presenters/chartaxes.h"

#include <QFontMetricsF>
#include <QGraphicsLayout>

#include <algorithm>
#include <cmath>

namespace {

// The charts of the cards are small: a vertical axis elides every label once its ticks
// stand closer than a line of text, so a few whole steps are all that fit.
constexpr double WantedTicks = 4.0;

// A bar's value label is its text with a pixel above and below, standing 2 pixels above
// the bar; 2 more keep it off the plot's top edge.
constexpr double LabelRoomBeyondText = 2 * 1 + 2 + 2;

// On a plot too low for a label above a taller bar, or on one not laid out yet, the
// highest bar still takes a fifth of the plot's height.
constexpr double LeastBarShare = 0.2;

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

void SetWholeTicks(QValueAxis& axis, double first, double step, double last)
{
    axis.setLabelFormat("%d");
    axis.setTickType(QValueAxis::TicksDynamic);
    axis.setTickAnchor(first);
    axis.setTickInterval(step);
    axis.setRange(first, last);
}

}  // namespace

void SetWholeNumberRange(QValueAxis& axis, double low, double high)
{
    const double step = WholeStep(std::max(1.0, high - low));
    const double first = std::floor(low / step) * step;
    SetWholeTicks(axis, first, step, std::max(std::ceil(high), first + 1.0));
}

double LaidOutPlotHeight(QChart& chart)
{
    // The chart lays itself out when the event loop next runs; a range set before that
    // would be measured against the plot of what the chart held before.
    if (QGraphicsLayout* layout = chart.layout())
        layout->activate();
    return chart.plotArea().height();
}

void SetBarRange(QValueAxis& axis, double highest, double plotHeight, const QFont& labelFont)
{
    const double labelRoom = QFontMetricsF(labelFont).height() + LabelRoomBeyondText;
    const double barShare = plotHeight > 0 ? std::max(LeastBarShare, 1.0 - labelRoom / plotHeight) : LeastBarShare;
    const double wanted = std::max(highest, 1.0) / barShare;
    const double step = WholeStep(wanted);
    SetWholeTicks(axis, 0, step, std::ceil(wanted / step) * step);
}
