#include "model/TextUtils.h"

#include <QLocale>
#include <QUuid>

#include <sys/random.h>
#include <unicode/ucol.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <future>
#include <vector>

namespace {

// Fills the buffer from the system's random source; false when it cannot.
bool fillRandom(unsigned char *bytes, std::size_t size)
{
    while (size > 0) {
        const ssize_t got = getrandom(bytes, size, 0);
        if (got < 0 && errno != EINTR)
            return false;
        if (got > 0) {
            bytes += got;
            size -= std::size_t(got);
        }
    }
    return true;
}

// What an ICU collator is opened with to order texts as a QCollator with the same settings does.
struct CollationSettings
{
    QByteArray localeName;
    Qt::CaseSensitivity caseSensitivity;
    bool numericMode;
    bool ignorePunctuation;
};

// The rows of one range of positions, sorted by the collation keys of their texts. The keys are ICU's,
// packed in one buffer and compared first by their leading eight bytes held beside each row: a key
// object for each text (as QCollatorSortKey makes) costs two allocations, and three pointers to follow
// on every comparison of a sort of a hundred thousand titles.
class SortedKeys
{
public:
    SortedKeys(const CollationSettings &settings, const QVector<QString> &texts, const QVector<int> &rows, int from,
               int to, bool descending)
        : m_descending(descending)
    {
        UErrorCode status = U_ZERO_ERROR;
        UCollator *collator = ucol_open(settings.localeName.constData(), &status);
        if (U_SUCCESS(status)) {
            ucol_setAttribute(collator, UCOL_NORMALIZATION_MODE, UCOL_ON, &status);
            ucol_setAttribute(collator, UCOL_STRENGTH,
                              settings.caseSensitivity == Qt::CaseSensitive ? UCOL_DEFAULT_STRENGTH : UCOL_SECONDARY,
                              &status);
            ucol_setAttribute(collator, UCOL_NUMERIC_COLLATION, settings.numericMode ? UCOL_ON : UCOL_OFF, &status);
            ucol_setAttribute(collator, UCOL_ALTERNATE_HANDLING,
                              settings.ignorePunctuation ? UCOL_SHIFTED : UCOL_NON_IGNORABLE, &status);
        }
        std::vector<quint32> starts;
        starts.reserve(size_t(to - from));
        m_keys.reserve(size_t(to - from) * 48);
        for (int at = from; at < to; ++at) {
            starts.push_back(quint32(m_keys.size()));
            appendKey(collator, texts.at(rows.at(at)));
        }
        if (collator)
            ucol_close(collator);
        m_rows.reserve(starts.size());
        for (int at = from; at < to; ++at) {
            const quint8 *key = m_keys.data() + starts[size_t(at - from)];
            m_rows.push_back({leadingBytes(key), key, rows.at(at)});
        }
        std::stable_sort(m_rows.begin(), m_rows.end(),
                         [this](const Row &left, const Row &right) { return before(left, right); });
    }

    // Appends both halves' rows in order, a tie going to this half's row.
    void mergeWith(const SortedKeys &later, QVector<int> &merged) const
    {
        auto mine = m_rows.cbegin();
        auto theirs = later.m_rows.cbegin();
        while (mine != m_rows.cend() && theirs != later.m_rows.cend())
            merged.append(before(*theirs, *mine) ? (theirs++)->row : (mine++)->row);
        for (; mine != m_rows.cend(); ++mine)
            merged.append(mine->row);
        for (; theirs != later.m_rows.cend(); ++theirs)
            merged.append(theirs->row);
    }

private:
    struct Row
    {
        quint64 leading;
        const quint8 *key;
        int row;
    };

    // A key's first eight bytes as a number that orders as they do; a key ends with a zero byte.
    static quint64 leadingBytes(const quint8 *key)
    {
        quint64 leading = 0;
        int taken = 0;
        for (; taken < 8 && key[taken] != 0; ++taken)
            leading = leading << 8 | key[taken];
        return taken == 0 ? 0 : leading << (8 * (8 - taken));
    }

    bool before(const Row &left, const Row &right) const
    {
        const Row &first = m_descending ? right : left;
        const Row &second = m_descending ? left : right;
        if (first.leading != second.leading)
            return first.leading < second.leading;
        return std::strcmp(reinterpret_cast<const char *>(first.key), reinterpret_cast<const char *>(second.key)) < 0;
    }

    // A collator that did not open gives every text the empty key, keeping the rows as they were.
    void appendKey(const UCollator *collator, const QString &text)
    {
        const size_t start = m_keys.size();
        int32_t room = 16 + 2 * text.size();
        for (;;) {
            m_keys.resize(start + size_t(room));
            const int32_t size = collator ? ucol_getSortKey(collator, reinterpret_cast<const UChar *>(text.constData()),
                                                            text.size(), m_keys.data() + start, room)
                                          : 0;
            if (size <= room) {
                m_keys.resize(start + size_t(size) + 1);
                m_keys.back() = 0;
                return;
            }
            room = size + 1;
        }
    }

    const bool m_descending;
    std::vector<quint8> m_keys;
    std::vector<Row> m_rows;
};

} // namespace

// The random bytes come from the system in batches of 256 identities: Qt's own source asks the
// processor's random instruction for every identity, which some processors answer so slowly that it
// took a tenth of a large import.
QString newUuid()
{
    constexpr std::size_t uuidSize = 16;
    thread_local std::array<unsigned char, 256 * uuidSize> pool;
    thread_local std::size_t used = pool.size();
    if (used == pool.size()) {
        if (!fillRandom(pool.data(), pool.size()))
            return QUuid::createUuid().toString(QUuid::WithoutBraces);
        used = 0;
    }
    unsigned char *bytes = pool.data() + used;
    used += uuidSize;
    bytes[6] = (bytes[6] & 0x0f) | 0x40; // version 4: random
    bytes[8] = (bytes[8] & 0x3f) | 0x80; // the variant of RFC 4122
    return QUuid::fromRfc4122(QByteArray::fromRawData(reinterpret_cast<const char *>(bytes), int(uuidSize)))
        .toString(QUuid::WithoutBraces);
}

QCollator titleCollator()
{
    // The C locale collates by code point, which puts "Émile" after "Zoe"; such users get English order.
    const QLocale locale = QLocale().language() == QLocale::C ? QLocale(QLocale::English) : QLocale();
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    return collator;
}

void sortCollated(QVector<int> &rows, const QVector<QString> &texts, const QCollator &collator, bool descending)
{
    const CollationSettings settings{
        collator.locale().bcp47Name().replace(QLatin1Char('-'), QLatin1Char('_')).toLatin1(),
        collator.caseSensitivity(), collator.numericMode(), collator.ignorePunctuation()};
    const int middle = rows.size() / 2;
    auto firstHalf
        = std::async(std::launch::async, [&] { return SortedKeys(settings, texts, rows, 0, middle, descending); });
    const SortedKeys lastHalf(settings, texts, rows, middle, rows.size(), descending);
    const SortedKeys first = firstHalf.get();
    QVector<int> merged;
    merged.reserve(rows.size());
    first.mergeWith(lastHalf, merged);
    rows.swap(merged);
}

bool hasText(const QString &text)
{
    for (const QChar c : text) {
        if (!c.isSpace())
            return true;
    }
    return false;
}

QString cleanText(QString text)
{
    return text.replace(QLatin1Char('\t'), QLatin1String("    ")).trimmed();
}

bool sameOrBlank(const QString &a, const QString &b)
{
    return a.isEmpty() || b.isEmpty() || a == b;
}
