#include "cli/Commands.h"

#include "cli/Console.h"
#include "cli/Invocation.h"
#include "cli/PasswordPrompt.h"
#include "store/CardDb.h"
#include "store/WalletBackups.h"
#include <QFileInfo>

QVector<Command> WalletCommands::commands()
{
    return {
        {QStringLiteral("create"),
         {"WALLET"},
         {},
         tr("Create a new wallet; its password is asked twice."),
         tr("WALLET must not exist yet."),
         WalletUse::None,
         &WalletCommands::create,
         nullptr,
         false},
        {QStringLiteral("check"),
         {"WALLET"},
         {},
         tr("Print what WALLET is: ok, newer, invalid, unsupported, locked or damaged."),
         tr("Asks no password, and reads every page of the file. The exit code is 0 only for ok."),
         WalletUse::None,
         &WalletCommands::check},
        {QStringLiteral("passwd"),
         {"WALLET"},
         {},
         tr("Change the password: the old one is asked once, the new one twice."),
         QString(),
         WalletUse::Writing,
         &WalletCommands::changePassword,
         nullptr,
         false},
    };
}

int WalletCommands::create(const Invocation &call)
{
    const QString path = call.argument(0);
    Console &console = call.console();
    if (QFileInfo::exists(path) || QFileInfo(path).isSymLink())
        return console.fail(path, tr("file exists; a new wallet needs a new name"));
    if (!QFileInfo(QFileInfo(path).absolutePath()).isDir())
        return console.fail(path, tr("no such folder"));
    QString error;
    const std::optional<QString> password
        = call.passwords().askNew(tr("Password for the new wallet %1: ").arg(path), &error);
    if (!password)
        return console.fail(path, error);
    WalletError problem;
    if (!CardDb::create(path, *password, &problem))
        return console.fail(path, problem.message());
    return ExitSuccess;
}

namespace {

QString statusWord(WalletError::Kind kind)
{
    switch (kind) {
    case WalletError::None:
        return QStringLiteral("ok");
    case WalletError::NewerFormat:
        return QStringLiteral("newer");
    case WalletError::OlderFormat:
        return QStringLiteral("unsupported");
    case WalletError::Busy:
        return QStringLiteral("locked");
    case WalletError::Damaged:
    case WalletError::ReadOnly:
        return QStringLiteral("damaged");
    default:
        return QStringLiteral("invalid");
    }
}

} // namespace

int WalletCommands::check(const Invocation &call)
{
    const QString path = call.argument(0);
    const WalletError problem = CardDb::probe(path, CardDb::EveryPage);
    call.console().print(statusWord(problem.kind()) + QLatin1Char('\n'));
    if (!problem.isError())
        return ExitSuccess;
    return call.console().fail(path, problem.message());
}

int WalletCommands::changePassword(const Invocation &call)
{
    const QString path = call.argument(0);
    Console &console = call.console();
    QString error;
    const std::optional<QString> newPassword = call.passwords().askNew(tr("New password for %1: ").arg(path), &error);
    if (!newPassword)
        return console.fail(path, error);
    if (const WalletError kept = WalletBackups::keep(call.wallet()); kept.isError())
        return console.fail(path, tr("no backup could be kept: %1").arg(kept.message()));
    if (!call.wallet().changePassword(call.walletPassword(), *newPassword))
        return console.fail(path,
                            tr("%1; the old password is still in force").arg(call.wallet().lastError().message()));
    return ExitSuccess;
}
