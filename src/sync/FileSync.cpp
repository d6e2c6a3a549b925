#include "sync/FileSync.h"

#include "store/CardDb.h"
#include "store/WalletBackups.h"
#include "sync/ConflictCopies.h"
#include "sync/WalletMerge.h"

#include <memory>
#include <vector>

bool FileSync::run(CardDb &wallet, CardDb &copy, Report *report, WalletError *error)
{
    *report = Report();
    CardDbTransaction walletWrite(wallet);
    if (!walletWrite.isActive()) {
        if (error)
            *error = wallet.lastError();
        return false;
    }
    bool backedUp = false;
    const auto backUpOnce = [&backedUp](CardDb &store) {
        if (backedUp)
            return WalletError();
        backedUp = true;
        return WalletBackups::keep(store);
    };

    // A merge that fails inside the wallet's transaction dooms it, so a conflict copy is first read
    // whole: one that does not open with the copy's key or read completely is only left out.
    std::vector<std::pair<QString, std::unique_ptr<CardDb>>> merged;
    for (const QString &path : ConflictCopies::of(copy.path())) {
        auto conflictCopy = CardDb::openWithKey(path, copy.key());
        if (!conflictCopy || !conflictCopy->allCards()) {
            report->conflictCopiesLeft.append(path);
            continue;
        }
        WalletMerge::Outcome outcome;
        if (!WalletMerge::merge(wallet, *conflictCopy, WalletMerge::LocalCopyOnly, error, &outcome, backUpOnce))
            return false;
        report->received += outcome.received;
        merged.emplace_back(path, std::move(conflictCopy));
    }

    WalletMerge::Outcome outcome;
    if (!WalletMerge::merge(wallet, copy, WalletMerge::BothCopies, error, &outcome, backUpOnce))
        return false;
    if (!walletWrite.commit()) {
        if (error)
            *error = wallet.lastError();
        return false;
    }
    report->received += outcome.received;
    report->sent = outcome.sent;
    for (auto &[path, store] : merged) {
        store.reset();
        if (WalletBackups::moveIn(path).isError())
            report->conflictCopiesLeft.append(path);
        else
            ++report->conflictCopiesMerged;
    }
    return true;
}
