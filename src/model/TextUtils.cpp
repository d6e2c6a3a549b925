#include "model/TextUtils.h"

#include <QLocale>
#include <QUuid>

#include <sys/random.h>

#include <array>
#include <cerrno>

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
