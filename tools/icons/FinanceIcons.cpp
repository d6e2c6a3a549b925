#include "CardIcons.h"
#include "Shapes.h"

#include <QString>
#include <QtMath>

namespace CardIcons {

void risingChart(QPainter &p)
{
    const qreal heights[] = {7, 12, 17};
    for (int i = 0; i < 3; ++i) {
        const QRectF bar(5 + i * 8, 29 - heights[i], 6, heights[i]);
        Shapes::fill(p, Shapes::roundedRect(bar, 1), Palette::blue);
    }
    QPainterPath trend;
    trend.moveTo(3, 19);
    trend.lineTo(11, 12);
    trend.lineTo(16, 15);
    trend.lineTo(25.5, 5.5);
    Shapes::stroke(p, trend, Palette::white, 5);
    Shapes::stroke(p, trend, Palette::green.dark, 3.6);
    Shapes::stroke(p, trend, Palette::green.base, 2.2);
    QPainterPath head;
    head.moveTo(29.5, 2.5);
    head.lineTo(28.5, 10.5);
    head.lineTo(21.5, 3.5);
    head.closeSubpath();
    Shapes::fill(p, head, Palette::green);
}

void pieChart(QPainter &p)
{
    struct Slice
    {
        qreal start;
        qreal span;
        Hue hue;
        qreal lift;
    };
    const Slice slices[] = {
        {90, 200, Palette::blue, 0},
        {290, 95, Palette::amber, 0},
        {25, 65, Palette::green, 2.5},
    };
    const QPointF centre(15, 17);
    const qreal radius = 12;
    for (const Slice &slice : slices) {
        // Pull a slice out along its middle direction.
        const qreal middle = qDegreesToRadians(slice.start + slice.span / 2);
        const QPointF offset(slice.lift * qCos(middle), -slice.lift * qSin(middle));
        const QPointF c = centre + offset;
        QPainterPath path;
        path.moveTo(c);
        path.arcTo(QRectF(c.x() - radius, c.y() - radius, 2 * radius, 2 * radius), slice.start, slice.span);
        path.closeSubpath();
        Shapes::fill(p, path, slice.hue);
    }
}

void mortgage(QPainter &p)
{
    Shapes::house(p, QRectF(1, 2, 26, 24), Palette::indigo, Palette::paper);
    const QPointF centre(24, 24);
    Shapes::badge(p, centre, 6.5, Palette::green);
    Shapes::fillFlat(p, Shapes::text(QStringLiteral("%"), QRectF(20.5, 20.5, 7, 7)), Palette::white);
}

void bank(QPainter &p)
{
    const Hue stone = Palette::steel;
    QPainterPath roof;
    roof.moveTo(3, 11);
    roof.lineTo(16, 3);
    roof.lineTo(29, 11);
    roof.closeSubpath();
    Shapes::fill(p, roof, stone);
    Shapes::fill(p, Shapes::roundedRect(QRectF(4, 11, 24, 3), 0.5), stone);
    for (int i = 0; i < 4; ++i)
        Shapes::fill(p, Shapes::roundedRect(QRectF(6 + i * 6, 15, 2, 9), 0), stone);
    Shapes::fill(p, Shapes::roundedRect(QRectF(4, 25, 24, 2), 0.5), stone);
    Shapes::fill(p, Shapes::roundedRect(QRectF(2, 28, 28, 2), 0.5), stone);
    Shapes::fillFlat(p, Shapes::circle(QPointF(16, 8.2), 1.6), stone.dark);
}

} // namespace CardIcons
