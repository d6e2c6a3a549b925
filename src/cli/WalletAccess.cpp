#include "cli/WalletAccess.h"

#include "cli/Console.h"
#include "cli/PasswordPrompt.h"
#include "store/CardDb.h"
#include "store/FileOps.h"

const QString WalletAccess::keyFileName = QStringLiteral("key-file");

QCommandLineOption WalletAccess::keyFileOption()
{
    return QCommandLineOption(keyFileName, tr("the key file the wallet requires besides its password"),
                              QStringLiteral("FILE"));
}

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

UnlockedWallet WalletAccess::unlock(const QString &path, const QString &keyFilePath, PasswordPrompt &passwords,
                                    Console &console)
{
    UnlockedWallet unlocked;
    WalletError error;
    if (!keyFilePath.isEmpty())
        error = KeyFile::read(keyFilePath, &unlocked.credentials.keyFile);
    if (error.isError()) {
        console.fail(path, error.message());
        return {};
    }
    const std::optional<QString> given = passwords.ask(tr("Password for %1: ").arg(path));
    if (!given) {
        console.fail(path, tr("no password given"));
        return {};
    }
    unlocked.credentials.password = *given;
    unlocked.store = CardDb::open(path, unlocked.credentials, &error);
    if (!unlocked.store)
        console.fail(path, error.message());
    return unlocked;
}
