#include "sync/MergePlanner.h"

#include <QSet>

#include <algorithm>

namespace {

// Whether two rows of one card may hold different versions of it.
bool mayDiffer(const CardHead &a, const CardHead &b)
{
    return a.rowTime != b.rowTime || a.trashed != b.trashed || a.version != b.version || a.iconId != b.iconId
        || a.title != b.title || a.templateType != b.templateType;
}

} // namespace

// The rows of one input, the cards read of them, and the rows not matched by identity, in row order.
struct MergePlanner::Side
{
    explicit Side(std::vector<CardHead> heads)
        : rows(std::move(heads))
        , cards(rows.size())
    {
    }

    const CardHead &row(int index) const { return rows[std::size_t(index)]; }
    Card &card(int index) const { return *cards[std::size_t(index)]; }

    std::vector<CardHead> rows;
    std::vector<std::unique_ptr<Card>> cards;
    QVector<int> toRead;
    QVector<int> unmatched;
    std::vector<RowWrite> writes;
};

MergePlanner::MergePlanner(std::vector<CardHead> localRows, std::vector<CardHead> syncRows)
    : m_local(std::make_unique<Side>(std::move(localRows)))
    , m_sync(std::make_unique<Side>(std::move(syncRows)))
{
    QHash<QString, int> localByUuid;
    localByUuid.reserve(int(m_local->rows.size()));
    for (std::size_t i = 0; i < m_local->rows.size(); ++i)
        localByUuid.insert(m_local->rows[i].uuid, int(i));
    std::vector<bool> matchedLocal(m_local->rows.size());
    for (int i = 0; i < int(m_sync->rows.size()); ++i) {
        const int local = localByUuid.value(m_sync->row(i).uuid, -1);
        if (local == -1) {
            m_sync->unmatched.append(i);
            continue;
        }
        matchedLocal[std::size_t(local)] = true;
        if (mayDiffer(m_local->row(local), m_sync->row(i)))
            m_commonPairs.append({local, i});
    }
    for (int i = 0; i < int(m_local->rows.size()); ++i) {
        if (!matchedLocal[std::size_t(i)])
            m_local->unmatched.append(i);
    }
    for (const auto &pair : qAsConst(m_commonPairs)) {
        m_local->toRead.append(pair.first);
        m_sync->toRead.append(pair.second);
    }
    m_local->toRead += m_local->unmatched;
    m_sync->toRead += m_sync->unmatched;
}

MergePlanner::~MergePlanner() = default;

QVector<CardHead> MergePlanner::rowsToRead(Copy copy) const
{
    const Side &side = copy == Local ? *m_local : *m_sync;
    QVector<CardHead> rows;
    rows.reserve(side.toRead.size());
    for (const int index : side.toRead)
        rows.append(side.row(index));
    return rows;
}

const std::vector<RowWrite> &MergePlanner::writes(Copy copy) const
{
    return copy == Local ? m_local->writes : m_sync->writes;
}

void MergePlanner::merge(std::vector<std::unique_ptr<Card>> localCards, std::vector<std::unique_ptr<Card>> syncCards)
{
    for (auto [side, cards] : {std::pair{m_local.get(), &localCards}, {m_sync.get(), &syncCards}}) {
        for (int i = 0; i < side->toRead.size() && i < int(cards->size()); ++i)
            side->cards[std::size_t(side->toRead.at(i))] = std::move((*cards)[std::size_t(i)]);
    }
    matchSameContent();
    for (const int index : qAsConst(m_sync->unmatched)) {
        const CardHead &row = m_sync->row(index);
        m_local->writes.push_back({-1, &m_sync->card(index), row.trashed, row.rowTime});
    }
    for (const int index : qAsConst(m_local->unmatched)) {
        const CardHead &row = m_local->row(index);
        m_sync->writes.push_back({-1, &m_local->card(index), row.trashed, row.rowTime});
    }
    for (const auto &pair : qAsConst(m_equivalentPairs))
        mergeEquivalent(pair.first, pair.second);
    for (const auto &pair : qAsConst(m_commonPairs))
        mergeCommon(pair.first, pair.second);
}

