#pragma once

#include "store/WalletError.h"
#include "sync/WalletMerge.h"

#include <QCoreApplication>
#include <QStringList>
#include <QVector>

class CardDb;

// Keeps a wallet in step with its copy in a folder that a file-syncing tool shares between devices:
// merges the conflict copies the tool left beside that copy into the wallet, then the wallet and the
// copy both ways, and moves the merged conflict copies to the backups folder. The wallet is backed up
// before it first changes, and nothing is written to it unless the whole merge succeeds.
class FileSync
{
    Q_DECLARE_TR_FUNCTIONS(FileSync)

public:
    struct Report
    {
        int received = 0;
        int sent = 0;
        int conflictCopiesMerged = 0;
        struct LeftCopy
        {
            QString path;
            WalletError reason;
        };
        // Conflict copies left in place: links and other files that are no regular file, copies under
        // another password, damaged ones (whatever could be read of them was merged), failed moves.
        QVector<LeftCopy> conflictCopiesLeft;

        void leave(const QString &path, const WalletError &reason);
    };

    // Conflict copies open with the copy's key, as they are versions of that file.
    static bool run(CardDb &wallet, CardDb &copy, Report *report, WalletError *error = nullptr);

private:
    // Merges one conflict copy into the wallet, or what can be read of it, saying in left why it has to
    // stay where it is. False, with error, only when the merge failed, which dooms the whole sync.
    static bool mergeConflictCopy(CardDb &wallet, const CardDb &copy, const QString &path,
                                  const WalletMerge::BeforeLocalWrite &backUp, int *received, WalletError *left,
                                  WalletError *error);
};
