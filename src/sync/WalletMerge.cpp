#include "sync/WalletMerge.h"

#include "store/CardDb.h"
#include "sync/SyncMerger.h"

#include <QFileInfo>

#include <algorithm>

#include <future>

namespace {

bool fail(WalletError *error, const CardDb &store)
{
    if (error)
        *error = store.lastError();
    return false;
}

} // namespace

bool WalletMerge::merge(CardDb &local, CardDb &other, Targets targets, WalletError *error)
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

    // Decrypting every card is most of the reading; the two copies are read side by side.
    auto otherCards = std::async(std::launch::async, [&other] { return other.allCards(); });
    auto localCards = local.allCards();
    auto syncCards = otherCards.get();
    if (!localCards)
        return fail(error, local);
    if (!syncCards)
        return fail(error, other);

    const auto localPurged = local.purgedCards();
    if (!localPurged)
        return fail(error, local);
    const auto otherPurged = other.purgedCards();
    if (!otherPurged)
        return fail(error, other);
    // Each copy learns the other's deletions for ever, so that a third copy cannot bring them back either.
    QHash<QString, qint64> purged = *localPurged;
    for (auto it = otherPurged->cbegin(); it != otherPurged->cend(); ++it)
        purged[it.key()] = std::max(purged.value(it.key()), it.value());

    SyncMerger merger(std::move(*localCards), std::move(*syncCards));
    merger.setPurged(*localPurged, *otherPurged);
    if (toLocal && !(local.deleteAllCards() && local.recordPurged(purged)))
        return fail(error, local);
    if (toOther && !(other.deleteAllCards() && other.recordPurged(purged)))
        return fail(error, other);
    if (!merger.run(toLocal ? &local : nullptr, toOther ? &other : nullptr)) {
        const bool localFailed = local.lastError().isError();
        return fail(error, localFailed ? local : other);
    }
    if (!otherWrite.commit())
        return fail(error, other);
    return localWrite.commit() || fail(error, local);
}

std::unique_ptr<CardDb> WalletMerge::openOther(const QString &path, const QString &password, const QString &newPassword,
                                               bool *created, WalletError *error)
{
    *created = !QFileInfo::exists(path) && !QFileInfo(path).isSymLink();
    return CardDb::openOrCreate(path, *created ? newPassword : password, error);
}
