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

UnlockedWallet WalletAccess::unlock(const QString &path, PasswordPrompt &passwords, Console &console)
{
    const std::optional<QString> given = passwords.ask(tr("Password for %1: ").arg(path));
    if (!given) {
        console.fail(path, tr("no password given"));
        return {};
    }
    WalletError error;
    UnlockedWallet unlocked{CardDb::open(path, *given, &error), *given};
    if (!unlocked.store)
        console.fail(path, error.message());
    return unlocked;
}
