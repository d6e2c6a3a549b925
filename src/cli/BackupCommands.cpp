#include "cli/Commands.h"

#include "cli/Console.h"
#include "cli/Invocation.h"
#include "cli/WalletAccess.h"
#include "store/CardDb.h"
#include "store/WalletBackups.h"

QVector<Command> BackupCommands::commands()
{
    return {
        {QStringLiteral("backups"),
         {"WALLET"},
         {},
         tr("List the backups kept of WALLET, newest first: time, number of live cards, path."),
         tr("A backup is kept before a password change, an import, a restore, and a merge or sync that\n"
            "changes the wallet; the last %1 of each wallet are kept in %2.")
             .arg(WalletBackups::kept)
             .arg(WalletBackups::folder()),
         WalletUse::None,
         &BackupCommands::list},
        {QStringLiteral("restore-backup"),
         {"WALLET", "BACKUP"},
         {},
         tr("Put the cards of BACKUP in place of WALLET's; WALLET as it was becomes a backup."),
         tr("WALLET keeps its password. BACKUP's password is asked only when it differs from WALLET's; the\n"
            "key file --key-file names goes for both."),
         WalletUse::Writing,
         &BackupCommands::restore,
         &BackupCommands::checkBackup,
         false},
    };
}

int BackupCommands::list(const Invocation &call)
{
    for (const WalletBackup &backup : WalletBackups::list(call.argument(0))) {
        const QString cards = backup.cardCount < 0 ? tr("unreadable") : QString::number(backup.cardCount);
        call.console().print(
            QStringLiteral("%1\t%2\t%3\n")
                .arg(backup.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), cards, backup.path));
    }
    return ExitSuccess;
}

int BackupCommands::checkBackup(const Invocation &call)
{
    return WalletAccess::check(call.argument(1), WalletUse::Reading, call.console()) ? ExitSuccess : ExitFailure;
}

int BackupCommands::restore(const Invocation &call)
{
    const QString backupPath = call.argument(1);
    auto backup = CardDb::openWithKey(backupPath, call.wallet().key());
    if (!backup) {
        const QString keyFile = call.value(WalletAccess::keyFileName);
        backup = WalletAccess::unlock(backupPath, keyFile, call.passwords(), call.console()).store;
    }
    if (!backup)
        return ExitFailure;
    const WalletError error = WalletBackups::restore(call.wallet(), *backup);
    return error.isError() ? call.console().fail(call.argument(0), error.message()) : ExitSuccess;
}
