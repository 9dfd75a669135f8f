#pragma once

#include <QAbstractSeries>
#include <QChart>
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
