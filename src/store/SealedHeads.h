#pragma once

#include "store/CardSealer.h"
#include "store/CardTable.h"

#include <condition_variable>
#include <future>
#include <memory>
#include <mutex>
#include <vector>

class RowReader;

// The list entries of rows whose heads are only in their sealed texts. Rows come in from the read a
// chunk at a time; a second thread opens each chunk once it is complete, and the reading thread joins in
// when the read is done, since a large wallet's list is what its unlocking waits for. A chunk packs its
// blobs into one buffer, so the read allocates nothing for each row.
class SealedHeads
{
public:
    // With types, entries also get the template type and the trash flag.
    SealedHeads(const CardSealer &sealer, bool withTypes);
    // Waits for the second thread; chunks not yet opened are dropped.
    ~SealedHeads();
    SealedHeads(const SealedHeads &) = delete;
    SealedHeads &operator=(const SealedHeads &) = delete;

    // The columns every row is selected with.
    static QString columns();
    // Copies the current row of a reader selecting columns().
    void add(const RowReader &row);
    // The entries in the order the rows were added, once every chunk is open.
    QVector<CardListEntry> finish();

    // One row's entry; without a title when its text does not open.
    static CardListEntry open(const CardSealer &sealer, int id, const CardBinding &binding, const QByteArray &blob,
                              bool withTypes);

private:
    struct Chunk;

    void publish();
    Chunk *claim();
    void openChunks();
    // No more chunks come; those not yet claimed are dropped when asked.
    void endInput(bool dropUnopened);

    const CardSealer &m_sealer;
    const bool m_withTypes;
    // Filled by the reading thread alone.
    std::unique_ptr<Chunk> m_filling;
    // Guards the chunks handed over, which is next to open, and whether more will come.
    std::mutex m_mutex;
    std::condition_variable m_published;
    std::vector<std::unique_ptr<Chunk>> m_chunks;
    size_t m_nextToOpen = 0;
    bool m_complete = false;
    std::future<void> m_opener;
};
