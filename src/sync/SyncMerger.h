#pragma once

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
    // Either input may be none: a copy that does not exist yet has no cards.
    SyncMerger(CardDb *localStore, CardDb *syncStore, CardDb &localOutput, CardDb &syncOutput);
    ~SyncMerger();

    // False when an output refuses a card; the caller then discards both outputs.
    bool run();

private:
    struct Side;

    void matchSameUuids();
    void matchSameContent();
    bool addToOutputs(Card &card, bool trashed);

    std::unique_ptr<Side> m_local;
    std::unique_ptr<Side> m_sync;
    CardDb &m_localOutput;
    CardDb &m_syncOutput;
    QStringList m_commonUuids;
    QMap<QString, QString> m_equivalentPairs;
};
