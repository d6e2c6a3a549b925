#include "store/SealedHeads.h"

#include "model/CardTextView.h"
#include "model/SecretText.h"
#include "store/RowReader.h"

#include <utility>

namespace {

// Small enough that the second thread starts at once and the two end together, large enough that
// handing a chunk over costs nothing next to opening it.
constexpr int chunkRows = 512;

// The head columns of a card text that the card list shows (up to the title), read without the notes
// and fields after them, which a large wallet's list would decode for nothing.
void readHead(const QByteArray &text, CardListEntry &entry, bool withType)
{
    constexpr int listedColumns = 5;
    int end = -1;
    for (int column = 0; column < listedColumns && (end = text.indexOf('\t', end + 1)) >= 0; ++column) { }
    if (end < 0)
        return;
    const CardTextView head(QByteArray::fromRawData(text.constData(), end));
    entry.title = head.title().toString();
    entry.iconId = head.iconId();
    if (withType)
        entry.templateType = head.templateType().toString();
}

} // namespace

struct SealedHeads::Chunk
{
    // In blobs, each row's uuid and then its sealed text follow the row before, ending at these offsets.
    struct Row
    {
        int id;
        qint64 rowTime;
        bool trashed;
        int uuidEnd;
        int blobEnd;
    };

    Chunk()
    {
        rows.reserve(chunkRows);
        blobs.reserve(chunkRows * 384); // a typical card's uuid and text, with room to spare
    }

    std::vector<Row> rows;
    QByteArray blobs;
    std::vector<CardListEntry> entries;
};

SealedHeads::SealedHeads(const CardSealer &sealer, bool withTypes)
    : m_sealer(sealer)
    , m_withTypes(withTypes)
    , m_filling(std::make_unique<Chunk>())
{
}

SealedHeads::~SealedHeads()
{
    endInput(true);
    if (m_opener.valid())
        m_opener.get();
}

void SealedHeads::endInput(bool dropUnopened)
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_complete = true;
        if (dropUnopened)
            m_nextToOpen = m_chunks.size();
    }
    m_published.notify_all();
}

CardListEntry SealedHeads::open(const CardSealer &sealer, int id, const CardBinding &binding, const QByteArray &blob,
                                bool withTypes)
{
    CardListEntry entry{id, QString(), -1, QString(), withTypes && binding.trashed};
    QByteArray text = sealer.open(blob, binding);
    readHead(text, entry, withTypes);
    SecretText::wipe(text);
    return entry;
}

void SealedHeads::add(const RowReader &row)
{
    QByteArray &blobs = m_filling->blobs;
    blobs.append(row.utf8InPlace(1));
    const int uuidEnd = blobs.size();
    blobs.append(row.blobInPlace(4));
    m_filling->rows.push_back({row.integer(0), row.wholeSeconds(2), row.integer(3) != 0, uuidEnd, blobs.size()});
    if (int(m_filling->rows.size()) < chunkRows)
        return;
    publish();
    if (!m_opener.valid())
        m_opener = std::async(std::launch::async, [this] { openChunks(); });
}

void SealedHeads::publish()
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_chunks.push_back(std::exchange(m_filling, std::make_unique<Chunk>()));
    }
    m_published.notify_one();
}

SealedHeads::Chunk *SealedHeads::claim()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_published.wait(lock, [this] { return m_nextToOpen < m_chunks.size() || m_complete; });
    return m_nextToOpen < m_chunks.size() ? m_chunks[m_nextToOpen++].get() : nullptr;
}

void SealedHeads::openChunks()
{
    while (Chunk *chunk = claim()) {
        chunk->entries.reserve(chunk->rows.size());
        const char *const bytes = chunk->blobs.constData();
        int uuidStart = 0;
        for (const Chunk::Row &row : chunk->rows) {
            const CardBinding binding{QString::fromUtf8(bytes + uuidStart, row.uuidEnd - uuidStart), row.rowTime,
                                      row.trashed};
            const QByteArray blob = QByteArray::fromRawData(bytes + row.uuidEnd, row.blobEnd - row.uuidEnd);
            chunk->entries.push_back(open(m_sealer, row.id, binding, blob, m_withTypes));
            uuidStart = row.blobEnd;
        }
    }
}

QVector<CardListEntry> SealedHeads::finish()
{
    if (!m_filling->rows.empty())
        publish();
    endInput(false);
    openChunks();
    if (m_opener.valid())
        m_opener.get();
    QVector<CardListEntry> entries;
    entries.reserve(int(m_chunks.size()) * chunkRows);
    for (const auto &chunk : m_chunks) {
        for (CardListEntry &entry : chunk->entries)
            entries.append(std::move(entry));
    }
    return entries;
}

QString SealedHeads::columns()
{
    return CardRow::decodedColumns();
}
