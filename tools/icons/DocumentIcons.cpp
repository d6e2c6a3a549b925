#include "CardIcons.h"
#include "Shapes.h"

namespace CardIcons {

void note(QPainter &p)
{
    QPainterPath sheet;
    sheet.moveTo(6, 3);
    sheet.lineTo(20, 3);
    sheet.lineTo(26, 9);
    sheet.lineTo(26, 29);
    sheet.lineTo(6, 29);
    sheet.closeSubpath();
    Shapes::fill(p, sheet, Palette::paper);
    QPainterPath fold;
    fold.moveTo(20, 3);
    fold.lineTo(20, 9);
    fold.lineTo(26, 9);
    fold.closeSubpath();
    Shapes::fill(p, fold, Palette::steel, 0.5);
    for (const int y : {13, 17, 21, 25}) {
        const qreal end = y == 25 ? 17 : 22;
        Shapes::line(p, QPointF(10, y), QPointF(end, y), Palette::slate.light, 1.6);
    }
}

void barcode(QPainter &p)
{
    Shapes::fill(p, Shapes::roundedRect(QRectF(3, 6, 26, 20), 2.5), Palette::paper);
    // Alternating bar and gap widths; whole units keep every bar sharp at 1x.
    const int pattern[] = {2, 1, 1, 1, 1, 2, 3, 1, 1, 1, 2, 2, 1, 1, 1, 1, 2};
    qreal x = 6;
    bool bar = true;
    for (const int width : pattern) {
        if (bar)
            Shapes::fillFlat(p, Shapes::roundedRect(QRectF(x, 9, width, 11), 0), Palette::ink);
        x += width;
        bar = !bar;
    }
    for (int digit = 0; digit < 6; ++digit)
        Shapes::fillFlat(p, Shapes::roundedRect(QRectF(7 + digit * 3, 21.5, 2, 2), 0), Palette::slate.base);
}

void passport(QPainter &p)
{
    // Page edges peeking out behind the cover.
    Shapes::fill(p, Shapes::roundedRect(QRectF(8, 4, 18, 25), 2), Palette::paper);
    Shapes::fill(p, Shapes::roundedRect(QRectF(6, 3, 18, 25), 2.5), Palette::indigo);
    const QColor gold = Palette::amber.light;
    const QPointF centre(15, 13);
    QPainterPath emblem;
    emblem.addEllipse(centre, 5, 5);
    emblem.addEllipse(centre, 2.2, 5);
    emblem.moveTo(centre.x() - 5, centre.y());
    emblem.lineTo(centre.x() + 5, centre.y());
    Shapes::stroke(p, emblem, gold, 1.1);
    Shapes::line(p, QPointF(11, 22.5), QPointF(19, 22.5), gold, 1.4);
}

void visaStamp(QPainter &p)
{
    // The imprint the stamp has just left, under the stamp itself.
    QPainterPath imprint;
    imprint.addRoundedRect(QRectF(5, 24, 22, 5), 1.5, 1.5);
    Shapes::stroke(p, imprint, Palette::red.base, 1.4);
    Shapes::line(p, QPointF(9, 26.5), QPointF(23, 26.5), Palette::red.light, 1.2);
    Shapes::fill(p, Shapes::roundedRect(QRectF(6, 16, 20, 5), 1.5), Palette::red);
    Shapes::fill(p, Shapes::roundedRect(QRectF(13.5, 9, 5, 7), 1), Palette::brown);
    Shapes::fill(p, Shapes::circle(QPointF(16, 7), 4.5), Palette::brown);
    Shapes::fillFlat(p, Shapes::roundedRect(QRectF(7, 19.5, 18, 1.5), 0.5), Palette::red.dark);
}

void books(QPainter &p)
{
    struct Book
    {
        QRectF rect;
        Hue hue;
        qreal angle;
    };
    const Book shelf[] = {
        {QRectF(3, 7, 7, 22), Palette::blue, 0},
        {QRectF(11, 4, 6, 25), Palette::red, 0},
        {QRectF(19.5, 7.5, 6.5, 21), Palette::green, 14},
    };
    for (const Book &book : shelf) {
        p.save();
        p.translate(book.rect.bottomLeft());
        p.rotate(book.angle);
        const QRectF spine(0, -book.rect.height(), book.rect.width(), book.rect.height());
        Shapes::fill(p, Shapes::roundedRect(spine, 1.2), book.hue);
        const QColor band(255, 255, 255, 190);
        Shapes::line(p, QPointF(1.5, spine.top() + 3.5), QPointF(spine.right() - 1.5, spine.top() + 3.5), band, 1.2);
        Shapes::line(p, QPointF(1.5, -3.5), QPointF(spine.right() - 1.5, -3.5), band, 1.2);
        p.restore();
    }
}

void ballotBox(QPainter &p)
{
    QPainterPath ballot;
    ballot.addRoundedRect(QRectF(10, 3, 12, 14), 1, 1);
    Shapes::fill(p, ballot, Palette::paper);
    QPainterPath tick;
    tick.moveTo(13, 9);
    tick.lineTo(15.5, 11.5);
    tick.lineTo(19.5, 6);
    Shapes::stroke(p, tick, Palette::green.base, 2);
    Shapes::fill(p, Shapes::roundedRect(QRectF(4, 14, 24, 15), 2), Palette::blue);
    Shapes::fill(p, Shapes::roundedRect(QRectF(3, 13, 26, 4), 1.5), Palette::blue, 0.8);
    Shapes::fillFlat(p, Shapes::roundedRect(QRectF(9, 14.2, 14, 1.6), 0.8), Palette::blue.dark);
    Shapes::fill(p, Shapes::star(QPointF(16, 23), 4, 1.8), Palette::paper, 0);
}

} // namespace CardIcons
