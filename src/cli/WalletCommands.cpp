#include "cli/WalletCommands.h"

#include "cli/Console.h"
#include "cli/Invocation.h"
#include "cli/PasswordPrompt.h"
#include "cli/WalletAccess.h"
#include "store/CardDb.h"
#include "store/FileOps.h"

#include <QFile>
#include <QFileInfo>

QVector<Command> WalletCommands::commands()
{
    return {
        {QStringLiteral("create"),
         QStringLiteral("WALLET"),
         tr("Create a new wallet; its password is asked twice."),
         tr("WALLET must not exist yet."),
         1,
         1,
         {},
         &WalletCommands::create},
        {QStringLiteral("check"),
         QStringLiteral("WALLET"),
         tr("Print what WALLET is: ok, newer, invalid, unsupported or locked."),
         tr("Asks no password. The exit code is 0 only for ok."),
         1,
         1,
         {},
         &WalletCommands::check},
        {QStringLiteral("passwd"),
         QStringLiteral("WALLET"),
         tr("Change the password: the old one is asked once, the new one twice."),
         QString(),
         1,
         1,
         {},
         &WalletCommands::changePassword},
    };
}

// The wallet is made beside its path and renamed into place, so no half-made wallet is ever there.
int WalletCommands::create(const Invocation &call)
{
    const QString path = call.argument(0);
    Console &console = call.console();
    if (QFileInfo::exists(path))
        return console.fail(path, tr("file exists; a new wallet needs a new name"));
    if (!QFileInfo(QFileInfo(path).absolutePath()).isDir())
        return console.fail(path, tr("no such folder"));
    QString error;
    const std::optional<QString> password
        = call.passwords().askNew(tr("Password for the new wallet %1: ").arg(path), &error);
    if (!password)
        return console.fail(path, error);

    const QString staged = FileOps::stagingPath(path);
    QFile::remove(staged);
    bool created = false;
    if (auto store = CardDb::open(staged, *password)) {
        store->close();
        created = true;
    }
    if (!created || !FileOps::replaceAtomically(staged, path, &error)) {
        QFile::remove(staged);
        return console.fail(path, error.isEmpty() ? tr("cannot create the wallet") : error);
    }
    return ExitSuccess;
}

int WalletCommands::check(const Invocation &call)
{
    const QString path = call.argument(0);
    static const char *const words[] = {"ok", "newer", "invalid", "unsupported", "locked"};
    const DatabaseStatus status = CardDb::checkDatabase(path);
    call.console().print(QLatin1String(words[status]) + QLatin1Char('\n'));
    if (!QFileInfo::exists(path))
        call.console().fail(path, tr("no such file"));
    return status == StatusOk ? ExitSuccess : ExitFailure;
}

int WalletCommands::changePassword(const Invocation &call)
{
    const QString path = call.argument(0);
    Console &console = call.console();
    if (!WalletAccess::check(path, WalletAccess::ForWriting, console))
        return ExitFailure;
    QString oldPassword;
    const std::unique_ptr<CardDb> store = WalletAccess::unlock(path, call.passwords(), console, &oldPassword);
    if (!store)
        return ExitFailure;
    QString error;
    const std::optional<QString> newPassword = call.passwords().askNew(tr("New password for %1: ").arg(path), &error);
    if (!newPassword)
        return console.fail(path, error);
    // Without a new store the change failed, unless the old one was closed: then the file was replaced
    // and only reopening it failed, which a command that ends here does not need.
    if (!store->changePassword(oldPassword, *newPassword) && store->isOpen())
        return console.fail(path, tr("the password could not be changed; the old one is still in force"));
    return ExitSuccess;
}
