#include "ui/toolpictures.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace {

// Every picture is drawn on a 32 x 32 grid and scaled.
constexpr double Grid = 32.0;

const QColor Ink(0x30, 0x3a, 0x48);
const QColor Blue(0x2f, 0x6f, 0xc4);
const QColor Red(0xd0, 0x3a, 0x2f);
const QColor Green(0x2f, 0x9a, 0x4a);
const QColor Gold(0xe0, 0xa8, 0x20);
const QColor Paper(0xf6, 0xf6, 0xf2);

void Outline(QPainter& p, const QColor& fill, double width = 1.6)
{
    p.setPen(QPen(Ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
}

void Shirt(QPainter& p, double dx, double dy, double scale, const QColor& colour)
{
    const QPointF points[] = {{8, 4},  {13, 4},  {16, 7},  {19, 4},  {24, 4}, {30, 10},
                              {26, 14}, {24, 12}, {24, 28}, {8, 28}, {8, 12}, {6, 14}, {2, 10}};
    QPolygonF shape;
    for (const QPointF& point : points)
        shape << QPointF(dx + point.x() * scale, dy + point.y() * scale);
    Outline(p, colour);
    p.drawPolygon(shape);
}

void Letter(QPainter& p, const QString& text, const QColor& colour)
{
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(18);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(QRectF(0, 1, Grid, Grid), Qt::AlignCenter, text);
}

void Arrow(QPainter& p, bool right, const QColor& colour)
{
    QPolygonF shape;
    const double points[][2] = {{4, 16}, {15, 5}, {15, 11}, {28, 11}, {28, 21}, {15, 21}, {15, 27}};
    for (const auto& point : points)
        shape << QPointF(right ? Grid - point[0] : point[0], point[1]);
    Outline(p, colour);
    p.drawPolygon(shape);
}

void Cup(QPainter& p)
{
    Outline(p, Gold);
    QPainterPath bowl;
    bowl.moveTo(8, 4);
    bowl.lineTo(24, 4);
    bowl.cubicTo(24, 16, 20, 19, 16, 19);
    bowl.cubicTo(12, 19, 8, 16, 8, 4);
    p.drawPath(bowl);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(3, 6, 7, 8), 90 * 16, 180 * 16);
    p.drawArc(QRectF(22, 6, 7, 8), 270 * 16, 180 * 16);
    p.setBrush(Gold);
    p.drawRect(QRectF(14, 19, 4, 5));
    p.drawRect(QRectF(9, 24, 14, 4));
}

void Calendar(QPainter& p)
{
    Outline(p, Paper);
    p.drawRect(QRectF(4, 6, 24, 22));
    p.setBrush(Red);
    p.drawRect(QRectF(4, 6, 24, 6));
    p.setBrush(Ink);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 4; ++col)
            p.drawRect(QRectF(7 + col * 5.5, 15 + row * 4.2, 2.2, 2.2));
}

void Update(QPainter& p)
{
    p.setPen(QPen(Green, 3.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(6, 6, 20, 20), 30 * 16, 270 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(Green);
    p.drawPolygon(QPolygonF({QPointF(20, 2), QPointF(29, 9), QPointF(19, 13)}));
}

void Podium(QPainter& p)
{
    Outline(p, Blue);
    p.drawRect(QRectF(12, 8, 8, 20));
    p.drawRect(QRectF(3, 15, 8, 13));
    p.drawRect(QRectF(21, 19, 8, 9));
}

void Star(QPainter& p)
{
    QPolygonF shape;
    for (int i = 0; i < 10; ++i) {
        const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const double radius = i % 2 == 0 ? 14.0 : 6.0;
        shape << QPointF(16 + radius * std::cos(angle), 17 + radius * std::sin(angle));
    }
    Outline(p, Gold);
    p.drawPolygon(shape);
}

void Gear(QPainter& p)
{
    QPolygonF shape;
    constexpr int teeth = 8;
    for (int i = 0; i < teeth * 4; ++i) {
        const double angle = i * 2 * std::numbers::pi / (teeth * 4);
        const double radius = (i % 4 < 2) ? 14.0 : 10.5;
        shape << QPointF(16 + radius * std::cos(angle), 16 + radius * std::sin(angle));
    }
    Outline(p, QColor(0x9a, 0xa4, 0xb0));
    p.drawPolygon(shape);
    p.setBrush(Paper);
    p.drawEllipse(QPointF(16, 16), 4.5, 4.5);
}

void Disc(QPainter& p, const QColor& colour, const QString& text)
{
    Outline(p, colour);
    p.drawEllipse(QPointF(16, 16), 13, 13);
    Letter(p, text, Qt::white);
}

void Envelope(QPainter& p)
{
    Outline(p, Paper);
    p.drawRect(QRectF(3, 8, 26, 17));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(3, 8), QPointF(16, 18), QPointF(29, 8)}));
}

