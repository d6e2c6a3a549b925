#include "CardIcons.h"
#include "Shapes.h"

#include <QString>

namespace CardIcons {

namespace {

QPainterPath arrow(const QPointF &tip, qreal direction)
{
    // A short block arrow pointing up (direction -1) or down (direction 1).
    QPainterPath path;
    path.moveTo(tip);
    path.lineTo(tip.x() + 3.5, tip.y() - direction * 3.5);
    path.lineTo(tip.x() + 1.3, tip.y() - direction * 3.5);
    path.lineTo(tip.x() + 1.3, tip.y() - direction * 8);
    path.lineTo(tip.x() - 1.3, tip.y() - direction * 8);
    path.lineTo(tip.x() - 1.3, tip.y() - direction * 3.5);
    path.lineTo(tip.x() - 3.5, tip.y() - direction * 3.5);
    path.closeSubpath();
    return path;
}

} // namespace

void router(QPainter &p)
{
    QPainterPath waves;
    const QRectF inner(11, 7, 10, 10);
    const QRectF outer(6, 2, 20, 20);
    waves.arcMoveTo(inner, 45);
    waves.arcTo(inner, 45, 90);
    waves.arcMoveTo(outer, 50);
    waves.arcTo(outer, 50, 80);
    Shapes::stroke(p, waves, Palette::blue.base, 2);
    Shapes::fillFlat(p, Shapes::circle(QPointF(16, 12), 1.6), Palette::blue.base);
    Shapes::line(p, QPointF(7, 19), QPointF(5, 11), Palette::charcoal.base, 2);
    Shapes::line(p, QPointF(25, 19), QPointF(27, 11), Palette::charcoal.base, 2);
    Shapes::fill(p, Shapes::roundedRect(QRectF(3, 18, 26, 9), 2.5), Palette::charcoal);
    for (int i = 0; i < 3; ++i)
        Shapes::fillFlat(p, Shapes::circle(QPointF(8 + i * 4, 22.5), 1.2), Palette::green.light);
    Shapes::line(p, QPointF(21, 22.5), QPointF(25, 22.5), Palette::charcoal.light, 1.6);
    Shapes::line(p, QPointF(7, 28), QPointF(7, 29), Palette::charcoal.dark, 2);
    Shapes::line(p, QPointF(25, 28), QPointF(25, 29), Palette::charcoal.dark, 2);
}

void emailAccount(QPainter &p)
{
    Shapes::envelope(p, QRectF(2, 5, 26, 19));
    const QPointF centre(23.5, 23.5);
    Shapes::badge(p, centre, 6.5, Palette::blue);
    Shapes::fillFlat(p, Shapes::text(QStringLiteral("@"), QRectF(19.5, 19.8, 8, 7.5)), Palette::white);
}

void chat(QPainter &p)
{
    QPainterPath first;
    first.addRoundedRect(QRectF(2, 3, 20, 14), 5, 5);
    QPainterPath firstTail;
    firstTail.moveTo(6, 15);
    firstTail.lineTo(4.5, 21);
    firstTail.lineTo(11, 16);
    Shapes::fill(p, {first, firstTail}, Palette::blue);
    QPainterPath second;
    second.addRoundedRect(QRectF(11, 12, 19, 13), 5, 5);
    QPainterPath secondTail;
    secondTail.moveTo(26, 23);
    secondTail.lineTo(27.5, 29);
    secondTail.lineTo(21, 24);
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    Shapes::stroke(p, second, Qt::black, 5);
    p.restore();
    Shapes::fill(p, {second, secondTail}, Palette::green);
    for (int i = 0; i < 3; ++i)
        Shapes::fillFlat(p, Shapes::circle(QPointF(16 + i * 4.5, 18.5), 1.4), Palette::white);
}

void plainFolder(QPainter &p)
{
    Shapes::folder(p, QRectF(2, 4, 28, 24), Palette::amber);
}

void serverRack(QPainter &p)
{
    const QColor leds[] = {Palette::green.light, Palette::green.light, Palette::amber.light};
    for (int i = 0; i < 3; ++i)
        Shapes::serverUnit(p, QRectF(4, 3 + i * 9, 24, 7), leds[i]);
}

void webHosting(QPainter &p)
{
    Shapes::serverUnit(p, QRectF(3, 22, 26, 7), Palette::green.light);
    Shapes::line(p, QPointF(16, 18), QPointF(16, 22), Palette::charcoal.base, 2);
    Shapes::globe(p, QPointF(16, 11), 9);
}

void ftpFolder(QPainter &p)
{
    Shapes::folder(p, QRectF(2, 4, 28, 24), Palette::amber);
    Shapes::fill(p, arrow(QPointF(12, 11.5), -1), Palette::green, 0.8);
    Shapes::fill(p, arrow(QPointF(20, 24.5), 1), Palette::blue, 0.8);
}

void database(QPainter &p)
{
    const QRectF top(5, 3, 22, 8);
    QPainterPath body;
    body.moveTo(5, 7);
    body.lineTo(5, 25);
    body.arcTo(QRectF(5, 21, 22, 8), 180, 180);
    body.lineTo(27, 7);
    body.closeSubpath();
    Shapes::fill(p, body, Palette::teal);
    for (const qreal y : {13.0, 19.0}) {
        QPainterPath ring;
        ring.arcMoveTo(QRectF(5, y - 4, 22, 8), 180);
        ring.arcTo(QRectF(5, y - 4, 22, 8), 180, 180);
        Shapes::stroke(p, ring, Palette::teal.dark, 1.2);
    }
    QPainterPath lid;
    lid.addEllipse(top);
    Shapes::fill(p, lid, Hue{Palette::teal.light, Palette::teal.light, Palette::teal.dark}, 1);
}

void voiceMail(QPainter &p)
{
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(2, 5, 28, 20), 6, 6);
    QPainterPath tail;
    tail.moveTo(8, 23);
    tail.lineTo(6.5, 29.5);
    tail.lineTo(14, 24);
    Shapes::fill(p, {bubble, tail}, Palette::indigo);
    QPainterPath reels;
    reels.addEllipse(QPointF(10.5, 15), 4, 4);
    reels.addEllipse(QPointF(21.5, 15), 4, 4);
    reels.moveTo(10.5, 19);
    reels.lineTo(21.5, 19);
    Shapes::stroke(p, reels, Palette::white, 2.2);
}

void internetProvider(QPainter &p)
{
    QPainterPath cable;
    cable.moveTo(24, 26);
    cable.cubicTo(24, 30.5, 11, 30.5, 11, 20);
    Shapes::stroke(p, cable, Palette::charcoal.base, 2);
    Shapes::globe(p, QPointF(11, 11), 9);
    Shapes::line(p, QPointF(21.5, 14.5), QPointF(21.5, 18), Palette::steel.dark, 1.8);
    Shapes::line(p, QPointF(26.5, 14.5), QPointF(26.5, 18), Palette::steel.dark, 1.8);
    Shapes::fill(p, Shapes::roundedRect(QRectF(19, 18, 10, 7), 2), Palette::charcoal);
}

} // namespace CardIcons
