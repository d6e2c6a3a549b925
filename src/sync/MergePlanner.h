#pragma once

#include "store/CardDb.h"

#include <QHash>
#include <QVector>

#include <memory>
#include <vector>

// One write that brings a copy to the merged state: the card into a row (a new row when id is -1), or
// only the row's trash state when card is null.
struct RowWrite
{
    int id = -1;
    Card *card = nullptr;
    bool trashed = false;
    qint64 rowTime = 0;
};

// Merges two copies of a wallet card by card and works out, for each copy, the rows it must write to
// hold the merged cards; rows already equal to the result are left alone. Cards pair first by identity,
// then by content; where both sides hold a card, the newer side wins for the card head and, field by
// field, for the values, and blanks are filled from the other side. Rows of one card with the same
// clear columns (time, trash state, title, type, icon) and the same version mark are taken as the same
// version and never read.
class MergePlanner
{
public:
    enum Copy { Local, Sync };

    MergePlanner(std::vector<CardHead> localRows, std::vector<CardHead> syncRows);
    ~MergePlanner();
    MergePlanner(const MergePlanner &) = delete;
    MergePlanner &operator=(const MergePlanner &) = delete;

    // The rows whose cards the merge needs: both versions of a card that may differ, and every card
    // that only one copy holds.
    QVector<CardHead> rowsToRead(Copy copy) const;
    // Takes the cards of rowsToRead(), in that order, and merges. Afterwards writes() tells each copy
    // what to write; the cards written stay the merger's.
    void merge(std::vector<std::unique_ptr<Card>> localCards, std::vector<std::unique_ptr<Card>> syncCards);
    const std::vector<RowWrite> &writes(Copy copy) const;

private:
    struct Side;

    void matchSameContent();
    void mergeCommon(int localIndex, int syncIndex);
    void mergeEquivalent(int localIndex, int syncIndex);
    void writeIfDifferent(Side &side, int index, bool cardDiffers, Card &merged, bool trashed, qint64 rowTime);

    std::unique_ptr<Side> m_local;
    std::unique_ptr<Side> m_sync;
    // Pairs of row indexes (local, sync) of one card whose versions may differ.
    QVector<QPair<int, int>> m_commonPairs;
    QVector<QPair<int, int>> m_equivalentPairs;
};
