#pragma once

#include <QCoreApplication>
#include <QString>

class WalletSql;

// A byte-for-byte copy of an open wallet file, read through the file handle SQLite holds and under the
// lock its connection holds: no card is decrypted, and no second descriptor of the wallet is opened
// (closing one would drop the POSIX locks SQLite holds on the file for the whole process). SQLite's own
// copies cannot serve: its online backup refuses a source inside a write transaction, and VACUUM INTO
// any transaction, while a backup is kept inside the transaction of the rewrite that follows it.
class WalletFileCopy
{
    Q_DECLARE_TR_FUNCTIONS(WalletFileCopy)

public:
    explicit WalletFileCopy(WalletSql &sql);

    // Whether the file alone holds the wallet: false in write-ahead-log mode, where committed pages
    // may still stand in the log beside it.
    bool isPossible();
    // Writes the copy to target (replacing it atomically), readable by its owner only; refuses a file
    // whose pages SQLite finds damaged. Inside a transaction only before it writes anything: until it
    // commits, its pages may be half on disk.
    bool copyTo(const QString &target);

private:
    bool pagesIntact();
    bool writeInto(const QString &staged);

    WalletSql &m_sql;
};
