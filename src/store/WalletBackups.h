#pragma once

#include "store/WalletError.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>
#include <QVector>

class CardDb;

// One kept copy of a wallet.
struct WalletBackup
{
    QString path;
    QDateTime time;
    // Live cards; -1 when the copy cannot be read.
    int cardCount = -1;
};

// The copies kept of each wallet before something rewrites much of it (a password change, a merge
// that changes it, an import, a restore): the newest few per wallet, in one folder of the user's data,
// named after the wallet with the time they were made, readable by their owner only. A backup belongs to
// the wallet whose identity it holds, so wallets of the same name elsewhere keep backups of their own.
class WalletBackups
{
    Q_DECLARE_TR_FUNCTIONS(WalletBackups)

public:
    static constexpr int kept = 5;

    static QString folder();
    // Copies the open wallet into the folder through its store (one consistent state, even while
    // other programs write), then removes its oldest copies beyond the kept number.
    static WalletError keep(CardDb &wallet);
    // The copies of the wallet at walletPath, newest first; where its identity or a copy's cannot be
    // read, the copies named after it.
    static QVector<WalletBackup> list(const QString &walletPath);
    // Puts the cards of an open backup in the place of the wallet's, under the wallet's own password,
    // after keeping the wallet as it was; in one transaction, so a failure changes nothing and removes
    // no backup. The restore is an edit made now: what it changes wins the next merge with other copies,
    // and the wallet's cards that the backup lacks go to the trash. The backup restored is never rotated
    // away.
    static WalletError restore(CardDb &wallet, CardDb &backup);
    // Moves a file into the folder under its own name (made unique), readable by its owner only.
    static WalletError moveIn(const QString &path, QString *movedTo = nullptr);
};
