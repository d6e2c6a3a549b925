#include "sync/WalletMerge.h"

#include "model/Clock.h"
#include "store/CardDb.h"
#include "sync/MergePlanner.h"

#include <QDateTime>
#include <QFileInfo>

#include <future>

namespace {

bool fail(WalletError *error, const CardDb &store)
{
    if (error)
        *error = store.lastError();
    return false;
}

// What a copy must do about the cards the other copy deleted for ever: a card it has in the trash goes
// for ever too; one it has live goes into the trash (and on to the other copy from there), never
// staying live, and the deletion is forgotten on both sides.
struct PurgeSettlement
{
    QVector<int> deleteIds;
    QVector<int> trashIds;
    QStringList cameBack;
};

PurgeSettlement settlePurges(std::vector<CardHead> &heads, const QHash<QString, qint64> &purgedElsewhere)
{
    PurgeSettlement settlement;
    const qint64 now = Clock::nowSecs();
    for (auto it = heads.begin(); it != heads.end();) {
        if (!purgedElsewhere.contains(it->uuid)) {
            ++it;
        } else if (it->trashed) {
            settlement.deleteIds.append(it->id);
            it = heads.erase(it);
        } else {
            settlement.trashIds.append(it->id);
            settlement.cameBack.append(it->uuid);
            it->trashed = true;
            it->rowTime = now;
            ++it;
        }
    }
    return settlement;
}

bool applySettlement(CardDb &store, const PurgeSettlement &settlement)
{
    const QDateTime now = Clock::nowUtc();
    for (int id : settlement.trashIds) {
        if (!store.setTrashed(id, true, now))
            return false;
    }
    for (int id : settlement.deleteIds) {
        if (!store.purgeCard(id))
            return false;
    }
    return true;
}

// Both copies end up knowing every deletion for ever, except of the cards that came back.
bool sharePurges(CardDb &store, const QHash<QString, qint64> &purged, const QStringList &cameBack)
{
    return store.recordPurged(purged) && store.forgetPurged(cameBack);
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

    // The two copies are read side by side. Copies under different keys or formats (or of version 3, where
    // every blob has a nonce of its own) mark versions by their card texts.
    const CardDb::VersionMark mark = local.sharesCipherWith(other) ? CardDb::EncryptedText : CardDb::TextDigest;
    auto otherHeads = std::async(std::launch::async, [&other, mark] { return other.cardHeads(mark); });
    auto localHeads = local.cardHeads(mark);
    auto syncHeads = otherHeads.get();
    if (!localHeads)
        return fail(error, local);
    if (!syncHeads)
        return fail(error, other);
    const auto localPurged = local.purgedCards();
    if (!localPurged)
        return fail(error, local);
    const auto otherPurged = other.purgedCards();
    if (!otherPurged)
        return fail(error, other);
    const PurgeSettlement localSettlement = settlePurges(*localHeads, *otherPurged);
    const PurgeSettlement otherSettlement = settlePurges(*syncHeads, *localPurged);
    QHash<QString, qint64> purged = *localPurged;
    for (auto it = otherPurged->cbegin(); it != otherPurged->cend(); ++it)
        purged[it.key()] = std::max(purged.value(it.key()), it.value());
    const QStringList cameBack = localSettlement.cameBack + otherSettlement.cameBack;
    MergePlanner merger(std::move(*localHeads), std::move(*syncHeads));

    auto otherCards = std::async(
        std::launch::async, [&other, rows = merger.rowsToRead(MergePlanner::Sync)] { return other.cardsOfRows(rows); });
    auto localCards = local.cardsOfRows(merger.rowsToRead(MergePlanner::Local));
    auto syncCards = otherCards.get();
    if (!localCards)
        return fail(error, local);
    if (!syncCards)
        return fail(error, other);
    merger.merge(std::move(*localCards), std::move(*syncCards));

    const std::vector<RowWrite> &localWrites = merger.writes(MergePlanner::Local);
    const std::vector<RowWrite> &otherWrites = merger.writes(MergePlanner::Sync);
    const bool localChanges = !localWrites.empty() || !localSettlement.deleteIds.isEmpty()
        || !localSettlement.trashIds.isEmpty() || purged.size() != localPurged->size();
    if (toLocal && localChanges && beforeLocalWrite) {
        const WalletError refused = beforeLocalWrite(local);
        if (refused.isError()) {
            if (error)
                *error = refused;
            return false;
        }
    }
    if (toOther
        && !(applySettlement(other, otherSettlement) && apply(other, otherWrites)
             && sharePurges(other, purged, cameBack)))
        return fail(error, other);
    if (toLocal
        && !(applySettlement(local, localSettlement) && apply(local, localWrites)
             && sharePurges(local, purged, cameBack)))
        return fail(error, local);
    if (!otherWrite.commit())
        return fail(error, other);
    if (!localWrite.commit())
        return fail(error, local);
    if (outcome)
        *outcome = {toLocal ? int(localWrites.size()) : 0, toOther ? int(otherWrites.size()) : 0};
    return true;
}

std::unique_ptr<CardDb> WalletMerge::openOther(const QString &path, const WalletCredentials &credentials,
                                               const WalletCredentials &newCredentials,
                                               const NewWalletOptions &newOptions, bool *created, WalletError *error)
{
    *created = !QFileInfo::exists(path) && !QFileInfo(path).isSymLink();
    return *created ? CardDb::create(path, newCredentials, newOptions, error) : CardDb::open(path, credentials, error);
}

std::unique_ptr<CardDb> WalletMerge::openOther(const QString &path, const QString &password, const QString &newPassword,
                                               bool *created, WalletError *error)
{
    return openOther(path, {password, QByteArray()}, {newPassword, QByteArray()},
                     {NewWalletOptions::Compatible, {}}, created, error);
}
