#include "ContactSheet.h"
#include "IconWriter.h"

#include <QPainter>

namespace {

const int sheetWidth = 1500;
const int gap = 6;
const int labelHeight = 18;
const QColor selection(0x30, 0x8c, 0xc6);

// The sizes the program shows an image at: card icons in the list, the program image in
// title bars. Each is shown on white and on a selected row.
QVector<int> previewSizes(const IconEntry &icon)
{
    if (icon.name.startsWith(QStringLiteral("images/card/")))
        return {24};
    if (icon.size > 32)
        return {32, 16};
    return {icon.size};
}

QSize cellSize(const IconEntry &icon)
{
    int previewHeight = 0;
    int previewWidth = 0;
    for (const int size : previewSizes(icon)) {
        previewHeight += size + gap;
        previewWidth = qMax(previewWidth, 2 * size + 3 * gap);
    }
    const int width = 2 * icon.size + gap + qMax(icon.size, previewWidth) + 3 * gap;
    const int height = qMax(2 * icon.size, icon.size + gap + previewHeight) + labelHeight + 2 * gap;
    return {width, height};
}

void drawCell(QPainter &p, const IconEntry &icon, const QString &label, const QRect &cell)
{
    const QImage large = renderIcon(icon, 2);
    const QImage small = renderIcon(icon, 1);
    int x = cell.left() + gap;
    const int top = cell.top() + gap;
    p.drawImage(x, top, large);
    x += large.width() + gap;
    p.drawImage(x, top, small);
    int y = top + small.height() + gap;
    for (const int size : previewSizes(icon)) {
        const QImage preview = small.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        p.drawImage(x, y, preview);
        p.fillRect(QRect(x + size + gap - 2, y - 2, size + 4, size + 4), selection);
        p.drawImage(x + size + gap, y, preview);
        y += size + gap;
    }
    p.setPen(Qt::black);
    p.drawText(QRect(cell.left(), cell.bottom() - labelHeight, cell.width(), labelHeight), Qt::AlignCenter, label);
}

QString labelOf(const IconEntry &icon)
{
    QString label = icon.name;
    label.remove(QStringLiteral("images/card/"));
    label.remove(QStringLiteral("images/"));
    return label;
}

// Places cells left to right, starting a new row when the sheet is full or the kind changes.
QVector<QRect> layout(const QVector<IconEntry> &icons)
{
    QVector<QRect> cells;
    QPoint cursor(0, 0);
    int rowHeight = 0;
    for (const IconEntry &icon : icons) {
        const QSize size = cellSize(icon);
        const bool newKind = !cells.isEmpty() && icon.size != icons.at(cells.size() - 1).size;
        if (cursor.x() + size.width() > sheetWidth || newKind) {
            cursor = QPoint(0, cursor.y() + rowHeight);
            rowHeight = 0;
        }
        cells.append(QRect(cursor, size));
        cursor.rx() += size.width();
        rowHeight = qMax(rowHeight, size.height());
    }
    return cells;
}

} // namespace

QImage contactSheet(const QVector<IconEntry> &icons)
{
    const QVector<QRect> cells = layout(icons);
    int height = 0;
    for (const QRect &cell : cells)
        height = qMax(height, cell.bottom() + 1);
    QImage sheet(sheetWidth, height, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    p.setFont(font);
    for (int i = 0; i < icons.size(); ++i)
        drawCell(p, icons.at(i), labelOf(icons.at(i)), cells.at(i));
    return sheet;
}
