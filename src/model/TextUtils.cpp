#include "model/TextUtils.h"

#include <QLocale>
#include <QUuid>

#include <sys/random.h>

#include <algorithm>
#include <array>
#include <cerrno>
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
    const int half = texts.size() / 2;
    const auto makeKeys = [&texts](const QCollator &keyMaker, int from, int to) {
        std::vector<QCollatorSortKey> keys;
        keys.reserve(size_t(to - from));
        for (int i = from; i < to; ++i)
            keys.push_back(keyMaker.sortKey(texts.at(i)));
        return keys;
    };
    QCollator second(collator.locale());
    second.setCaseSensitivity(collator.caseSensitivity());
    second.setNumericMode(collator.numericMode());
    second.setIgnorePunctuation(collator.ignorePunctuation());
    auto firstKeys = std::async(std::launch::async, makeKeys, std::cref(second), 0, half);
    const std::vector<QCollatorSortKey> lastKeys = makeKeys(collator, half, texts.size());
    const std::vector<QCollatorSortKey> keys = firstKeys.get();

    const auto keyOf = [&keys, &lastKeys, half](int row) -> const QCollatorSortKey & {
        return row < half ? keys[size_t(row)] : lastKeys[size_t(row - half)];
    };
    const auto before = [&keyOf, descending](int left, int right) {
        return descending ? keyOf(right).compare(keyOf(left)) < 0 : keyOf(left).compare(keyOf(right)) < 0;
    };
    const auto middle = rows.begin() + rows.size() / 2;
    auto firstHalf = std::async(std::launch::async, [&] { std::stable_sort(rows.begin(), middle, before); });
    std::stable_sort(middle, rows.end(), before);
    firstHalf.get();
    QVector<int> merged(rows.size());
    std::merge(rows.begin(), middle, middle, rows.end(), merged.begin(), before);
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