void Door(QPainter& p)
{
    Outline(p, QColor(0xa0, 0x6a, 0x3c));
    p.drawRect(QRectF(5, 3, 14, 26));
    p.setBrush(Ink);
    p.drawEllipse(QPointF(16, 16), 1.3, 1.3);
    p.setPen(QPen(Red, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(18, 16), QPointF(29, 16));
    p.drawPolyline(QPolygonF({QPointF(25, 12), QPointF(29, 16), QPointF(25, 20)}));
}

void Funnel(QPainter& p)
{
    Outline(p, Blue);
    p.drawPolygon(QPolygonF({QPointF(3, 5), QPointF(29, 5), QPointF(19, 17), QPointF(19, 28), QPointF(13, 24),
                             QPointF(13, 17)}));
}

void Sheet(QPainter& p)
{
    Outline(p, Paper);
    p.drawRect(QRectF(5, 3, 18, 26));
    p.setPen(QPen(Green, 1.2));
    for (int y = 9; y <= 23; y += 4)
        p.drawLine(QPointF(8, y), QPointF(20, y));
    p.setPen(QPen(Green, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(17, 20), QPointF(29, 20));
    p.drawPolyline(QPolygonF({QPointF(25, 16), QPointF(29, 20), QPointF(25, 24)}));
}

void Ball(QPainter& p, QPointF centre, double radius)
{
    Outline(p, Qt::white, 1.2);
    p.drawEllipse(centre, radius, radius);
    QPolygonF patch;
    for (int i = 0; i < 5; ++i) {
        const double angle = -std::numbers::pi / 2 + i * 2 * std::numbers::pi / 5;
        const QPointF direction(std::cos(angle), std::sin(angle));
        patch << centre + direction * radius * 0.42;
        p.drawLine(centre + direction * radius * 0.42, centre + direction * radius);
    }
    p.setBrush(Ink);
    p.drawPolygon(patch);
}

TImageList ListOf(std::initializer_list<ToolPicture> pictures, int size)
{
    TImageList list(size, size);
    for (ToolPicture picture : pictures)
        list.Add(DrawToolPicture(picture, size));
    return list;
}

}  // namespace

QPixmap DrawToolPicture(ToolPicture picture, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / Grid, size / Grid);
    switch (picture) {
    case ToolPicture::Team: Shirt(p, 0, 0, 1.0, Blue); break;
    case ToolPicture::Tournament: Cup(p); break;
    case ToolPicture::HeadToHead:
        Shirt(p, 0, 6, 0.65, Blue);
        Shirt(p, 11, 2, 0.65, Red);
        break;
    case ToolPicture::Today: Calendar(p); break;
    case ToolPicture::Update: Update(p); break;
    case ToolPicture::Ranking: Podium(p); break;
    case ToolPicture::Favourites: Star(p); break;
    case ToolPicture::Settings: Gear(p); break;
    case ToolPicture::Help: Disc(p, Blue, "?"); break;
    case ToolPicture::Support: Envelope(p); break;
    case ToolPicture::About: Disc(p, Green, "i"); break;
    case ToolPicture::Exit: Door(p); break;
    case ToolPicture::Back: Arrow(p, false, Blue); break;
    case ToolPicture::Forward: Arrow(p, true, Blue); break;
    case ToolPicture::Filter: Funnel(p); break;
    case ToolPicture::Export: Sheet(p); break;
    }
    return pixmap;
}

TImageList CreateNavigationImages()
{
    return ListOf({ToolPicture::Back, ToolPicture::Forward, ToolPicture::Team, ToolPicture::Tournament,
                   ToolPicture::HeadToHead, ToolPicture::Filter, ToolPicture::Export},
                  20);
}

TImageList CreateMainToolImages()
{
    return ListOf({ToolPicture::Team, ToolPicture::Tournament, ToolPicture::HeadToHead, ToolPicture::Today,
                   ToolPicture::Update, ToolPicture::Ranking, ToolPicture::Favourites, ToolPicture::Settings,
                   ToolPicture::Help, ToolPicture::Support, ToolPicture::About, ToolPicture::Exit},
                  28);
}

QPixmap DrawApplicationIcon(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / Grid, size / Grid);
    Outline(p, Green);
    p.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 6, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(Gold);
    const double barTops[] = {19, 13, 6};
    for (int i = 0; i < 3; ++i)
        p.drawRect(QRectF(16.5 + i * 4.5, barTops[i], 3.4, 27 - barTops[i]));
    Ball(p, QPointF(10, 21), 7);
    return pixmap;
}

QIcon ApplicationIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64})
        icon.addPixmap(DrawApplicationIcon(size));
    return icon;
}
