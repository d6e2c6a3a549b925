#include "import/LatestEntries.h"

#include "model/SecretText.h"

#include <limits>

namespace {

// A copy without a readable change time counts as older than any copy with one.
bool isNewer(const QDateTime &candidate, const QDateTime &recorded)
{
    return candidate.isValid() && (!recorded.isValid() || recorded < candidate);
}

// The members of an entry one after the other, each number in as few bytes as it needs (seven bits a
// byte, the sign in the lowest bit) and each text as its length and UTF-8. Only this file writes and
// reads the buffers, in one order.
class EntryPacker
{
public:
    // The buffer is reused from entry to entry and made large enough before it is filled, so that no
    // reallocation leaves a copy of a secret behind; its owner wipes it.
    explicit EntryPacker(QByteArray &scratch, int bound)
        : m_bytes(scratch)
    {
        m_bytes.resize(0);
        if (m_bytes.capacity() < bound)
            m_bytes.reserve(bound);
    }

    void number(qint64 value)
    {
        quint64 bits = (quint64(value) << 1) ^ quint64(value >> 63);
        do {
            const char byte = char(bits & 0x7f);
            bits >>= 7;
            m_bytes.append(bits ? char(byte | 0x80) : byte);
        } while (bits);
    }

    void text(const QString &text)
    {
        QByteArray utf8 = text.toUtf8();
        number(utf8.size());
        m_bytes.append(utf8);
        SecretText::wipe(utf8);
    }

    QByteArray packed() const { return QByteArray(m_bytes.constData(), m_bytes.size()); }

private:
    QByteArray &m_bytes;
};

class EntryUnpacker
{
public:
    explicit EntryUnpacker(const QByteArray &bytes)
        : m_bytes(bytes)
    {
    }

    qint64 number()
    {
        quint64 bits = 0;
        for (int shift = 0;; shift += 7) {
            const auto byte = uchar(m_bytes.at(m_at++));
            bits |= quint64(byte & 0x7f) << shift;
            if (!(byte & 0x80))
                break;
        }
        return qint64(bits >> 1) ^ -qint64(bits & 1);
    }

    QString text()
    {
        const int size = int(number());
        const QString text = QString::fromUtf8(m_bytes.constData() + m_at, size);
        m_at += size;
        return text;
    }

private:
    const QByteArray &m_bytes;
    int m_at = 0;
};

// For an entry without a time, a number no time in milliseconds since the epoch takes.
constexpr qint64 noTime = std::numeric_limits<qint64>::min();

QByteArray packed(const ImportEntry &entry, QByteArray &scratch)
{
    const QString *texts[] = {&entry.title, &entry.username, &entry.password,     &entry.notes, &entry.url,
                              &entry.otp,   &entry.group,    &entry.templateType, &entry.uuid};
    // UTF-8 takes at most three bytes for a character of UTF-16, a number at most ten.
    int bound = 64;
    for (const QString *text : texts)
        bound += 3 * text->size() + 10;
    for (const ImportField &field : entry.extraFields)
        bound += 3 * (field.label.size() + field.value.size()) + 30;
    EntryPacker packer(scratch, bound);
    for (const QString *text : texts)
        packer.text(*text);
    packer.number(entry.trashed ? 1 : 0);
    packer.number(entry.iconId);
    packer.number(entry.groupIndex);
    packer.number(entry.cardTime.isValid() ? entry.cardTime.toMSecsSinceEpoch() : noTime);
    packer.number(entry.extraFields.size());
    for (const ImportField &field : entry.extraFields) {
        packer.text(field.label);
        packer.text(field.value);
        packer.number(field.sensitive ? 1 : 0);
    }
    return packer.packed();
}

ImportEntry unpacked(const QByteArray &bytes)
{
    EntryUnpacker unpacker(bytes);
    ImportEntry entry;
    for (QString *text : {&entry.title, &entry.username, &entry.password, &entry.notes, &entry.url, &entry.otp,
                          &entry.group, &entry.templateType, &entry.uuid})
        *text = unpacker.text();
    entry.trashed = unpacker.number() != 0;
    entry.iconId = int(unpacker.number());
    entry.groupIndex = int(unpacker.number());
    const qint64 cardTime = unpacker.number();
    if (cardTime != noTime)
        entry.cardTime = QDateTime::fromMSecsSinceEpoch(cardTime, Qt::UTC);
    const qint64 extraFields = unpacker.number();
    for (qint64 i = 0; i < extraFields; ++i) {
        ImportField field;
        field.label = unpacker.text();
        field.value = unpacker.text();
        field.sensitive = unpacker.number() != 0;
        entry.extraFields.append(field);
    }
    return entry;
}

} // namespace

LatestEntries::~LatestEntries()
{
    for (QByteArray &bytes : m_packed)
        SecretText::wipe(bytes);
    m_scratch.resize(m_scratch.capacity());
    SecretText::wipe(m_scratch);
}

void LatestEntries::record(const QString &key, const ImportEntry &entry)
{
    const auto found = key.isEmpty() ? m_indexByKey.end() : m_indexByKey.find(key);
    if (found == m_indexByKey.end()) {
        if (!key.isEmpty())
            m_indexByKey.insert(key, size());
        m_packed.push_back(packed(entry, m_scratch));
        m_lastModified.push_back(entry.lastModified);
        return;
    }
    ++m_superseded;
    if (isNewer(entry.lastModified, m_lastModified[size_t(*found)])) {
        SecretText::wipe(m_packed[size_t(*found)]);
        m_packed[size_t(*found)] = packed(entry, m_scratch);
        m_lastModified[size_t(*found)] = entry.lastModified;
    }
}

ImportEntry LatestEntries::take(int index)
{
    QByteArray &bytes = m_packed[size_t(index)];
    ImportEntry entry = unpacked(bytes);
    SecretText::wipe(bytes);
    return entry;
}
