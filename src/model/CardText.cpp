// The card text: the tab-separated UTF-8 text inside each encrypted blob. The phone application reads
// and writes the same text, so every column is fixed: 7 head columns, then 6 per field.
#include "model/Card.h"
#include "model/SecretText.h"

#include <QStringList>

#include <cmath>

namespace {

const QChar columnSeparator = QLatin1Char('\t');
constexpr int headColumns = 7;
constexpr int columnsPerField = 6;

QString secondsText(const QDateTime &time)
{
    const qint64 seconds = time.isValid() ? time.toSecsSinceEpoch() : 0;
    return QString::number(quint32(seconds));
}

// Reading stops at a zero byte, so one inside a value would cut off the rest of the card.
QString withoutZeros(QString text)
{
    return text.remove(QChar(0));
}

// A tab inside a label or value would shift every later column; the editor writes four blanks instead.
QString fieldColumn(const QString &text)
{
    return withoutZeros(QString(text).replace(columnSeparator, QLatin1String("    ")));
}

QDateTime readTime(const QString &text)
{
    bool ok = false;
    double seconds = text.toDouble(&ok);
    if (!ok || !std::isfinite(seconds))
        seconds = 0;
    const double wrapped = std::fmod(std::trunc(seconds), 4294967296.0);
    const qint64 whole = qint64(wrapped < 0 ? wrapped + 4294967296.0 : wrapped);
    return QDateTime::fromSecsSinceEpoch(whole, Qt::UTC);
}

int readInt(const QString &text, bool *ok = nullptr)
{
    bool isNumber = false;
    const int value = text.toInt(&isNumber);
    if (ok)
        *ok = isNumber;
    return isNumber ? value : 0;
}

} // namespace

QByteArray Card::toData() const
{
    QStringList columns{
        withoutZeros(m_uuid),  secondsText(m_updateTime), withoutZeros(m_templateType),    QString::number(m_iconId),
        withoutZeros(m_title), withoutZeros(m_notes),     QString::number(m_fields.size())};
    for (const auto &field : m_fields) {
        columns << QString::number(field->uid()) << secondsText(field->updateTime()) << fieldColumn(field->label())
                << fieldColumn(field->value()) << QString::number(field->type())
                << QLatin1String(field->sensitive() ? "1" : "0");
    }
    QString text = columns.join(columnSeparator);
    const QByteArray data = text.toUtf8();
    SecretText::wipe(text);
    return data;
}

bool Card::fromData(const QByteArray &data)
{
    const int zero = data.indexOf('\0');
    QByteArray bytes = zero < 0 ? data : data.left(zero);
    QString text = QString::fromUtf8(bytes);
    const QStringList columns = text.split(columnSeparator, Qt::KeepEmptyParts);
    // Missing columns read as empty, so even a damaged text fills in what it holds.
    const auto column = [&columns](int index) { return index < columns.size() ? columns.at(index) : QString(); };

    m_uuid = column(0);
    m_updateTime = readTime(column(1));
    m_templateType = column(2);
    m_iconId = readInt(column(3));
    m_title = column(4);
    m_notes = column(5);
    bool countIsNumber = false;
    const int count = readInt(column(6), &countIsNumber);
    // A field is read only when the text reaches its first column, so a damaged count cannot
    // conjure up fields the text does not hold.
    for (int i = 0; i < count; ++i) {
        const int first = headColumns + columnsPerField * i;
        if (first >= columns.size())
            break;
        addField(readInt(column(first)), readTime(column(first + 1)), column(first + 2), column(first + 3),
                 readInt(column(first + 4)), readInt(column(first + 5)) != 0);
    }
    // Bytes that are not UTF-8 come back changed: the blob was not a card text.
    QByteArray reencoded = text.toUtf8();
    const bool wellFormed = reencoded == bytes && columns.size() >= headColumns && countIsNumber && count >= 0
        && columns.size() >= headColumns + columnsPerField * qint64(count);
    SecretText::wipe(reencoded);
    SecretText::wipe(text);
    SecretText::wipe(bytes);
    return wellFormed;
}
