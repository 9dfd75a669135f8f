#include "startpicturedrawing.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace {

constexpr int Width = 300;
constexpr int Height = 200;
constexpr double Horizon = 100;

void Sky(QPainter& p)
{
    QLinearGradient sky(0, 0, 0, Horizon);
    sky.setColorAt(0, QColor(0x0b, 0x16, 0x33));
    sky.setColorAt(1, QColor(0x2a, 0x5a, 0x86));
    p.fillRect(QRectF(0, 0, Width, Horizon), sky);
}

void Floodlight(QPainter& p, double x)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x14, 0x1c, 0x2a));
    p.drawRect(QRectF(x - 1.5, 20, 3, 60));
    QRadialGradient glow(QPointF(x, 18), 48);
    glow.setColorAt(0, QColor(255, 246, 210, 190));
    glow.setColorAt(0.25, QColor(255, 236, 170, 70));
    glow.setColorAt(1, QColor(255, 236, 170, 0));
    p.setBrush(glow);
    p.drawEllipse(QPointF(x, 18), 48, 48);
    p.setBrush(QColor(0xff, 0xfb, 0xe8));
    p.drawRoundedRect(QRectF(x - 9, 14, 18, 7), 2, 2);
}

// The stands with a crowd of small coloured dots, the same at every build.
void Stands(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1b, 0x23, 0x33));
    p.drawPolygon(QPolygonF({QPointF(0, 74), QPointF(Width, 74), QPointF(Width, Horizon + 2), QPointF(0, Horizon + 2)}));
    const QColor shirts[] = {QColor(0xc6, 0x3d, 0x32), QColor(0xe8, 0xe4, 0xd8), QColor(0x3b, 0x6e, 0xc2),
                             QColor(0xd9, 0xa4, 0x2b), QColor(0x59, 0x62, 0x73)};
    unsigned seed = 2024;
    for (double y = 78; y < Horizon; y += 4.5)
        for (double x = 2; x < Width; x += 4) {
            seed = seed * 1103515245u + 12345u;
            p.setBrush(shirts[(seed >> 16) % std::size(shirts)]);
            p.drawEllipse(QPointF(x + ((seed >> 8) % 3) * 0.5, y), 1.3, 1.3);
        }
}

// Mown bands that widen towards the viewer, then the white lines in perspective.
void Pitch(QPainter& p)
{
    const double bands[] = {Horizon, 105, 111, 118, 127, 138, 152, 170, Height};
    p.setPen(Qt::NoPen);
    for (size_t i = 0; i + 1 < std::size(bands); ++i) {
        p.setBrush(i % 2 == 0 ? QColor(0x2c, 0x7a, 0x34) : QColor(0x37, 0x8c, 0x3e));
        p.drawRect(QRectF(0, bands[i], Width, bands[i + 1] - bands[i]));
    }
    p.setPen(QPen(QColor(255, 255, 255, 215), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(-70, Height), QPointF(44, 104), QPointF(256, 104), QPointF(370, Height)}));
    p.drawLine(QPointF(150, 104), QPointF(150, Height));
    p.drawEllipse(QPointF(150, 138), 46, 15);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(150, 138), 1.8, 1.2);
}

// A team's form climbing over the season: the program is about numbers.
void FormLine(QPainter& p)
{
    const QPointF points[] = {{70, 60}, {98, 52}, {126, 56}, {154, 43}, {182, 46}, {210, 33}, {238, 27}};
    p.setPen(QPen(QColor(0xf2, 0xc1, 0x4e, 220), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(points, static_cast<int>(std::size(points)));
    p.setBrush(QColor(0xf2, 0xc1, 0x4e));
    p.setPen(QPen(QColor(0x0b, 0x16, 0x33), 1));
    for (const QPointF& point : points)
        p.drawEllipse(point, 2.6, 2.6);
}

void Ball(QPainter& p, QPointF centre, double radius)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawEllipse(centre + QPointF(5, radius - 1), radius * 1.05, radius * 0.3);
    QRadialGradient shade(centre - QPointF(radius * 0.4, radius * 0.4), radius * 1.6);
    shade.setColorAt(0, Qt::white);
    shade.setColorAt(1, QColor(0xa8, 0xae, 0xb8));
    p.setBrush(shade);
    p.setPen(QPen(QColor(0x30, 0x34, 0x3c), 1));
    p.drawEllipse(centre, radius, radius);
    // A black patch in the middle, seams to the rim, turned a little.
    QPolygonF patch;
    for (int i = 0; i < 5; ++i) {
        const double angle = 0.3 + i * 2 * std::numbers::pi / 5;
        const QPointF corner = centre + QPointF(std::cos(angle), std::sin(angle)) * radius * 0.38;
        patch << corner;
        p.drawLine(corner, centre + QPointF(std::cos(angle), std::sin(angle)) * radius * 0.97);
    }
    p.setBrush(QColor(0x22, 0x25, 0x2b));
    p.drawPolygon(patch);
}

}  // namespace

QImage DrawStartPicture()
{
    QImage picture(Width, Height, QImage::Format_RGB888);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    Sky(p);
    Floodlight(p, 36);
    Floodlight(p, 264);
    Stands(p);
    Pitch(p);
    FormLine(p);
    Ball(p, QPointF(232, 172), 15);
    return picture;
}
