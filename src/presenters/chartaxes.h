#pragma once

#include <QAbstractSeries>
#include <QChart>
#include <QFont>
#include <QValueAxis>

// The series' axis of one direction and kind, added to the chart (which owns it) when
// the series has none yet.
template <typename Axis>
Axis* AttachedAxis(QChart& chart, QAbstractSeries& series, Qt::Orientation orientation)
{
    for (QAbstractAxis* attached : series.attachedAxes())
        if (attached->orientation() == orientation)
            if (auto* axis = qobject_cast<Axis*>(attached))
                return axis;
    auto* axis = new Axis(&chart);
    chart.addAxis(axis, orientation == Qt::Horizontal ? Qt::AlignBottom : Qt::AlignLeft);
    series.attachAxis(axis);
    return axis;
}

// Ranges a value axis of whole numbers (goals, matches, ratings) over low..high with
// ticks only on whole steps, so that every tick's label reads its true value.
void SetWholeNumberRange(QValueAxis& axis, double low, double high);

// The height of the chart's plot area with the series and axes it holds now laid out.
double LaidOutPlotHeight(QChart& chart);

// Ranges a bar chart's value axis from 0 to the first whole step that leaves room for the
// highest bar's value label, in labelFont, above the bar on a plot of that height.
void SetBarRange(QValueAxis& axis, double highest, double plotHeight, const QFont& labelFont);
