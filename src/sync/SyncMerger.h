#pragma once

#include <QHash>
#include <QMap>
#include <QStringList>

#include <memory>
#include <vector>

class Card;
class CardDb;
struct StoredCard;

// Merges two copies of a wallet card by card into two outputs that end up holding the same cards.
// Cards pair first by identity, then by content; where both sides hold a card, the newer side wins
// for the card head and, field by field, for the values, and blanks are filled from the other side.
// The card of the second copy ("sync") is the one kept and written.
class SyncMerger
{
public:
    // The cards of both copies, each read completely (a copy that does not exist yet has none).
    SyncMerger(std::vector<StoredCard> localCards, std::vector<StoredCard> syncCards);
    ~SyncMerger();

    // The identities each copy deleted for ever. A card one copy deleted for ever and the other still
    // has in its trash is left out; one the other copy has live comes back trashed, never live.
    void setPurged(const QHash<QString, qint64> &localPurged, const QHash<QString, qint64> &syncPurged);

    // Adds the merged cards to each output that is given (an emptied store); false when one refuses a
    // card, and the caller then rolls both back.
    bool run(CardDb *localOutput, CardDb *syncOutput);

private:
    struct Side;

    void matchSameUuids();
    void matchSameContent();
    bool addToOutputs(Card &card, bool trashed);

    std::unique_ptr<Side> m_local;
    std::unique_ptr<Side> m_sync;
    CardDb *m_localOutput = nullptr;
    CardDb *m_syncOutput = nullptr;
    QStringList m_commonUuids;
    QMap<QString, QString> m_equivalentPairs;
};
