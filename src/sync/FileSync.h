#pragma once

#include "store/WalletError.h"

#include <QCoreApplication>
#include <QStringList>

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
        // Conflict copies that could not be merged (another password, damaged) or moved, left in place.
        QStringList conflictCopiesLeft;
    };

    // Conflict copies open with the copy's key, as they are versions of that file.
    static bool run(CardDb &wallet, CardDb &copy, Report *report, WalletError *error = nullptr);
};
