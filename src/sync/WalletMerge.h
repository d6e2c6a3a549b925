#pragma once

#include "store/WalletError.h"

#include <QCoreApplication>
#include <QString>

#include <memory>

class CardDb;

// Merges an open wallet with another copy of it (a copy in a synced folder, the cloud's copy, any other
// file) card by card, writing the result into the files themselves. Each file is written in one
// transaction that holds it against other writers from the first read to the commit, so a card another
// program adds meanwhile waits and is never lost; a wallet with unreadable cards is refused.
class WalletMerge
{
    Q_DECLARE_TR_FUNCTIONS(WalletMerge)

public:
    enum Targets { BothCopies, OtherCopyOnly, LocalCopyOnly };

    // Merges two open copies into the targets. On failure nothing is written, except that when the
    // second commit fails the first copy already holds the merge (merging again completes it).
    static bool merge(CardDb &local, CardDb &other, Targets targets, WalletError *error = nullptr);

    // Opens the other copy with its password, or creates it under newPassword when no file is there.
    // Created tells the caller which happened, so that it can remove a copy it made for nothing.
    static std::unique_ptr<CardDb> openOther(const QString &path, const QString &password, const QString &newPassword,
                                             bool *created, WalletError *error = nullptr);
};
