#include "ui/CountdownRing.h"

#include <QPainter>

namespace {

constexpr int diameter = 28;
constexpr int penWidth = 3;
// The ring turns red when there is hardly time left to type the code.
constexpr int warningSeconds = 5;

} // namespace

CountdownRing::CountdownRing(QWidget *parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void CountdownRing::setTime(int secondsLeft, int period)
{
    if (secondsLeft == m_secondsLeft && period == m_period)
        return;
    m_secondsLeft = secondsLeft;
    m_period = qMax(period, 1);
    setToolTip(tr("Valid for %1 more seconds").arg(secondsLeft));
    update();
}

QSize CountdownRing::sizeHint() const
{
    return {diameter, diameter};
}

void CountdownRing::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF ring = QRectF(rect()).adjusted(penWidth, penWidth, -penWidth, -penWidth);
    painter.setPen(QPen(QColor(0xbb, 0xbb, 0xbb), penWidth));
    painter.drawEllipse(ring);
    const QColor colour = m_secondsLeft <= warningSeconds ? QColor(0xc6, 0x28, 0x28) : QColor(0x1e, 0x6a, 0xc8);
    painter.setPen(QPen(colour, penWidth, Qt::SolidLine, Qt::FlatCap));
    // Angles in sixteenths of a degree, counter-clockwise from three o'clock: start at twelve.
    painter.drawArc(ring, 90 * 16, 360 * 16 * m_secondsLeft / m_period);

    QFont small = font();
    small.setPixelSize(diameter / 2 - 2);
    painter.setFont(small);
    painter.setPen(QColor(0x33, 0x33, 0x33));
    painter.drawText(rect(), Qt::AlignCenter, QString::number(m_secondsLeft));
}