// Each sync card, from the last to the first, pairs with the last unpaired local card that has the
// same trashed state and is equivalent to it. Equivalent cards share type and title, so only local
// cards with those are looked at, which keeps large merges fast without changing any pairing.
void MergePlanner::matchSameContent()
{
    const auto bucketKey = [](const Side &side, int index) {
        const Card &card = side.card(index);
        return card.templateType() + QChar(0) + card.title() + QChar(side.row(index).trashed ? '1' : '0');
    };
    QHash<QString, QVector<int>> localBuckets;
    for (const int index : qAsConst(m_local->unmatched))
        localBuckets[bucketKey(*m_local, index)].append(index);

    QSet<int> pairedLocal;
    QSet<int> pairedSync;
    for (int i = m_sync->unmatched.size() - 1; i >= 0; --i) {
        const int syncIndex = m_sync->unmatched.at(i);
        const QVector<int> candidates = localBuckets.value(bucketKey(*m_sync, syncIndex));
        for (int j = candidates.size() - 1; j >= 0; --j) {
            const int localIndex = candidates.at(j);
            if (pairedLocal.contains(localIndex) || !m_sync->card(syncIndex).isEquivalent(m_local->card(localIndex)))
                continue;
            m_equivalentPairs.append({localIndex, syncIndex});
            pairedLocal.insert(localIndex);
            pairedSync.insert(syncIndex);
            break;
        }
    }
    const auto removePaired = [](QVector<int> &unmatched, const QSet<int> &paired) {
        unmatched.erase(
            std::remove_if(unmatched.begin(), unmatched.end(), [&paired](int index) { return paired.contains(index); }),
            unmatched.end());
    };
    removePaired(m_local->unmatched, pairedLocal);
    removePaired(m_sync->unmatched, pairedSync);
}

// The side whose row changed last decides whether the card is in the trash; a tie goes to the sync copy.
// Where both versions changed a part in the same second, the version whose card text sorts higher wins
// it, whichever copy holds it, so that every pair of copies settles on the same card.
void MergePlanner::mergeCommon(int localIndex, int syncIndex)
{
    const CardHead &localRow = m_local->row(localIndex);
    const CardHead &syncRow = m_sync->row(syncIndex);
    Card &localCard = m_local->card(localIndex);
    Card &syncCard = m_sync->card(syncIndex);
    const QByteArray localBefore = localCard.toData();
    const QByteArray syncBefore = syncCard.toData();
    const bool localWinsTies = syncBefore < localBefore;
    Card &merged = localWinsTies ? localCard : syncCard;
    merged.mergeNewer(localWinsTies ? syncCard : localCard);
    const bool trashed = syncRow.rowTime < localRow.rowTime ? localRow.trashed : syncRow.trashed;
    // A card combined from both versions may carry the time of one of them; its row then takes a second
    // more, so that the row of that version never looks the same as the combined one.
    const QByteArray mergedData = merged.toData();
    const bool combined = mergedData != syncBefore && mergedData != localBefore;
    const qint64 rowTime
        = std::max({localRow.rowTime, syncRow.rowTime, merged.updateTime().toSecsSinceEpoch()}) + (combined ? 1 : 0);
    writeIfDifferent(*m_local, localIndex, localBefore != mergedData, merged, trashed, rowTime);
    writeIfDifferent(*m_sync, syncIndex, syncBefore != mergedData, merged, trashed, rowTime);
}

// The local row takes the sync card in its place (and its identity); the sync row only where blanks
// were filled.
void MergePlanner::mergeEquivalent(int localIndex, int syncIndex)
{
    const CardHead &localRow = m_local->row(localIndex);
    const CardHead &syncRow = m_sync->row(syncIndex);
    Card &merged = m_sync->card(syncIndex);
    const QByteArray syncBefore = merged.toData();
    merged.fillBlanks(m_local->card(localIndex));
    const qint64 rowTime = std::max({localRow.rowTime, syncRow.rowTime, merged.updateTime().toSecsSinceEpoch()});
    m_local->writes.push_back({localRow.id, &merged, syncRow.trashed, rowTime});
    if (merged.toData() != syncBefore)
        m_sync->writes.push_back({syncRow.id, &merged, syncRow.trashed, rowTime});
}

void MergePlanner::writeIfDifferent(Side &side, int index, bool cardDiffers, Card &merged, bool trashed, qint64 rowTime)
{
    const CardHead &row = side.row(index);
    if (cardDiffers)
        side.writes.push_back({row.id, &merged, trashed, rowTime});
    else if (row.trashed != trashed)
        side.writes.push_back({row.id, nullptr, trashed, rowTime});
}
