#include "CardIcons.h"
#include "Shapes.h"

#include <QString>
#include <QtMath>

namespace CardIcons {

namespace {

void asterisk(QPainter &p, const QPointF &centre, qreal radius, const QColor &color)
{
    for (int i = 0; i < 3; ++i) {
        const qreal angle = qDegreesToRadians(90.0 + i * 60.0);
        const QPointF arm(radius * qCos(angle), radius * qSin(angle));
        Shapes::line(p, centre - arm, centre + arm, color, 1.6);
    }
}

} // namespace

void loginKey(QPainter &p)
{
    Shapes::key(p, QPointF(9, 9), 6.5, 24, 45, Palette::amber);
}

void passwordField(QPainter &p)
{
    const Hue field{Palette::white, Palette::paper.base, Palette::blue.base};
    Shapes::fill(p, Shapes::roundedRect(QRectF(2, 9, 28, 14), 3), field);
    for (int i = 0; i < 3; ++i)
        asterisk(p, QPointF(8 + i * 7.5, 16), 2.6, Palette::ink);
    Shapes::line(p, QPointF(26.5, 12.5), QPointF(26.5, 19.5), Palette::blue.base, 1.2);
}

void umbrella(QPainter &p)
{
    QPainterPath handle;
    handle.moveTo(16, 14);
    handle.lineTo(16, 25.5);
    handle.quadTo(16, 28.5, 13, 28.5);
    handle.quadTo(10.5, 28.5, 10.5, 26);
    Shapes::stroke(p, handle, Palette::charcoal.base, 2.2);
    QPainterPath canopy;
    canopy.moveTo(2, 16);
    canopy.cubicTo(2, 8, 8.5, 3, 16, 3);
    canopy.cubicTo(23.5, 3, 30, 8, 30, 16);
    // Scalloped lower edge, one scallop per panel.
    const qreal panel = 28.0 / 3;
    for (int i = 2; i >= 0; --i) {
        const qreal left = 2 + i * panel;
        canopy.quadTo(left + panel / 2, 12.5, left, 16);
    }
    canopy.closeSubpath();
    Shapes::fill(p, canopy, Palette::blue);
    QPainterPath ribs;
    ribs.moveTo(16, 3.5);
    ribs.quadTo(10, 8, 11.3, 14.8);
    ribs.moveTo(16, 3.5);
    ribs.quadTo(22, 8, 20.7, 14.8);
    Shapes::stroke(p, ribs, Palette::blue.dark, 1);
}

void softwareDisc(QPainter &p)
{
    const QPointF centre(14, 14);
    const Hue silver{Palette::white, Palette::steel.base, Palette::steel.dark};
    QPainterPath disc = Shapes::circle(centre, 12);
    disc.addEllipse(centre, 2.5, 2.5);
    Shapes::fill(p, disc, silver);
    QPainterPath sheen;
    sheen.moveTo(centre);
    sheen.arcTo(QRectF(2, 2, 24, 24), 100, 50);
    sheen.closeSubpath();
    sheen.moveTo(centre);
    sheen.arcTo(QRectF(2, 2, 24, 24), 280, 50);
    sheen.closeSubpath();
    p.save();
    p.setClipPath(disc);
    Shapes::fillFlat(p, sheen, QColor(0x9f, 0xd8, 0xf5, 150));
    p.restore();
    Shapes::stroke(p, Shapes::circle(centre, 5), Palette::steel.dark, 0.8);
    Shapes::key(p, QPointF(20, 20), 4.2, 12, 45, Palette::amber);
}

void combinationLock(QPainter &p)
{
    QPainterPath shackle;
    shackle.moveTo(9.5, 15);
    shackle.lineTo(9.5, 10.5);
    shackle.arcTo(QRectF(9.5, 4, 13, 13), 180, -180);
    shackle.lineTo(22.5, 15);
    Shapes::stroke(p, shackle, Palette::steel.dark, 4.5);
    Shapes::stroke(p, shackle, Palette::steel.base, 2.5);
    Shapes::fill(p, Shapes::roundedRect(QRectF(4, 13, 24, 17), 3.5), Palette::red);
    const QPointF centre(16, 21.5);
    Shapes::fill(p, Shapes::circle(centre, 6), Palette::charcoal, 0.8);
    for (int i = 0; i < 12; ++i) {
        const qreal angle = qDegreesToRadians(i * 30.0);
        const QPointF direction(qCos(angle), qSin(angle));
        const qreal inner = i % 3 == 0 ? 3.6 : 4.4;
        Shapes::line(p, centre + direction * inner, centre + direction * 5.2, Palette::steel.light, 0.8);
    }
    Shapes::fill(p, Shapes::circle(centre, 2), Palette::steel, 0);
    Shapes::line(p, QPointF(16, 13.8), QPointF(16, 15.8), Palette::white, 1.4);
}

void registrationCode(QPainter &p)
{
    Shapes::key(p, QPointF(8.5, 8.5), 5.5, 21, 0, Palette::amber);
    Shapes::fill(p, Shapes::roundedRect(QRectF(3, 18, 26, 11), 2.5), Palette::charcoal);
    Shapes::fillFlat(p, Shapes::text(QStringLiteral("A1B2"), QRectF(5.5, 20.5, 21, 6), true), Palette::white);
}

} // namespace CardIcons
