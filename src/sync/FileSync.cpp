#include "sync/FileSync.h"

#include "store/CardDb.h"
#include "store/FileOps.h"
#include "store/WalletBackups.h"
#include "sync/ConflictCopies.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <memory>

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
    const WalletMerge::BeforeLocalWrite backUpOnce = [&backedUp](CardDb &store) {
        if (backedUp)
            return WalletError();
        backedUp = true;
        return WalletBackups::keep(store);
    };

    // One conflict copy at a time, each closed before the next, however many the tool left.
    QStringList merged;
    for (const QString &path : ConflictCopies::of(copy.path())) {
        WalletError left;
        if (!mergeConflictCopy(wallet, copy, path, backUpOnce, &report->received, &left, error))
            return false;
        if (left.isError())
            report->leave(path, left);
        else
            merged.append(path);
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
    for (const QString &path : qAsConst(merged)) {
        const WalletError notMoved = WalletBackups::moveIn(path);
        if (notMoved.isError())
            report->leave(path, notMoved);
        else
            ++report->conflictCopiesMerged;
    }
    return true;
}

bool FileSync::mergeConflictCopy(CardDb &wallet, const CardDb &copy, const QString &path,
                                 const WalletMerge::BeforeLocalWrite &backUp, int *received, WalletError *left,
                                 WalletError *error)
{
    // A link may lead anywhere, to the wallet itself too.
    if (QFileInfo(path).isSymLink()) {
        *left = WalletError(WalletError::NotAFile, tr("a symbolic link"));
        return true;
    }
    *left = FileOps::fileProblem(path);
    if (left->isError())
        return true;
    std::unique_ptr<QTemporaryDir> rescue;
    auto conflictCopy = CardDb::openWithKey(path, copy.key(), left);
    if (!conflictCopy) {
        if (left->kind() == WalletError::PasswordChanged) {
            *left = WalletError(WalletError::WrongPassword,
                                tr("it does not open with the password of %1").arg(copy.path()));
        }
        return true;
    }
    // A merge that fails inside the wallet's transaction dooms it, so the copy is first read whole. What
    // can be read of a damaged one is rescued into a file of its own and merged from there; the copy
    // stays where it is, named with the damage.
    if (!conflictCopy->allCards()) {
        *left = conflictCopy->lastError();
        rescue = std::make_unique<QTemporaryDir>();
        const QString rescued = rescue->filePath(QStringLiteral("rescued.tessera"));
        if (left->kind() != WalletError::Damaged || !rescue->isValid() || !conflictCopy->saveCopy(rescued))
            return true;
        conflictCopy = CardDb::openWithKey(rescued, copy.key());
        if (!conflictCopy || !conflictCopy->allCards())
            return true;
    }
    WalletMerge::Outcome outcome;
    if (!WalletMerge::merge(wallet, *conflictCopy, WalletMerge::LocalCopyOnly, error, &outcome, backUp))
        return false;
    *received += outcome.received;
    return true;
}

void FileSync::Report::leave(const QString &path, const WalletError &reason)
{
    conflictCopiesLeft.append({path, reason});
}
