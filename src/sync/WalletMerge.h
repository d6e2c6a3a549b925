#pragma once

#include "store/NewWalletOptions.h"
#include "store/WalletCredentials.h"
#include "store/WalletError.h"

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <memory>

class CardDb;

// Merges an open wallet with another copy of it (a copy in a synced folder, the cloud's copy, any other
// file) card by card, writing into each file only the rows that differ from the result. Each file is
// written in one transaction that holds it against other writers from the first read to the commit,
// so a card another program adds meanwhile waits and is never lost; a merge that would have to read
// an unreadable card is refused.
class WalletMerge
{
    Q_DECLARE_TR_FUNCTIONS(WalletMerge)

public:
    enum Targets { BothCopies, OtherCopyOnly, LocalCopyOnly };

    // How many rows each copy took: cards received into the local copy, and sent to the other.
    struct Outcome
    {
        int received = 0;
        int sent = 0;
    };
    // Runs inside the local copy's transaction just before the merge first writes to it (a backup):
    // an error stops the merge with nothing written.
    using BeforeLocalWrite = std::function<WalletError(CardDb &local)>;

    // Merges two open copies into the targets. On failure nothing is written, except that when the
    // second commit fails the first copy already holds the merge (merging again completes it).
    static bool merge(CardDb &local, CardDb &other, Targets targets, WalletError *error = nullptr,
                      Outcome *outcome = nullptr, const BeforeLocalWrite &beforeLocalWrite = {});

    // Opens the other copy with its credentials, or creates it with newCredentials and newOptions when no
    // file is there. Created tells the caller which happened, so that it can remove a copy it made for
    // nothing. The copies may be of either format; each keeps its own.
    static std::unique_ptr<CardDb> openOther(const QString &path, const WalletCredentials &credentials,
                                             const WalletCredentials &newCredentials,
                                             const NewWalletOptions &newOptions, bool *created,
                                             WalletError *error = nullptr);
    // With passwords only; a copy created is compatible (version 2), as the phone reads it.
    static std::unique_ptr<CardDb> openOther(const QString &path, const QString &password, const QString &newPassword,
                                             bool *created, WalletError *error = nullptr);
};
