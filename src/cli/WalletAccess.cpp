#include "cli/WalletAccess.h"

#include "cli/Console.h"
#include "cli/PasswordPrompt.h"
#include "store/CardDb.h"
#include "store/FileOps.h"

#include <QFileInfo>

bool WalletAccess::check(const QString &path, Intent intent, Console &console)
{
    const QFileInfo file(path);
    QString problem;
    if (!file.exists())
        problem = tr("no such file");
    else if (file.isDir())
        problem = tr("is a folder, not a wallet");
    else {
        switch (CardDb::checkDatabase(path)) {
        case StatusOk:
            if (intent == ForWriting && !FileOps::isWritableFile(path))
                problem = tr("file is read-only");
            break;
        case StatusNewer:
            problem = tr("newer wallet version; update Tessera to open it");
            break;
        case StatusInvalid:
            problem = tr("not a Tessera wallet");
            break;
        case StatusUnsupported:
            problem = tr("unsupported (older) wallet version");
            break;
        case StatusLocked:
            problem = tr("file is locked");
            break;
        }
    }
    if (problem.isEmpty())
        return true;
    console.fail(path, problem);
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
    std::unique_ptr<CardDb> store = CardDb::open(path, *given);
    if (!store) {
        // The file passed its check a moment ago: a lock taken since is the only other reason.
        console.fail(path, CardDb::checkDatabase(path) == StatusLocked ? tr("file is locked") : tr("wrong password"));
        return nullptr;
    }
    if (password)
        *password = *given;
    return store;
}

std::unique_ptr<CardDb> WalletAccess::open(const QString &path, Intent intent, PasswordPrompt &passwords,
                                           Console &console)
{
    return check(path, intent, console) ? unlock(path, passwords, console) : nullptr;
}
