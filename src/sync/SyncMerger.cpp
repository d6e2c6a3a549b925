#include "sync/SyncMerger.h"

#include "store/CardDb.h"

#include <QHash>
#include <QSet>

// The cards of one input, each decrypted once, and the identities not matched yet, in row order.
struct SyncMerger::Side
{
    explicit Side(std::vector<StoredCard> cards)
        : rows(std::move(cards))
    {
        for (std::size_t i = 0; i < rows.size(); ++i) {
            byUuid.insert(rows[i].uuid, int(i));
            unmatched.append(rows[i].uuid);
        }
    }

    StoredCard &row(const QString &uuid) { return rows[std::size_t(byUuid.value(uuid))]; }

    // Applies the other copy's deletions for ever to the cards it no longer has.
    void applyPurges(const QHash<QString, qint64> &purgedThere, const Side &there)
    {
        QSet<QString> dropped;
        for (StoredCard &row : rows) {
            if (there.byUuid.contains(row.uuid) || !purgedThere.contains(row.uuid))
                continue;
            if (row.trashed)
                dropped.insert(row.uuid);
            row.trashed = true;
        }
        removeMatched(dropped);
    }

    void removeMatched(const QSet<QString> &matched)
    {
        QStringList remaining;
        for (const QString &uuid : qAsConst(unmatched)) {
            if (!matched.contains(uuid))
                remaining.append(uuid);
        }
        unmatched = remaining;
    }

    std::vector<StoredCard> rows;
    QHash<QString, int> byUuid;
    QStringList unmatched;
};

SyncMerger::SyncMerger(std::vector<StoredCard> localCards, std::vector<StoredCard> syncCards)
    : m_local(std::make_unique<Side>(std::move(localCards)))
    , m_sync(std::make_unique<Side>(std::move(syncCards)))
{
}

SyncMerger::~SyncMerger() = default;

// The common list runs from the sync copy's last card to its first.
void SyncMerger::matchSameUuids()
{
    QSet<QString> matched;
    for (int i = m_sync->unmatched.size() - 1; i >= 0; --i) {
        const QString &uuid = m_sync->unmatched.at(i);
        if (m_local->byUuid.contains(uuid)) {
            m_commonUuids.append(uuid);
            matched.insert(uuid);
        }
    }
    m_local->removeMatched(matched);
    m_sync->removeMatched(matched);
}

// Each sync card, from the last to the first, pairs with the last unpaired local card that has the
// same trashed state and is equivalent to it. Equivalent cards share type and title, so only local
// cards with those are looked at, which keeps large merges fast without changing any pairing.
void SyncMerger::matchSameContent()
{
    const auto bucketKey = [](const StoredCard &row) {
        return row.card->templateType() + QChar(0) + row.card->title() + QChar(row.trashed ? '1' : '0');
    };
    QHash<QString, QStringList> localBuckets;
    for (const QString &uuid : qAsConst(m_local->unmatched))
        localBuckets[bucketKey(m_local->row(uuid))].append(uuid);

    QSet<QString> pairedLocal;
    QSet<QString> pairedSync;
    for (int i = m_sync->unmatched.size() - 1; i >= 0; --i) {
        const QString &syncUuid = m_sync->unmatched.at(i);
        const StoredCard &syncRow = m_sync->row(syncUuid);
        const QStringList candidates = localBuckets.value(bucketKey(syncRow));
        for (int j = candidates.size() - 1; j >= 0; --j) {
            const QString &localUuid = candidates.at(j);
            if (pairedLocal.contains(localUuid) || !syncRow.card->isEquivalent(*m_local->row(localUuid).card))
                continue;
            m_equivalentPairs.insert(syncUuid, localUuid);
            pairedLocal.insert(localUuid);
            pairedSync.insert(syncUuid);
            break;
        }
    }
    m_local->removeMatched(pairedLocal);
    m_sync->removeMatched(pairedSync);
}

void SyncMerger::setPurged(const QHash<QString, qint64> &localPurged, const QHash<QString, qint64> &syncPurged)
{
    m_local->applyPurges(syncPurged, *m_sync);
    m_sync->applyPurges(localPurged, *m_local);
}

bool SyncMerger::run(CardDb *localOutput, CardDb *syncOutput)
{
    m_localOutput = localOutput;
    m_syncOutput = syncOutput;
    matchSameUuids();
    matchSameContent();

    for (const QString &uuid : qAsConst(m_sync->unmatched)) {
        StoredCard &row = m_sync->row(uuid);
        if (!addToOutputs(*row.card, row.trashed))
            return false;
    }
    for (const QString &uuid : qAsConst(m_local->unmatched)) {
        StoredCard &row = m_local->row(uuid);
        if (!addToOutputs(*row.card, row.trashed))
            return false;
    }
    for (auto pair = m_equivalentPairs.cbegin(); pair != m_equivalentPairs.cend(); ++pair) {
        StoredCard &syncRow = m_sync->row(pair.key());
        syncRow.card->fillBlanks(*m_local->row(pair.value()).card);
        if (!addToOutputs(*syncRow.card, syncRow.trashed))
            return false;
    }
    // The side whose row changed last decides whether the card is in the trash; a tie goes to the sync copy.
    for (const QString &uuid : qAsConst(m_commonUuids)) {
        StoredCard &syncRow = m_sync->row(uuid);
        const StoredCard &localRow = m_local->row(uuid);
        syncRow.card->mergeNewer(*localRow.card);
        const bool trashed = syncRow.rowTime < localRow.rowTime ? localRow.trashed : syncRow.trashed;
        if (!addToOutputs(*syncRow.card, trashed))
            return false;
    }
    return true;
}

bool SyncMerger::addToOutputs(Card &card, bool trashed)
{
    for (CardDb *output : {m_localOutput, m_syncOutput}) {
        if (output && !(output->addCard(card) && (!trashed || output->trashCard(output->cardIdForUuid(card.uuid())))))
            return false;
    }
    return true;
}
