#include "CardIcons.h"
#include "Shapes.h"

#include <QString>

namespace CardIcons {

namespace {
const QRectF cardRect(2, 6, 28, 20);
}

void brandCard(QPainter &p, const QString &initials, const Hue &hue)
{
    Shapes::plasticCard(p, cardRect, hue);
    Shapes::chip(p, QRectF(5, 9, 6, 4.5));
    const qreal capHeight = initials.size() > 3 ? 6.5 : 7.5;
    Shapes::fillFlat(p, Shapes::text(initials, QRectF(4.5, 19.5 - capHeight / 2, 23, capHeight), true), Palette::white);
}

void creditCard(QPainter &p)
{
    Shapes::plasticCard(p, cardRect, Palette::blue);
    Shapes::chip(p, QRectF(5, 9, 6, 4.5));
    // Four groups of the card number, drawn as short bars.
    for (int group = 0; group < 4; ++group) {
        const qreal x = 5 + group * 6;
        Shapes::line(p, QPointF(x, 18), QPointF(x + 4, 18), Palette::white, 2);
    }
    Shapes::line(p, QPointF(5, 22.5), QPointF(14, 22.5), QColor(255, 255, 255, 150), 1);
}

} // namespace CardIcons
