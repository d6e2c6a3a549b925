#include "AppIcon.h"
#include "Shapes.h"

#include <QVector>

namespace {

QPainterPath shield()
{
    QPainterPath path;
    path.moveTo(32, 3);
    path.cubicTo(40, 7.5, 49, 9, 57, 9);
    path.lineTo(57, 29);
    path.cubicTo(57, 45, 46, 55, 32, 61);
    path.cubicTo(18, 55, 7, 45, 7, 29);
    path.lineTo(7, 9);
    path.cubicTo(15, 9, 24, 7.5, 32, 3);
    path.closeSubpath();
    return path;
}

QVector<QPainterPath> keyhole()
{
    QPainterPath stem;
    stem.moveTo(28.5, 30);
    stem.lineTo(35.5, 30);
    stem.lineTo(38, 46);
    stem.lineTo(26, 46);
    stem.closeSubpath();
    return {Shapes::circle(QPointF(32, 26), 7), stem};
}

QColor mix(const QColor &a, const QColor &b, qreal t)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

// Tiles shade from teal at the top left to indigo at the bottom right; a fixed scatter of
// lighter and darker stones makes the mosaic look laid by hand yet stay the same every run.
QColor tileColor(int column, int row, int count)
{
    const qreal t = qreal(column + row) / (2 * (count - 1));
    const QColor base = t < 0.5 ? mix(Palette::teal.base, Palette::blue.base, t * 2)
                                : mix(Palette::blue.base, Palette::indigo.base, t * 2 - 1);
    switch ((column * 5 + row * 3 + column * row) % 7) {
    case 0:
        return base.lighter(118);
    case 3:
        return base.darker(112);
    default:
        return base;
    }
}

} // namespace

void drawAppIcon(QPainter &p)
{
    const QPainterPath outline = shield();
    const Hue grout{Palette::indigo.dark, Palette::indigo.dark, Palette::indigo.dark};
    Shapes::fill(p, outline, grout, 1.5);
    p.save();
    p.setClipPath(outline);
    const int count = 8;
    const qreal pitch = 7;
    const qreal tile = 6;
    for (int row = 0; row < count + 1; ++row) {
        for (int column = 0; column < count; ++column) {
            const QRectF rect(4.5 + column * pitch, 2.5 + row * pitch, tile, tile);
            Shapes::fillFlat(p, Shapes::roundedRect(rect, 1.2), tileColor(column, row, count));
        }
    }
    p.restore();
    // An even band of grout inside the rim, whatever the tiles did at the edge.
    Shapes::stroke(p, outline, grout.dark, 4);
    Shapes::fill(p, keyhole(), Hue{Palette::amber.light, Palette::amber.base, Palette::indigo.dark}, 1.5);
}
