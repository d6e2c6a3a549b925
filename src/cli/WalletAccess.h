#pragma once

#include "cli/Command.h"

#include <QCoreApplication>
#include <QString>

#include <memory>

class CardDb;
class Console;
class PasswordPrompt;

// A wallet opened with a password asked for it, and that password for commands that need it again.
struct UnlockedWallet
{
    std::unique_ptr<CardDb> store;
    QString password;
};

// Opens the wallets named on the command line. Every file is checked before it is opened, since opening
// creates a wallet where there is none and would write into a file of another kind.
class WalletAccess
{
    Q_DECLARE_TR_FUNCTIONS(WalletAccess)

public:
    // Whether the file is a wallet this program can open, and change when it is to; reports why not.
    static bool check(const QString &path, WalletUse use, Console &console);
    // Asks the wallet's password and opens it; reports a failure and gives no store.
    static UnlockedWallet unlock(const QString &path, PasswordPrompt &passwords, Console &console);
};
