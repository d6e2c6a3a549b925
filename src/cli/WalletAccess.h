#pragma once

#include "cli/Command.h"

#include <QCoreApplication>
#include <QString>

#include <memory>

class CardDb;
class Console;
class PasswordPrompt;

// Opens the wallets named on the command line. Every file is checked before it is opened, since opening
// creates a wallet where there is none and would write into a file of another kind.
class WalletAccess
{
    Q_DECLARE_TR_FUNCTIONS(WalletAccess)

public:
    // Whether the file is a wallet this program can open, and change when it is to; reports why not.
    static bool check(const QString &path, WalletUse use, Console &console);
    // Asks the wallet's password and opens it; reports a failure and gives none. The password is handed
    // back for commands that need it again.
    static std::unique_ptr<CardDb> unlock(const QString &path, PasswordPrompt &passwords, Console &console,
                                          QString *password = nullptr);
};
