#include "foundation/resulticons.h"

#include "platform/colors.h"

#include <QPainter>
#include <QPixmap>

#include <vector>

namespace {

constexpr int IconSize = 16;

QPixmap ResultIcon(TColor color, const std::vector<QLineF>& glyph)
{
    QPixmap icon(IconSize, IconSize);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ToQColor(color));
    painter.drawEllipse(QRectF(1, 1, 14, 14));
    painter.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::FlatCap));
    for (const QLineF& stroke : glyph)
        painter.drawLine(stroke);
    return icon;
}

}  // namespace

TColor ResultColor(int result)
{
    switch (result) {
    case 0: return 0xF44F41;
    case 1: return 0x11AA11;
    case 2: return 0x1C17F1;
    default: return 0xF44FF4;
    }
}

TImageList CreateResultIcons()
{
    const QLineF across(4.5, 8, 11.5, 8);
    const QLineF upright(8, 4.5, 8, 11.5);
    TImageList icons(IconSize, IconSize);
    icons.Add(ResultIcon(ResultColor(0), {across, upright}));
    icons.Add(ResultIcon(ResultColor(1), {QLineF(4.5, 6, 11.5, 6), QLineF(4.5, 10, 11.5, 10)}));
    icons.Add(ResultIcon(ResultColor(2), {across}));
    icons.Add(ResultIcon(ResultColor(3), {QLineF(8, 9, 8, 3.5), QLineF(7, 8, 12, 8)}));
    return icons;
}
