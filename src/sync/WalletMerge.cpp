#include "sync/WalletMerge.h"

#include "store/CardDb.h"
#include "sync/SyncMerger.h"

#include <QFileInfo>

#include <future>

namespace {

bool fail(WalletError *error, const CardDb &store)
{
    if (error)
        *error = store.lastError();
    return false;
}

bool apply(CardDb &store, const std::vector<RowWrite> &writes)
{
    for (const RowWrite &write : writes) {
        const QDateTime rowTime = QDateTime::fromSecsSinceEpoch(write.rowTime, Qt::UTC);
        if (!(write.card ? store.putCard(write.id, *write.card, write.trashed, rowTime)
                         : store.setTrashed(write.id, write.trashed, rowTime)))
            return false;
    }
    return true;
}

} // namespace

bool WalletMerge::merge(CardDb &local, CardDb &other, Targets targets, WalletError *error, Outcome *outcome,
                        const BeforeLocalWrite &beforeLocalWrite)
{
    const bool toLocal = targets != OtherCopyOnly;
    const bool toOther = targets != LocalCopyOnly;
    // Both files are held from here: what is read below is what the result replaces.
    CardDbTransaction localWrite(local);
    if (!localWrite.isActive())
        return fail(error, local);
    CardDbTransaction otherWrite(other);
    if (!otherWrite.isActive())
        return fail(error, other);

    // The two copies are read side by side.
    auto otherHeads = std::async(std::launch::async, [&other] { return other.cardHeads(); });
    auto localHeads = local.cardHeads();
    auto syncHeads = otherHeads.get();
    if (!localHeads)
        return fail(error, local);
    if (!syncHeads)
        return fail(error, other);
    SyncMerger merger(std::move(*localHeads), std::move(*syncHeads));

    auto otherCards = std::async(
        std::launch::async, [&other, rows = merger.rowsToRead(SyncMerger::Sync)] { return other.cardsOfRows(rows); });
    auto localCards = local.cardsOfRows(merger.rowsToRead(SyncMerger::Local));
    auto syncCards = otherCards.get();
    if (!localCards)
        return fail(error, local);
    if (!syncCards)
        return fail(error, other);
    merger.merge(std::move(*localCards), std::move(*syncCards));

    const std::vector<RowWrite> &localWrites = merger.writes(SyncMerger::Local);
    const std::vector<RowWrite> &otherWrites = merger.writes(SyncMerger::Sync);
    if (toLocal && !localWrites.empty() && beforeLocalWrite) {
        const WalletError refused = beforeLocalWrite(local);
        if (refused.isError()) {
            if (error)
                *error = refused;
            return false;
        }
    }
    if (toOther && !apply(other, otherWrites))
        return fail(error, other);
    if (toLocal && !apply(local, localWrites))
        return fail(error, local);
    if (!otherWrite.commit())
        return fail(error, other);
    if (!localWrite.commit())
        return fail(error, local);
    if (outcome)
        *outcome = {toLocal ? int(localWrites.size()) : 0, toOther ? int(otherWrites.size()) : 0};
    return true;
}

std::unique_ptr<CardDb> WalletMerge::openOther(const QString &path, const QString &password, const QString &newPassword,
                                               bool *created, WalletError *error)
{
    *created = !QFileInfo::exists(path) && !QFileInfo(path).isSymLink();
    return CardDb::openOrCreate(path, *created ? newPassword : password, error);
}
