#pragma once

#include "store/PreparedStatement.h"
#include "store/ThreadConnections.h"
#include "store/WalletError.h"

#include <QCoreApplication>
#include <QString>
#include <QVariant>

#include <functional>

class CardDb;
struct sqlite3;

// The SQLite side of one wallet: its connections, the statements run on them, the transactions that
// group writes, and why the last call failed. Used by one thread at a time.
class WalletSql
{
    // Translated as the store's messages.
    Q_DECLARE_TR_FUNCTIONS(CardDb)

public:
    class ReadSnapshot;

    WalletSql(const QString &path, bool readOnly);

    ThreadConnections &connections() { return m_connections; }
    const ThreadConnections &connections() const { return m_connections; }
    // SQLite's handle behind the calling thread's connection; none, with lastError() saying why, when
    // the wallet is closed.
    sqlite3 *handle();
    WalletError lastError() const { return m_lastError; }
    bool fail(const WalletError &error);
    bool failSql(const QSqlQuery &query, bool writing);

    // Runs one statement with values bound in order; none, with lastError() saying why, when it fails.
    PreparedStatement run(const QString &sql, const QVariantList &values = {});
    // One write statement, inside the running transaction or a transaction of its own.
    bool write(const QString &sql, const QVariantList &values = {});
    // One write of an existing row, which fails as CardGone when no row matches.
    bool writeRow(const QString &sql, const QVariantList &values);
    // Changes whenever another connection commits a change to the file; -1 on an error.
    qint64 outsideChanges();

    // What every transaction and read snapshot checks first, once the wallet's identity is known: that
    // no other program changed the password since.
    void setIdentityCheck(std::function<bool()> identityUnchanged);
    bool inTransaction() const { return m_transactionDepth > 0; }
    // Whether the running transaction has written anything yet.
    bool hasWritten() const { return m_transactionWritten; }
    // The first begin takes the file's write lock (other writers wait, then fail as busy); nested begins
    // join it, and any failed write inside dooms it.
    bool beginTransaction();
    bool commitTransaction();
    bool rollbackTransaction();

private:
    bool writeInTransaction(const QString &sql, const QVariantList &values);
    void rollbackKeepingError();
    void setCache(const QString &pragma);

    ThreadConnections m_connections;
    WalletError m_lastError;
    std::function<bool()> m_identityUnchanged;
    int m_transactionDepth = 0;
    bool m_transactionDoomed = false;
    bool m_transactionWritten = false;
};

// Reads that decrypt run in one snapshot of the file that starts with the identity, so that a card
// written meanwhile under a password another program set is told apart from a damaged one. Inside a
// transaction the identity was checked when it began.
class WalletSql::ReadSnapshot
{
public:
    explicit ReadSnapshot(WalletSql &sql);
    ~ReadSnapshot();
    ReadSnapshot(const ReadSnapshot &) = delete;
    ReadSnapshot &operator=(const ReadSnapshot &) = delete;

    bool isValid() const { return m_valid; }

private:
    WalletSql &m_sql;
    const bool m_own;
    const bool m_begun;
    const bool m_valid;
};

// Rolls back on destruction unless committed, so an early return never leaves half of a bulk write.
class CardDbTransaction
{
public:
    explicit CardDbTransaction(CardDb &store);
    explicit CardDbTransaction(WalletSql &sql);
    ~CardDbTransaction();
    CardDbTransaction(const CardDbTransaction &) = delete;
    CardDbTransaction &operator=(const CardDbTransaction &) = delete;

    bool isActive() const { return m_active; }
    Q_REQUIRED_RESULT bool commit();

private:
    WalletSql &m_sql;
    bool m_active;
};
