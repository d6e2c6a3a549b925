#include "UiIcons.h"
#include "Shapes.h"

#include <QtMath>

namespace UiIcons {

namespace {
const QColor glyph = Palette::slate.dark;
}

void eye(QPainter &p)
{
    QPainterPath almond;
    almond.moveTo(1, 8);
    almond.quadTo(8, 0.5, 15, 8);
    almond.quadTo(8, 15.5, 1, 8);
    Shapes::fillFlat(p, almond, Palette::white);
    Shapes::stroke(p, almond, glyph, 1.3);
    Shapes::fillFlat(p, Shapes::circle(QPointF(8, 8), 3), glyph);
    Shapes::fillFlat(p, Shapes::circle(QPointF(9, 7), 1), Palette::white);
}

void copy(QPainter &p)
{
    const Hue sheet{Palette::white, Palette::white, glyph};
    Shapes::fill(p, Shapes::roundedRect(QRectF(2, 1, 8, 10), 1), sheet);
    Shapes::fill(p, Shapes::roundedRect(QRectF(6, 5, 8, 10), 1), sheet);
    Shapes::line(p, QPointF(8, 8.5), QPointF(12, 8.5), Palette::slate.light, 1);
    Shapes::line(p, QPointF(8, 11.5), QPointF(12, 11.5), Palette::slate.light, 1);
}

void search(QPainter &p)
{
    Shapes::line(p, QPointF(10, 10), QPointF(14, 14), glyph, 2.4);
    Shapes::fillFlat(p, Shapes::circle(QPointF(6.5, 6.5), 4.5), QColor(255, 255, 255, 170));
    Shapes::stroke(p, Shapes::circle(QPointF(6.5, 6.5), 4.5), glyph, 1.6);
}

void clear(QPainter &p)
{
    Shapes::fillFlat(p, Shapes::circle(QPointF(8, 8), 7), Palette::slate.light);
    Shapes::line(p, QPointF(5.5, 5.5), QPointF(10.5, 10.5), Palette::white, 1.6);
    Shapes::line(p, QPointF(10.5, 5.5), QPointF(5.5, 10.5), Palette::white, 1.6);
}

void add(QPainter &p)
{
    Shapes::fill(p, {Shapes::roundedRect(QRectF(6.5, 2, 3, 12), 1), Shapes::roundedRect(QRectF(2, 6.5, 12, 3), 1)},
                 Palette::green);
}

void edit(QPainter &p)
{
    p.save();
    p.translate(8, 8);
    p.rotate(-45);
    // Built along the x axis: tip on the left, eraser on the right.
    QPainterPath tip;
    tip.moveTo(-9, 0);
    tip.lineTo(-5, -2.2);
    tip.lineTo(-5, 2.2);
    tip.closeSubpath();
    Shapes::fill(p, tip, Hue{Palette::brown.light, Palette::brown.light, Palette::charcoal.base});
    Shapes::fillFlat(
        p,
        [] {
            QPainterPath lead;
            lead.moveTo(-9, 0);
            lead.lineTo(-7.4, -0.9);
            lead.lineTo(-7.4, 0.9);
            lead.closeSubpath();
            return lead;
        }(),
        Palette::charcoal.base);
    Shapes::fill(p, Shapes::roundedRect(QRectF(-5, -2.2, 9, 4.4), 0), Palette::amber, 0.8);
    Shapes::fill(p, Shapes::roundedRect(QRectF(4, -2.2, 2, 4.4), 0), Palette::steel, 0.8);
    Shapes::fill(p, Shapes::roundedRect(QRectF(6, -2.2, 2.5, 4.4), 1), Palette::pink, 0.8);
    p.restore();
}

void sync(QPainter &p)
{
    const QPointF centre(8, 8);
    const qreal radius = 5.2;
    const QColor color = Palette::blue.base;
    for (const qreal start : {30.0, 210.0}) {
        QPainterPath arc;
        const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
        arc.arcMoveTo(box, start);
        arc.arcTo(box, start, 125);
        Shapes::stroke(p, arc, color, 1.8);
        // Arrowhead at the end of the arc, pointing along the direction of travel.
        const qreal end = qDegreesToRadians(start + 125);
        const QPointF tip(centre.x() + radius * qCos(end), centre.y() - radius * qSin(end));
        const QPointF along(-qSin(end), -qCos(end));
        const QPointF across(qCos(end), -qSin(end));
        QPainterPath head;
        head.moveTo(tip + along * 3);
        head.lineTo(tip + across * 2.8);
        head.lineTo(tip - across * 2.8);
        head.closeSubpath();
        Shapes::fillFlat(p, head, color);
    }
}

void lock(QPainter &p)
{
    QPainterPath shackle;
    shackle.moveTo(4.5, 8);
    shackle.lineTo(4.5, 5.5);
    shackle.arcTo(QRectF(4.5, 1.5, 7, 7), 180, -180);
    shackle.lineTo(11.5, 8);
    Shapes::stroke(p, shackle, glyph, 1.8);
    Shapes::fill(p, Shapes::roundedRect(QRectF(2.5, 7.5, 11, 7), 1.5), Palette::amber);
    Shapes::fillFlat(p, Shapes::circle(QPointF(8, 10.5), 1.3), glyph);
    Shapes::line(p, QPointF(8, 11), QPointF(8, 13), glyph, 1.2);
}

} // namespace UiIcons
