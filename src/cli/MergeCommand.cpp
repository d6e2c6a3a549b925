#include "cli/MergeCommand.h"

#include "cli/Console.h"
#include "cli/Invocation.h"
#include "cli/PasswordPrompt.h"
#include "cli/WalletAccess.h"
#include "store/CardDb.h"
#include "store/FileOps.h"
#include "sync/WalletMerge.h"

#include <QFileInfo>

namespace {

bool sameFile(const QString &a, const QString &b)
{
    const QFileInfo first(a);
    const QFileInfo second(b);
    if (first.exists() && second.exists())
        return first.canonicalFilePath() == second.canonicalFilePath();
    return first.absoluteFilePath() == second.absoluteFilePath();
}

} // namespace

QVector<Command> MergeCommand::commands()
{
    return {
        {QStringLiteral("merge"),
         QStringLiteral("WALLET OTHER"),
         tr("Merge WALLET with OTHER, another copy of it; afterwards both hold the merged cards."),
         tr("Cards pair by identity, then by content; the newer side wins card by card and field by field.\n"
            "WALLET keeps its password and identity, OTHER its password. When OTHER does not exist yet it\n"
            "is created, with a new password asked twice. Passwords are asked in this order: WALLET's,\n"
            "then OTHER's. On a failure neither file changes."),
         2,
         2,
         {},
         &MergeCommand::merge},
    };
}

int MergeCommand::merge(const Invocation &call)
{
    const QString walletPath = call.argument(0);
    const QString otherPath = call.argument(1);
    Console &console = call.console();
    if (sameFile(walletPath, otherPath))
        return call.usageError(tr("WALLET and OTHER are the same file"));
    if (!WalletAccess::check(walletPath, WalletAccess::ForWriting, console))
        return ExitFailure;
    const bool otherExists = QFileInfo::exists(otherPath);
    if (otherExists && !WalletAccess::check(otherPath, WalletAccess::ForWriting, console))
        return ExitFailure;
    if (!otherExists && !QFileInfo(QFileInfo(otherPath).absolutePath()).isDir())
        return console.fail(otherPath, tr("no such folder"));

    const auto local = WalletAccess::unlock(walletPath, call.passwords(), console);
    if (!local)
        return ExitFailure;
    QString otherPassword;
    QString newOtherPassword;
    if (otherExists) {
        // Tried here, so a wrong password is reported as for any other wallet.
        const auto other = WalletAccess::unlock(otherPath, call.passwords(), console, &otherPassword);
        if (!other)
            return ExitFailure;
        other->close();
    } else {
        QString error;
        const std::optional<QString> chosen
            = call.passwords().askNew(tr("Password for the new copy %1: ").arg(otherPath), &error);
        if (!chosen)
            return console.fail(otherPath, error);
        newOtherPassword = *chosen;
    }

    QString error;
    if (!WalletMerge::stage(*local, otherPath, otherPassword, newOtherPassword, &error)) {
        console.error(tr("merge failed: %1").arg(error));
        return ExitFailure;
    }
    local->close();
    return replaceBoth(walletPath, otherPath, call);
}

// Each replacement is atomic. Should the wallet's fail after the other copy's, the other copy already
// holds every card of the wallet, and merging again brings the wallet up to date.
int MergeCommand::replaceBoth(const QString &walletPath, const QString &otherPath, const Invocation &call)
{
    QString error;
    if (!FileOps::replaceAtomically(FileOps::stagingPath(otherPath), otherPath, &error)) {
        WalletMerge::discard(walletPath, otherPath);
        call.console().error(tr("merge failed: %1; neither file changed").arg(error));
        return ExitFailure;
    }
    if (!FileOps::replaceAtomically(FileOps::stagingPath(walletPath), walletPath, &error)) {
        WalletMerge::discard(walletPath, otherPath);
        call.console().error(tr("merge failed: %1; %2 holds the merged cards, merge again to bring %3 up to date")
                                 .arg(error, otherPath, walletPath));
        return ExitFailure;
    }
    return ExitSuccess;
}
