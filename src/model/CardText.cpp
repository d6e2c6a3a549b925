// The card text: the tab-separated UTF-8 text inside each encrypted blob. The phone application reads
// and writes the same text, so every column is fixed: 7 head columns, then 6 per field.
#include "model/Card.h"
#include "model/SecretText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <iterator>
#include <limits>
#include <optional>
#include <vector>

namespace {

const QChar columnSeparator = QLatin1Char('\t');
constexpr int headColumns = 7;
constexpr int columnsPerField = 6;

// The text is written into one string, column after column, with no string of its own for each: a
// large import writes a hundred thousand cards.
void appendNumber(QString &text, qint64 number)
{
    char digits[24];
    const auto end = std::to_chars(std::begin(digits), std::end(digits), number).ptr;
    text.append(QLatin1String(digits, int(end - digits)));
}

void appendSeconds(QString &text, const QDateTime &time)
{
    const qint64 seconds = time.isValid() ? time.toSecsSinceEpoch() : 0;
    appendNumber(text, quint32(seconds));
}

// Reading stops at a zero byte, so one inside a value would cut off the rest of the card. A tab inside a
// label or value would shift every later column; the editor writes four blanks instead.
void appendColumn(QString &text, const QString &column, bool tabsAsBlanks)
{
    const bool plain = !column.contains(QChar(0)) && !(tabsAsBlanks && column.contains(columnSeparator));
    if (plain) {
        text.append(column);
        return;
    }
    for (const QChar c : column) {
        if (c == columnSeparator && tabsAsBlanks)
            text.append(QLatin1String("    "));
        else if (c != QChar(0))
            text.append(c);
    }
}

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

QByteArray Card::toData() const
{
    // Room for the whole text at once, so that growing it leaves no copy of a secret behind; numbers take
    // at most 11 characters, and a tab written as blanks three more.
    int size = 64 + m_uuid.size() + m_templateType.size() + m_title.size() + m_notes.size();
    for (const auto &field : m_fields) {
        const QString &label = field->label();
        const QString &value = field->value();
        size += 48 + label.size() + value.size() + 3 * (label.count(columnSeparator) + value.count(columnSeparator));
    }
    QString text;
    text.reserve(size);
    appendColumn(text, m_uuid, false);
    text.append(columnSeparator);
    appendSeconds(text, m_updateTime);
    text.append(columnSeparator);
    appendColumn(text, m_templateType, false);
    text.append(columnSeparator);
    appendNumber(text, m_iconId);
    text.append(columnSeparator);
    appendColumn(text, m_title, false);
    text.append(columnSeparator);
    appendColumn(text, m_notes, false);
    text.append(columnSeparator);
    appendNumber(text, m_fields.size());
    for (const auto &field : m_fields) {
        text.append(columnSeparator);
        appendNumber(text, field->uid());
        text.append(columnSeparator);
        appendSeconds(text, field->updateTime());
        text.append(columnSeparator);
        appendColumn(text, field->label(), true);
        text.append(columnSeparator);
        appendColumn(text, field->value(), true);
        text.append(columnSeparator);
        appendNumber(text, field->type());
        text.append(columnSeparator).append(QLatin1Char(field->sensitive() ? '1' : '0'));
    }
    const QByteArray data = text.toUtf8();
    SecretText::wipe(text);
    return data;
}

bool Card::fromData(const QByteArray &data)
{
    // memchr, where QByteArray::indexOf() looks at one byte after another.
    const auto *zero = static_cast<const char *>(std::memchr(data.constData(), 0, size_t(data.size())));
    QByteArray bytes = zero ? data.left(int(zero - data.constData())) : data;
    QString text = QString::fromUtf8(bytes);
    // Views into the text: a large wallet is read without an allocation for every column.
    std::vector<QStringView> columns;
    columns.reserve(64);
    const QStringView whole(text);
    for (qsizetype from = 0;;) {
        const qsizetype tab = whole.indexOf(columnSeparator, from);
        columns.push_back(whole.mid(from, tab < 0 ? -1 : tab - from));
        if (tab < 0)
            break;
        from = tab + 1;
    }
    const int columnCount = int(columns.size());
    // Missing columns read as empty, so even a damaged text fills in what it holds.
    const auto column
        = [&columns, columnCount](int index) { return index < columnCount ? columns[size_t(index)] : QStringView(); };

    m_uuid = column(0).toString();
    m_updateTime = readTime(column(1));
    m_templateType = column(2).toString();
    m_iconId = readInt(column(3));
    m_title = column(4).toString();
    m_notes = column(5).toString();
    bool countIsNumber = false;
    const int count = readInt(column(6), &countIsNumber);
    // A field is read only when the text reaches its first column, so a damaged count cannot
    // conjure up fields the text does not hold.
    for (int i = 0; i < count; ++i) {
        const int first = headColumns + columnsPerField * i;
        if (first >= columnCount)
            break;
        addField(readInt(column(first)), readTime(column(first + 1)), column(first + 2).toString(),
                 column(first + 3).toString(), readInt(column(first + 4)), readInt(column(first + 5)) != 0);
    }
    // Bytes that are not UTF-8 come back changed: the blob was not a card text. ASCII always is.
    QByteArray reencoded = isAscii(bytes) ? QByteArray() : text.toUtf8();
    const bool isUtf8 = reencoded.isNull() || reencoded == bytes;
    const bool wellFormed = isUtf8 && columnCount >= headColumns && countIsNumber && count >= 0
        && columnCount >= headColumns + columnsPerField * qint64(count);
    SecretText::wipe(reencoded);
    SecretText::wipe(text);
    SecretText::wipe(bytes);
    return wellFormed;
}
