#include "CardIcons.h"
#include "Shapes.h"

#include <QtMath>

namespace CardIcons {

void favourite(QPainter &p)
{
    Shapes::fill(p, Shapes::star(QPointF(16, 17), 14, 6.2), Palette::amber);
}

void shirt(QPainter &p)
{
    QPainterPath body;
    body.moveTo(12, 4);
    body.quadTo(16, 8.5, 20, 4);
    body.lineTo(26, 6.5);
    body.lineTo(30, 13);
    body.lineTo(25.5, 15.5);
    body.lineTo(24, 13.5);
    body.lineTo(24, 28);
    body.lineTo(8, 28);
    body.lineTo(8, 13.5);
    body.lineTo(6.5, 15.5);
    body.lineTo(2, 13);
    body.lineTo(6, 6.5);
    body.closeSubpath();
    Shapes::fill(p, body, Palette::blue);
    QPainterPath seams;
    seams.moveTo(8, 13.5);
    seams.lineTo(6.8, 9.5);
    seams.moveTo(24, 13.5);
    seams.lineTo(25.2, 9.5);
    Shapes::stroke(p, seams, Palette::blue.dark, 0.8);
}

void gift(QPainter &p)
{
    for (const qreal side : {-1.0, 1.0}) {
        p.save();
        p.translate(16 + side * 4.5, 7.5);
        p.rotate(side * 25);
        QPainterPath loop;
        loop.addEllipse(QPointF(0, 0), 4.2, 2.8);
        Shapes::fill(p, loop, Palette::amber);
        p.restore();
    }
    Shapes::fill(p, Shapes::roundedRect(QRectF(5, 15, 22, 14), 1.5), Palette::red);
    Shapes::fill(p, Shapes::roundedRect(QRectF(3, 10, 26, 6), 1.5), Palette::red);
    Shapes::fillFlat(p, Shapes::roundedRect(QRectF(14, 10, 4, 19), 0), Palette::amber.base);
    Shapes::fillFlat(p, Shapes::roundedRect(QRectF(5, 16, 22, 1.2), 0), Palette::red.dark);
}

void glasses(QPainter &p)
{
    const QColor lens(0x9f, 0xd8, 0xf5, 200);
    const QRectF left(3, 12, 11.5, 10);
    const QRectF right(17.5, 12, 11.5, 10);
    for (const QRectF &rect : {left, right}) {
        Shapes::fillFlat(p, Shapes::roundedRect(rect, 4), lens);
        Shapes::stroke(p, Shapes::roundedRect(rect, 4), Palette::charcoal.base, 2);
        Shapes::line(p, rect.topLeft() + QPointF(3, 2.5), rect.topLeft() + QPointF(5.5, 2.5),
                     QColor(255, 255, 255, 220), 1.2);
    }
    QPainterPath bridge;
    bridge.moveTo(14.5, 15);
    bridge.quadTo(16, 12.5, 17.5, 15);
    Shapes::stroke(p, bridge, Palette::charcoal.base, 2);
    Shapes::line(p, QPointF(3, 14), QPointF(1.5, 9.5), Palette::charcoal.base, 1.6);
    Shapes::line(p, QPointF(29, 14), QPointF(30.5, 9.5), Palette::charcoal.base, 1.6);
}

void siren(QPainter &p)
{
    const QColor rays = Palette::amber.base;
    Shapes::line(p, QPointF(16, 2), QPointF(16, 5.5), rays, 2);
    Shapes::line(p, QPointF(6, 6), QPointF(8.5, 8.5), rays, 2);
    Shapes::line(p, QPointF(26, 6), QPointF(23.5, 8.5), rays, 2);
    Shapes::line(p, QPointF(2.5, 15), QPointF(5.5, 15), rays, 2);
    Shapes::line(p, QPointF(29.5, 15), QPointF(26.5, 15), rays, 2);
    QPainterPath dome;
    dome.moveTo(8.5, 24);
    dome.lineTo(8.5, 16.5);
    dome.arcTo(QRectF(8.5, 9, 15, 15), 180, -180);
    dome.lineTo(23.5, 24);
    dome.closeSubpath();
    Shapes::fill(p, dome, Palette::red);
    Shapes::line(p, QPointF(12.5, 15.5), QPointF(12.5, 21), QColor(255, 255, 255, 200), 1.8);
    Shapes::fill(p, Shapes::roundedRect(QRectF(5, 24, 22, 5), 1.5), Palette::charcoal);
}

void home(QPainter &p)
{
    Shapes::fillFlat(p, Shapes::roundedRect(QRectF(21, 5, 4, 8), 0.5), Palette::red.dark);
    Shapes::house(p, QRectF(2, 3, 28, 26), Palette::red, Palette::paper);
    Shapes::fill(p, Shapes::roundedRect(QRectF(20, 18, 4, 4), 0.5), Palette::sky, 0);
}

void heart(QPainter &p)
{
    QPainterPath path;
    path.moveTo(16, 28);
    path.cubicTo(10, 23, 2, 17.5, 2, 10.5);
    path.cubicTo(2, 6.5, 5, 3.5, 9, 3.5);
    path.cubicTo(12, 3.5, 14.5, 5.5, 16, 8);
    path.cubicTo(17.5, 5.5, 20, 3.5, 23, 3.5);
    path.cubicTo(27, 3.5, 30, 6.5, 30, 10.5);
    path.cubicTo(30, 17.5, 22, 23, 16, 28);
    Shapes::fill(p, path, Palette::pink);
    Shapes::line(p, QPointF(6.5, 9.5), QPointF(8, 7.5), QColor(255, 255, 255, 200), 1.6);
}

void addressPin(QPainter &p)
{
    Shapes::fillFlat(
        p,
        [] {
            QPainterPath shadow;
            shadow.addEllipse(QPointF(16, 29), 6, 1.6);
            return shadow;
        }(),
        QColor(0x43, 0x4f, 0x5e, 90));
    const QPointF centre(16, 12);
    const qreal radius = 9.5;
    const QPointF tip(16, 29);
    // The tail meets the head along its tangents, so the pin has no kink.
    const qreal distance = tip.y() - centre.y();
    const qreal angle = qAsin(radius / distance);
    const qreal tangentX = radius * qCos(angle);
    const qreal tangentY = radius * qSin(angle);
    QPainterPath tail;
    tail.moveTo(tip);
    tail.lineTo(centre.x() - tangentX, centre.y() + tangentY);
    tail.lineTo(centre.x() + tangentX, centre.y() + tangentY);
    tail.closeSubpath();
    Shapes::fill(p, {Shapes::circle(centre, radius), tail}, Palette::red);
    QPainterPath roof;
    roof.moveTo(10.5, 12.5);
    roof.lineTo(16, 7.5);
    roof.lineTo(21.5, 12.5);
    Shapes::stroke(p, roof, Palette::white, 1.8);
    Shapes::fillFlat(p, Shapes::roundedRect(QRectF(12.5, 11.5, 7, 5.5), 0.5), Palette::white);
    Shapes::fillFlat(p, Shapes::roundedRect(QRectF(15, 13.5, 2, 3.5), 0), Palette::red.base);
}

void capsule(QPainter &p)
{
    p.save();
    p.translate(16, 16);
    p.rotate(-45);
    const QRectF body(-13, -5.5, 26, 11);
    const QPainterPath outline = Shapes::roundedRect(body, 5.5);
    Shapes::fill(p, outline, Palette::red);
    p.setClipRect(QRectF(0, -8, 14, 16));
    Shapes::fill(p, outline, Palette::paper, 0);
    p.setClipping(false);
    Shapes::line(p, QPointF(0, -5.5), QPointF(0, 5.5), Palette::red.dark, 1);
    Shapes::line(p, QPointF(-9, -2.8), QPointF(-4, -2.8), QColor(255, 255, 255, 190), 1.6);
    p.restore();
}

void deer(QPainter &p)
{
    const QColor antler = Palette::brown.light;
    for (const qreal side : {-1.0, 1.0}) {
        QPainterPath branch;
        branch.moveTo(16 + side * 3, 12);
        branch.cubicTo(16 + side * 6, 9, 16 + side * 9, 6, 16 + side * 10, 2);
        branch.moveTo(16 + side * 6.8, 8.6);
        branch.lineTo(16 + side * 5.5, 3.5);
        branch.moveTo(16 + side * 8.8, 6);
        branch.lineTo(16 + side * 13.5, 4.5);
        Shapes::stroke(p, branch, Palette::brown.dark, 4.2);
        Shapes::stroke(p, branch, antler, 2.2);
        p.save();
        p.translate(16 + side * 8.5, 14.5);
        p.rotate(side * -25);
        QPainterPath ear;
        ear.addEllipse(QPointF(0, 0), 3.8, 2);
        Shapes::fill(p, ear, Palette::brown);
        p.restore();
    }
    QPainterPath head;
    head.moveTo(11, 13);
    head.quadTo(16, 10, 21, 13);
    head.cubicTo(21, 19, 19.5, 28, 16, 29);
    head.cubicTo(12.5, 28, 11, 19, 11, 13);
    Shapes::fill(p, head, Palette::brown);
    Shapes::fillFlat(p, Shapes::circle(QPointF(16, 27), 1.8), Palette::charcoal.dark);
    Shapes::fillFlat(p, Shapes::circle(QPointF(13.6, 16.5), 1), Palette::charcoal.dark);
    Shapes::fillFlat(p, Shapes::circle(QPointF(18.4, 16.5), 1), Palette::charcoal.dark);
}

} // namespace CardIcons
