#include "CardIcons.h"
#include "Shapes.h"

#include <QVector>

namespace CardIcons {

namespace {

// An aeroplane seen from above, nose up, centred on the origin and 28 units long.
QVector<QPainterPath> aeroplane()
{
    QVector<QPainterPath> parts;
    QPainterPath fuselage;
    fuselage.addRoundedRect(QRectF(-2.2, -14, 4.4, 28), 2.2, 2.2);
    parts.append(fuselage);
    for (const qreal side : {-1.0, 1.0}) {
        QPainterPath wing;
        wing.moveTo(side * 1.5, -4);
        wing.lineTo(side * 13.5, 3.5);
        wing.lineTo(side * 13.5, 6);
        wing.lineTo(side * 1.5, 2.5);
        wing.closeSubpath();
        parts.append(wing);
        QPainterPath tail;
        tail.moveTo(side * 1.5, 8.5);
        tail.lineTo(side * 6.5, 12.5);
        tail.lineTo(side * 6.5, 14);
        tail.lineTo(side * 1.5, 13);
        tail.closeSubpath();
        parts.append(tail);
    }
    return parts;
}

void drawAeroplane(QPainter &p, const QPointF &centre, qreal scale, const Hue &hue)
{
    p.save();
    p.translate(centre);
    p.rotate(45);
    p.scale(scale, scale);
    Shapes::fill(p, aeroplane(), hue, 1.0 / scale);
    p.restore();
}

} // namespace

void car(QPainter &p)
{
    QPainterPath cabin;
    cabin.moveTo(8, 14);
    cabin.lineTo(11, 7.5);
    cabin.quadTo(11.5, 7, 12.5, 7);
    cabin.lineTo(20.5, 7);
    cabin.quadTo(21.5, 7, 22, 7.5);
    cabin.lineTo(25.5, 14);
    cabin.closeSubpath();
    QPainterPath body;
    body.addRoundedRect(QRectF(2, 13, 28, 10), 3.5, 3.5);
    Shapes::fill(p, {cabin, body}, Palette::red);
    QPainterPath windows;
    windows.moveTo(10.5, 13.5);
    windows.lineTo(12.5, 9);
    windows.lineTo(16, 9);
    windows.lineTo(16, 13.5);
    windows.closeSubpath();
    windows.moveTo(17.5, 13.5);
    windows.lineTo(17.5, 9);
    windows.lineTo(20.5, 9);
    windows.lineTo(23, 13.5);
    windows.closeSubpath();
    Shapes::fillFlat(p, windows, Palette::sky.light);
    Shapes::fillFlat(p, Shapes::roundedRect(QRectF(26.5, 15.5, 2.5, 2), 0.8), Palette::amber.light);
    for (const qreal x : {9.0, 23.0}) {
        Shapes::fill(p, Shapes::circle(QPointF(x, 23), 4), Palette::charcoal);
        Shapes::fillFlat(p, Shapes::circle(QPointF(x, 23), 1.6), Palette::steel.base);
    }
}

void hotelBed(QPainter &p)
{
    Shapes::fill(p, Shapes::roundedRect(QRectF(2, 8, 4, 21), 1.5), Palette::brown);
    Shapes::fill(p, Shapes::roundedRect(QRectF(6, 17, 24, 6), 1.5), Palette::paper);
    Shapes::fill(p, Shapes::roundedRect(QRectF(7, 12.5, 7.5, 4.5), 2), Palette::steel);
    Shapes::fill(p, Shapes::roundedRect(QRectF(14, 14, 16, 7), 2), Palette::purple);
    Shapes::fill(p, Shapes::roundedRect(QRectF(6, 23, 24, 2.5), 0.5), Palette::brown);
    Shapes::fill(p, Shapes::roundedRect(QRectF(27, 25, 2.5, 4), 0.5), Palette::brown);
}

void plane(QPainter &p)
{
    drawAeroplane(p, QPointF(16, 16), 1.0, Palette::sky);
}

void frequentFlyer(QPainter &p)
{
    drawAeroplane(p, QPointF(13, 13), 0.8, Palette::sky);
    const QPointF centre(24, 24);
    Shapes::badge(p, centre, 7, Palette::amber);
    Shapes::fillFlat(p, Shapes::star(QPointF(24, 24.5), 5, 2.1), Palette::white);
}

} // namespace CardIcons
