#include "Shapes.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QVector>
#include <QtMath>

namespace Shapes {

QPainterPath roundedRect(const QRectF &rect, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

QPainterPath circle(const QPointF &centre, qreal radius)
{
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

QPainterPath star(const QPointF &centre, qreal outerRadius, qreal innerRadius)
{
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const qreal radius = i % 2 == 0 ? outerRadius : innerRadius;
        const qreal angle = qDegreesToRadians(-90.0 + 36.0 * i);
        const QPointF point(centre.x() + radius * qCos(angle), centre.y() + radius * qSin(angle));
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

QPainterPath person(const QRectF &box)
{
    const qreal headRadius = box.width() * 0.24;
    const qreal bodyTop = box.top() + headRadius * 2 + box.height() * 0.08;
    QPainterPath path;
    path.addEllipse(QPointF(box.center().x(), box.top() + headRadius), headRadius, headRadius);
    const qreal bodyHeight = box.bottom() - bodyTop;
    path.moveTo(box.left(), box.bottom());
    path.arcTo(QRectF(box.left(), bodyTop, box.width(), bodyHeight * 2), 180, -180);
    path.closeSubpath();
    return path;
}

QPainterPath text(const QString &text, const QRectF &box, bool condensed)
{
    QFont font(condensed ? QStringLiteral("DejaVu Sans Condensed") : QStringLiteral("DejaVu Sans"));
    font.setPixelSize(100);
    font.setBold(true);
    QPainterPath path;
    path.addText(0, 0, font, text);
    // Size by cap height rather than by the glyphs, so "a" and "G" tiles use the same type size.
    const qreal capHeight = QFontMetricsF(font).capHeight();
    const QRectF glyphs = path.boundingRect();
    const qreal scale = qMin(box.height() / capHeight, box.width() / glyphs.width());
    QTransform transform;
    transform.translate(box.center().x(), box.center().y());
    transform.scale(scale, scale);
    transform.translate(-glyphs.center().x(), -glyphs.center().y());
    return transform.map(path);
}

void fill(QPainter &p, const QVector<QPainterPath> &parts, const Hue &hue, qreal edge)
{
    QRectF bounds;
    for (const QPainterPath &part : parts)
        bounds = bounds.united(part.boundingRect());
    if (edge > 0) {
        // A doubled pen whose inner half the fill covers again: the outline lies outside the
        // shape, so shapes on whole units stay crisp and overlapping parts show one silhouette.
        p.setPen(QPen(hue.dark, edge * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        for (const QPainterPath &part : parts)
            p.drawPath(part);
    }
    QLinearGradient gradient(bounds.topLeft(), bounds.bottomLeft());
    gradient.setColorAt(0, hue.light);
    gradient.setColorAt(1, hue.base);
    p.setPen(Qt::NoPen);
    p.setBrush(gradient);
    for (const QPainterPath &part : parts)
        p.drawPath(part);
}

void fill(QPainter &p, const QPainterPath &path, const Hue &hue, qreal edge)
{
    fill(p, QVector<QPainterPath>{path}, hue, edge);
}

void fillFlat(QPainter &p, const QPainterPath &path, const QColor &color)
{
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(path);
}

void stroke(QPainter &p, const QPainterPath &path, const QColor &color, qreal width)
{
    p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void line(QPainter &p, QPointF from, QPointF to, const QColor &color, qreal width)
{
    p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(from, to);
}

void plasticCard(QPainter &p, const QRectF &rect, const Hue &hue)
{
    fill(p, roundedRect(rect, 2.5), hue);
}

void chip(QPainter &p, const QRectF &rect)
{
    fill(p, roundedRect(rect, 1), Palette::amber, 0);
    const qreal middle = rect.center().y();
    line(p, QPointF(rect.left(), middle), QPointF(rect.right(), middle), Palette::amber.dark, 0.6);
    line(p, QPointF(rect.center().x(), rect.top()), QPointF(rect.center().x(), middle), Palette::amber.dark, 0.6);
}

void globe(QPainter &p, const QPointF &centre, qreal radius)
{
    fill(p, circle(centre, radius), Palette::sky);
    const QColor lines(255, 255, 255, 210);
    const qreal width = radius / 9;
    QPainterPath grid;
    grid.addEllipse(centre, radius * 0.42, radius);
    grid.moveTo(centre.x(), centre.y() - radius);
    grid.lineTo(centre.x(), centre.y() + radius);
    grid.moveTo(centre.x() - radius, centre.y());
    grid.lineTo(centre.x() + radius, centre.y());
    const qreal latitude = radius * 0.5;
    const qreal halfChord = qSqrt(radius * radius - latitude * latitude);
    for (const qreal y : {centre.y() - latitude, centre.y() + latitude}) {
        grid.moveTo(centre.x() - halfChord, y);
        grid.lineTo(centre.x() + halfChord, y);
    }
    p.save();
    p.setClipPath(circle(centre, radius));
    stroke(p, grid, lines, width);
    p.restore();
}

void key(QPainter &p, const QPointF &bowCentre, qreal bowRadius, qreal length, qreal angleDegrees, const Hue &hue)
{
    p.save();
    p.translate(bowCentre);
    p.rotate(angleDegrees);
    const qreal shaft = bowRadius * 0.62;
    QPainterPath bow;
    bow.addEllipse(QPointF(0, 0), bowRadius, bowRadius);
    QPainterPath blade;
    blade.setFillRule(Qt::WindingFill);
    blade.addRoundedRect(QRectF(bowRadius * 0.6, -shaft / 2, length - bowRadius * 0.6, shaft), shaft * 0.3,
                         shaft * 0.3);
    const qreal tooth = shaft * 0.95;
    blade.addRoundedRect(QRectF(length - tooth * 1.1, 0, tooth, shaft / 2 + tooth), shaft * 0.25, shaft * 0.25);
    blade.addRoundedRect(QRectF(length - tooth * 2.6, 0, tooth, shaft / 2 + tooth * 0.75), shaft * 0.25, shaft * 0.25);
    fill(p, QVector<QPainterPath>{bow, blade}, hue);
    QPainterPath hole = circle(QPointF(-bowRadius * 0.28, 0), bowRadius * 0.36);
    p.setPen(QPen(hue.dark, 1.0));
    p.setBrush(hue.dark);
    p.drawPath(hole);
    p.restore();
}

void folder(QPainter &p, const QRectF &rect, const Hue &hue)
{
    const qreal tabWidth = rect.width() * 0.4;
    const qreal tabHeight = rect.height() * 0.16;
    QPainterPath back;
    back.setFillRule(Qt::WindingFill);
    back.addRoundedRect(QRectF(rect.left(), rect.top() + tabHeight, rect.width(), rect.height() - tabHeight), 2, 2);
    back.addRoundedRect(QRectF(rect.left(), rect.top(), tabWidth, tabHeight * 2), 2, 2);
    fill(p, QVector<QPainterPath>{back}, Hue{hue.base, hue.base, hue.dark});
    const QRectF front(rect.left(), rect.top() + tabHeight * 2.2, rect.width(), rect.height() - tabHeight * 2.2);
    fill(p, roundedRect(front, 2), Hue{hue.light, hue.base, hue.dark});
}

void house(QPainter &p, const QRectF &rect, const Hue &roof, const Hue &wall)
{
    const qreal roofHeight = rect.height() * 0.45;
    const qreal inset = rect.width() * 0.14;
    const QRectF walls(rect.left() + inset, rect.top() + roofHeight - 1, rect.width() - 2 * inset,
                       rect.height() - roofHeight + 1);
    fill(p, roundedRect(walls, 1), wall);
    QPainterPath top;
    top.moveTo(rect.left(), rect.top() + roofHeight);
    top.lineTo(rect.center().x(), rect.top());
    top.lineTo(rect.right(), rect.top() + roofHeight);
    top.closeSubpath();
    fill(p, top, roof);
    const qreal doorWidth = walls.width() * 0.3;
    const QRectF door(walls.center().x() - doorWidth / 2, walls.bottom() - walls.height() * 0.55, doorWidth,
                      walls.height() * 0.55);
    fill(p, roundedRect(door, 0.8), Palette::brown, 0);
}

void envelope(QPainter &p, const QRectF &rect)
{
    fill(p, roundedRect(rect, 2), Palette::paper);
    QPainterPath flap;
    flap.moveTo(rect.left() + 1, rect.top() + 1);
    flap.lineTo(rect.center().x(), rect.top() + rect.height() * 0.55);
    flap.lineTo(rect.right() - 1, rect.top() + 1);
    stroke(p, flap, Palette::paper.dark, 1.2);
}

void serverUnit(QPainter &p, const QRectF &rect, const QColor &led)
{
    fill(p, roundedRect(rect, 1.5), Palette::charcoal);
    const qreal middle = rect.center().y();
    const qreal slot = rect.height() * 0.28;
    for (int i = 0; i < 3; ++i) {
        const qreal x = rect.left() + rect.height() * 0.5 + i * slot * 1.6;
        line(p, QPointF(x, middle - slot), QPointF(x, middle + slot), Palette::charcoal.light, 1.0);
    }
    fillFlat(p, circle(QPointF(rect.right() - rect.height() * 0.5, middle), rect.height() * 0.2), led);
}

void badge(QPainter &p, const QPointF &centre, qreal radius, const Hue &hue)
{
    // Cut a transparent ring first so the badge reads as separate from what lies beneath.
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    fillFlat(p, circle(centre, radius + 2), Qt::black);
    p.restore();
    fill(p, circle(centre, radius), hue);
}

} // namespace Shapes
