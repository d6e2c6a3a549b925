#pragma once

#include "store/WalletError.h"
#include "store/WalletFormat.h"

#include <QCoreApplication>
#include <QString>

class QSqlDatabase;

// Looks at a file before any password is asked: is it a wallet this program can open, and if not,
// why. A probe of a path uses a short-lived SQLite connection of its own, which never creates a file.
class WalletProbe
{
    Q_DECLARE_TR_FUNCTIONS(WalletProbe)

public:
    static WalletError examine(const QString &path, WalletFormat::ProbeDepth depth);
    // What the file checks say before any connection is opened: missing, not a file, unreadable, or an
    // interrupted write that only a writable connection could roll back.
    static WalletError fileProblem(const QString &path);
    // What is wrong with the identity row of a wallet of a known version; empty when it is sound.
    static QString identityProblem(int version, const QByteArray &hash, const QByteArray &info);
    // The checks of examine() on a connection already open to the file.
    static WalletError examineConnection(const QSqlDatabase &db, WalletFormat::ProbeDepth depth);
};
