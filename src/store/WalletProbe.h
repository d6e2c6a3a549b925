#pragma once

#include "store/WalletError.h"

#include <QCoreApplication>
#include <QString>

// Looks at a file before any password is asked: is it a wallet this program can open, and if not,
// why. Uses its own short-lived SQLite connection, which never creates a file.
class WalletProbe
{
    Q_DECLARE_TR_FUNCTIONS(WalletProbe)

public:
    enum Depth { IdentityOnly, EveryPage };

    static WalletError examine(const QString &path, Depth depth);
};
