#include "CardIcons.h"
#include "Shapes.h"

#include <QString>

namespace CardIcons {

void serviceTile(QPainter &p, const QString &initials, const Hue &hue, const QColor &textColor)
{
    const QRectF tile(2, 2, 28, 28);
    Shapes::fill(p, Shapes::roundedRect(tile, 6.5), hue);
    // Longer initials get a condensed face and a lower cap height so that they still fit.
    const bool longText = initials.size() > 2;
    const qreal capHeight = longText ? 9 : 14;
    const QRectF textBox(5, 16 - capHeight / 2, 22, capHeight);
    Shapes::fillFlat(p, Shapes::text(initials, textBox, longText), textColor);
}

} // namespace CardIcons
