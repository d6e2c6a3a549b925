#pragma once

#include "store/WalletError.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// What unlocks a wallet: its password and, for a version-3 wallet that requires one, a key file.
struct WalletCredentials
{
    QString password;
    // The key file's bytes; empty = none.
    QByteArray keyFile;
};

// Key files: any file's bytes take part in the key. A new one is 64 random bytes.
class KeyFile
{
    Q_DECLARE_TR_FUNCTIONS(CardDb)

public:
    static constexpr int newSize = 64;

    // Reads the key file at path into bytes. A file that is missing, unreadable or empty fails as a
    // wrong password would, saying why.
    static WalletError read(const QString &path, QByteArray *bytes);
    // Writes a new key file at path, which must not exist, readable and writable by its owner only.
    static WalletError create(const QString &path);
};
