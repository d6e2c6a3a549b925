#pragma once

#include "cli/Command.h"
#include "store/WalletCredentials.h"

#include <QCommandLineOption>
#include <QCoreApplication>
#include <QString>

#include <memory>

class CardDb;
class Console;
class PasswordPrompt;

// A wallet opened with the credentials asked for it, kept for commands that need them again.
struct UnlockedWallet
{
    std::unique_ptr<CardDb> store;
    WalletCredentials credentials;
};

// Opens the wallets named on the command line. Every file is checked before it is opened, since opening
// creates a wallet where there is none and would write into a file of another kind.
class WalletAccess
{
    Q_DECLARE_TR_FUNCTIONS(WalletAccess)

public:
    // --key-file FILE, which every command that opens a wallet takes.
    static const QString keyFileName;
    static QCommandLineOption keyFileOption();

    // Whether the file is a wallet this program can open, and change when it is to; reports why not.
    static bool check(const QString &path, WalletUse use, Console &console);
    // Reads the key file (none when keyFilePath is empty), asks the wallet's password and opens it with
    // both; reports a failure and gives no store.
    static UnlockedWallet unlock(const QString &path, const QString &keyFilePath, PasswordPrompt &passwords,
                                 Console &console);
};
