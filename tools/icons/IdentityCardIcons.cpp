#include "CardIcons.h"
#include "Shapes.h"

#include <QString>

namespace CardIcons {

namespace {

const QRectF cardRect(2, 6, 28, 20);

// The right half of an identity-style card: a few lines of printed details.
void detailLines(QPainter &p, const QColor &color)
{
    Shapes::line(p, QPointF(18, 12), QPointF(26, 12), color, 2);
    Shapes::line(p, QPointF(18, 16.5), QPointF(26, 16.5), color, 2);
    Shapes::line(p, QPointF(18, 21), QPointF(23, 21), color, 2);
}

const QColor printOnColor(255, 255, 255, 200);

} // namespace

void teacherCard(QPainter &p)
{
    Shapes::plasticCard(p, cardRect, Palette::teal);
    // A chalkboard on an easel.
    Shapes::line(p, QPointF(7, 18), QPointF(5.5, 23.5), Palette::brown.dark, 1.4);
    Shapes::line(p, QPointF(13, 18), QPointF(14.5, 23.5), Palette::brown.dark, 1.4);
    Shapes::fill(p, Shapes::roundedRect(QRectF(4.5, 9.5, 11, 8.5), 0.8), Palette::charcoal, 0);
    p.setPen(QPen(Palette::brown.light, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(4.5, 9.5, 11, 8.5), 0.8, 0.8);
    Shapes::line(p, QPointF(7, 12.5), QPointF(12, 12.5), Palette::white, 1.1);
    Shapes::line(p, QPointF(7, 15), QPointF(10.5, 15), Palette::white, 1.1);
    detailLines(p, printOnColor);
}

void memberBadge(QPainter &p)
{
    const QRectF badge(8, 4, 16, 25);
    Shapes::fill(p, Shapes::roundedRect(badge, 2.5), Palette::purple);
    Shapes::fillFlat(p, Shapes::roundedRect(QRectF(13, 6.5, 6, 2), 1), Palette::purple.dark);
    Shapes::fill(p, Shapes::circle(QPointF(16, 15.5), 5), Palette::paper, 0);
    p.save();
    p.setClipPath(Shapes::circle(QPointF(16, 15.5), 5));
    Shapes::fillFlat(p, Shapes::person(QRectF(12.5, 12, 7, 9)), Palette::purple.base);
    p.restore();
    Shapes::line(p, QPointF(12, 24.5), QPointF(20, 24.5), printOnColor, 2);
}

void addressBook(QPainter &p)
{
    const Hue tabs[] = {Palette::amber, Palette::green, Palette::red};
    for (int i = 0; i < 3; ++i)
        Shapes::fill(p, Shapes::roundedRect(QRectF(24, 7 + i * 6, 4, 4), 1), tabs[i], 0.8);
    Shapes::fill(p, Shapes::roundedRect(QRectF(5, 3, 21, 26), 2.5), Palette::blue);
    Shapes::fillFlat(p, Shapes::roundedRect(QRectF(5, 3, 3, 26), 1), Palette::blue.dark);
    Shapes::fillFlat(p, Shapes::person(QRectF(11, 9, 11, 13)), Palette::white);
}

void callingCard(QPainter &p)
{
    Shapes::plasticCard(p, cardRect, Palette::pink);
    // A handset: earpiece and mouthpiece joined by a curved grip.
    p.save();
    p.translate(10, 16);
    p.rotate(-40);
    QPainterPath grip;
    grip.moveTo(-5, -2);
    grip.cubicTo(-2, -4.5, 2, -4.5, 5, -2);
    Shapes::stroke(p, grip, Palette::white, 2.6);
    Shapes::fillFlat(p, Shapes::roundedRect(QRectF(-7.5, -2.5, 5, 4.2), 1.6), Palette::white);
    Shapes::fillFlat(p, Shapes::roundedRect(QRectF(2.5, -2.5, 5, 4.2), 1.6), Palette::white);
    p.restore();
    detailLines(p, printOnColor);
}

void identityCard(QPainter &p)
{
    Shapes::plasticCard(p, cardRect, Palette::paper);
    p.save();
    p.setClipPath(Shapes::roundedRect(cardRect, 2.5));
    Shapes::fillFlat(p, Shapes::roundedRect(QRectF(2, 6, 28, 3.5), 0), Palette::blue.base);
    p.restore();
    Shapes::fill(p, Shapes::roundedRect(QRectF(5, 12, 9, 11), 1), Palette::sky, 0);
    p.save();
    p.setClipPath(Shapes::roundedRect(QRectF(5, 12, 9, 11), 1));
    Shapes::fillFlat(p, Shapes::person(QRectF(6, 13.5, 7, 10)), Palette::white);
    p.restore();
    Shapes::line(p, QPointF(17, 14), QPointF(26, 14), Palette::slate.light, 2);
    Shapes::line(p, QPointF(17, 18), QPointF(26, 18), Palette::slate.light, 2);
    Shapes::line(p, QPointF(17, 22), QPointF(22, 22), Palette::slate.light, 2);
}

void drivingLicence(QPainter &p)
{
    Shapes::plasticCard(p, cardRect, Palette::green);
    const QPointF centre(10, 16);
    Shapes::stroke(p, Shapes::circle(centre, 5.2), Palette::white, 1.8);
    Shapes::fillFlat(p, Shapes::circle(centre, 1.8), Palette::white);
    Shapes::line(p, centre, QPointF(centre.x() - 4.5, centre.y() - 0.5), Palette::white, 1.6);
    Shapes::line(p, centre, QPointF(centre.x() + 4.5, centre.y() - 0.5), Palette::white, 1.6);
    Shapes::line(p, centre, QPointF(centre.x(), centre.y() + 4.5), Palette::white, 1.6);
    detailLines(p, printOnColor);
}

void socialSecurityCard(QPainter &p)
{
    Shapes::plasticCard(p, cardRect, Palette::blue);
    QPainterPath shield;
    shield.moveTo(10, 9.5);
    shield.cubicTo(12, 10.5, 14, 10.8, 15, 10.8);
    shield.lineTo(15, 15.5);
    shield.cubicTo(15, 19.5, 12.5, 21.5, 10, 22.5);
    shield.cubicTo(7.5, 21.5, 5, 19.5, 5, 15.5);
    shield.lineTo(5, 10.8);
    shield.cubicTo(6, 10.8, 8, 10.5, 10, 9.5);
    Shapes::fillFlat(p, shield, Palette::white);
    Shapes::fill(p, Shapes::star(QPointF(10, 16), 3, 1.3), Palette::blue, 0);
    detailLines(p, printOnColor);
}

void studentCard(QPainter &p)
{
    Shapes::plasticCard(p, cardRect, Palette::sky);
    // A mortarboard: the board seen at an angle, the cap beneath it and a tassel.
    Shapes::fillFlat(p, Shapes::roundedRect(QRectF(6.5, 14, 7, 4.5), 1.2), Palette::charcoal.base);
    QPainterPath board;
    board.moveTo(10, 9);
    board.lineTo(16.5, 12.5);
    board.lineTo(10, 16);
    board.lineTo(3.5, 12.5);
    board.closeSubpath();
    Shapes::fillFlat(p, board, Palette::charcoal.dark);
    Shapes::line(p, QPointF(10, 12.5), QPointF(15, 14.5), Palette::amber.base, 1);
    Shapes::line(p, QPointF(15, 14.5), QPointF(15, 19), Palette::amber.base, 1.2);
    detailLines(p, printOnColor);
}

void cashCard(QPainter &p)
{
    Shapes::plasticCard(p, QRectF(2, 4, 26, 18), Palette::teal);
    Shapes::chip(p, QRectF(5, 7, 6, 4.5));
    Shapes::line(p, QPointF(5, 16.5), QPointF(16, 16.5), printOnColor, 2);
    const QPointF centre(22.5, 22.5);
    Shapes::badge(p, centre, 7, Palette::amber);
    Shapes::stroke(p, Shapes::circle(centre, 4.8), Palette::amber.dark, 0.8);
    Shapes::fillFlat(p, Shapes::text(QStringLiteral("$"), QRectF(19.5, 19, 6, 7)), Palette::amber.dark);
}

void taxCard(QPainter &p)
{
    Shapes::plasticCard(p, cardRect, Palette::orange);
    QPainterPath sheet;
    sheet.moveTo(5, 9.5);
    sheet.lineTo(11.5, 9.5);
    sheet.lineTo(14.5, 12.5);
    sheet.lineTo(14.5, 22.5);
    sheet.lineTo(5, 22.5);
    sheet.closeSubpath();
    Shapes::fillFlat(p, sheet, Palette::white);
    Shapes::line(p, QPointF(7, 15), QPointF(12.5, 15), Palette::orange.base, 1.2);
    Shapes::line(p, QPointF(7, 17.5), QPointF(12.5, 17.5), Palette::orange.base, 1.2);
    Shapes::line(p, QPointF(7, 20), QPointF(10.5, 20), Palette::orange.base, 1.2);
    detailLines(p, printOnColor);
}

} // namespace CardIcons
