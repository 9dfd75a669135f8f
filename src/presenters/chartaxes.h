#pragma once

#include <Qt>

class QAbstractSeries;
class QChart;
class QValueAxis;

// The chart's value axis of one direction for a series: the one attached to it, else
// the chart's own axis of that direction, else a new one (owned by the chart); the
// series is attached to it. Charts set their ranges after loading data, so the axes
// never guess from stale points.
QValueAxis* ChartValueAxis(QChart& chart, QAbstractSeries& series, Qt::Orientation orientation);
