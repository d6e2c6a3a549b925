#include "cli/WalletAccess.h"

#include "cli/Console.h"
#include "cli/PasswordPrompt.h"
#include "store/CardDb.h"
#include "store/FileOps.h"

bool WalletAccess::check(const QString &path, WalletUse use, Console &console)
{
    WalletError problem = CardDb::probe(path);
    if (!problem.isError() && use == WalletUse::Writing && !FileOps::isWritableFile(path))
        problem = WalletError(WalletError::ReadOnly);
    if (!problem.isError())
        return true;
    console.fail(path, problem.message());
    return false;
}

std::unique_ptr<CardDb> WalletAccess::unlock(const QString &path, PasswordPrompt &passwords, Console &console,
                                             QString *password)
{
    const std::optional<QString> given = passwords.ask(tr("Password for %1: ").arg(path));
    if (!given) {
        console.fail(path, tr("no password given"));
        return nullptr;
    }
    WalletError error;
    std::unique_ptr<CardDb> store = CardDb::open(path, *given, &error);
    if (!store) {
        console.fail(path, error.message());
        return nullptr;
    }
    if (password)
        *password = *given;
    return store;
}
