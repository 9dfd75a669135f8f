#include "presenters/chartaxes.h"

#include <QChart>
#include <QValueAxis>

QValueAxis* ChartValueAxis(QChart& chart, QAbstractSeries& series, Qt::Orientation orientation)
{
    for (QAbstractAxis* axis : series.attachedAxes())
        if (axis->orientation() == orientation)
            if (auto* valueAxis = qobject_cast<QValueAxis*>(axis))
                return valueAxis;
    QValueAxis* axis = nullptr;
    for (QAbstractAxis* chartAxis : chart.axes(orientation))
        if ((axis = qobject_cast<QValueAxis*>(chartAxis)))
            break;
    if (!axis) {
        axis = new QValueAxis(&chart);
        axis->setLabelFormat("%d");
        chart.addAxis(axis, orientation == Qt::Horizontal ? Qt::AlignBottom : Qt::AlignLeft);
    }
    series.attachAxis(axis);
    return axis;
}
