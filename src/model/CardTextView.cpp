// The reading side of the card text (see CardText.cpp for the columns).
#include "model/CardTextView.h"

#include "model/SecretText.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>

namespace {

const QChar columnSeparator = QLatin1Char('\t');
constexpr int headColumns = 7;
constexpr int columnsPerField = 6;

// The plain decimal number most columns hold, read without a conversion's general machinery; none for
// anything else (a sign, blanks, a fraction), which the conversion then reads.
std::optional<qint64> plainNumber(QStringView text)
{
    if (text.isEmpty() || text.size() > 15)
        return std::nullopt;
    qint64 value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

QDateTime readTime(QStringView text)
{
    double seconds = 0;
    if (const auto plain = plainNumber(text)) {
        seconds = double(*plain);
    } else {
        bool ok = false;
        seconds = text.toString().toDouble(&ok);
        if (!ok || !std::isfinite(seconds))
            seconds = 0;
    }
    const double wrapped = std::fmod(std::trunc(seconds), 4294967296.0);
    const qint64 whole = qint64(wrapped < 0 ? wrapped + 4294967296.0 : wrapped);
    return QDateTime::fromSecsSinceEpoch(whole, Qt::UTC);
}

int readInt(QStringView text, bool *ok = nullptr)
{
    const auto plain = plainNumber(text);
    bool isNumber = plain && *plain <= std::numeric_limits<int>::max();
    int value = int(plain.value_or(0));
    if (!plain)
        value = text.toString().toInt(&isNumber);
    if (ok)
        *ok = isNumber;
    return isNumber ? value : 0;
}

// Eight bytes at a time: every card of a large wallet passes here when it is read.
bool isAscii(const QByteArray &bytes)
{
    const char *at = bytes.constData();
    const char *const end = at + bytes.size();
    quint64 highBits = 0;
    for (; end - at >= 8; at += 8) {
        quint64 word;
        std::memcpy(&word, at, sizeof word);
        highBits |= word;
    }
    for (; at != end; ++at)
        highBits |= uchar(*at);
    return (highBits & 0x8080808080808080ULL) == 0;
}

} // namespace

CardTextView::CardTextView(const QByteArray &data)
{
    // memchr, where QByteArray::indexOf() looks at one byte after another.
    // With its length given, fromUtf8() does not look for that zero again byte by byte.
    const auto *zero = static_cast<const char *>(std::memchr(data.constData(), 0, size_t(data.size())));
    QByteArray bytes = zero ? data.left(int(zero - data.constData())) : data;
    m_text = QString::fromUtf8(bytes.constData(), bytes.size());
    const QStringView whole(m_text);
    for (qsizetype from = 0;;) {
        const qsizetype tab = whole.indexOf(columnSeparator, from);
        m_columns.append(whole.mid(from, tab < 0 ? -1 : tab - from));
        if (tab < 0)
            break;
        from = tab + 1;
    }
    const qint64 columnCount = qint64(m_columns.size());
    bool countIsNumber = false;
    const int count = readInt(column(6), &countIsNumber);
    // A field is read only when the text reaches its first column, so a damaged count cannot conjure up
    // fields the text does not hold.
    const qint64 reached = std::max<qint64>(0, (columnCount - headColumns + columnsPerField - 1) / columnsPerField);
    m_fieldCount = int(std::min<qint64>(std::max(count, 0), reached));
    // Bytes that are not UTF-8 come back changed: the blob was not a card text. ASCII always is.
    QByteArray reencoded = isAscii(bytes) ? QByteArray() : m_text.toUtf8();
    const bool isUtf8 = reencoded.isNull() || reencoded == bytes;
    m_wellFormed = isUtf8 && columnCount >= headColumns && countIsNumber && count >= 0
        && columnCount >= headColumns + columnsPerField * qint64(count);
    SecretText::wipe(reencoded);
    SecretText::wipe(bytes);
}

CardTextView::~CardTextView()
{
    SecretText::wipe(m_text);
}

QDateTime CardTextView::updateTime() const
{
    return readTime(column(1));
}

int CardTextView::iconId() const
{
    return readInt(column(3));
}

QStringView CardTextView::fieldColumn(int field, int offset) const
{
    return column(headColumns + columnsPerField * field + offset);
}

int CardTextView::fieldUid(int field) const
{
    return readInt(fieldColumn(field, 0));
}

QDateTime CardTextView::fieldUpdateTime(int field) const
{
    return readTime(fieldColumn(field, 1));
}

int CardTextView::fieldType(int field) const
{
    return readInt(fieldColumn(field, 4));
}

bool CardTextView::fieldSensitive(int field) const
{
    return readInt(fieldColumn(field, 5)) != 0;
}
