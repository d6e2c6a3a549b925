#include "store/WalletSql.h"

#include <QSqlDatabase>

#include <utility>

namespace {

// A transaction may rewrite the whole wallet (a new password, a merge, an import, a restore): a page cache
// of SQLite's default 2 MB then reads a large file several times over and spills half-written pages
// before the commit. Its cache may grow to 64 MB, taken only as pages are read; single reads keep the default.
const QString bulkCache = QStringLiteral("PRAGMA cache_size = -65536");
const QString defaultCache = QStringLiteral("PRAGMA cache_size = -2000");

} // namespace

WalletSql::WalletSql(const QString &path, bool readOnly)
    : m_connections(path, readOnly)
{
}

bool WalletSql::fail(const WalletError &error)
{
    m_lastError = error;
    return false;
}

bool WalletSql::failSql(const QSqlQuery &query, bool writing)
{
    return fail(WalletError::fromSql(query.lastError(), writing));
}

sqlite3 *WalletSql::handle()
{
    sqlite3 *db = m_connections.handle();
    if (!db)
        fail(WalletError(WalletError::Unreadable, tr("the wallet is closed")));
    return db;
}

PreparedStatement WalletSql::run(const QString &sql, const QVariantList &values)
{
    QSqlQuery *query = m_connections.statement(sql);
    if (!query) {
        const QSqlDatabase db = m_connections.database();
        fail(db.isOpen() ? WalletError::fromSql(db.lastError(), false)
                         : WalletError(WalletError::Unreadable, tr("the wallet is closed")));
        return PreparedStatement();
    }
    for (int i = 0; i < values.size(); ++i)
        query->bindValue(i, values.at(i));
    if (query->exec())
        return PreparedStatement(query);
    failSql(*query, !sql.startsWith(QLatin1String("SELECT")));
    query->finish();
    return PreparedStatement();
}

bool WalletSql::write(const QString &sql, const QVariantList &values)
{
    if (m_transactionDepth > 0)
        return writeInTransaction(sql, values);
    CardDbTransaction transaction(*this);
    return transaction.isActive() && writeInTransaction(sql, values) && transaction.commit();
}

// A write that changes nothing because another program deleted or renumbered the row is a failure,
// never a silent success.
bool WalletSql::writeRow(const QString &sql, const QVariantList &values)
{
    if (m_transactionDepth == 0) {
        CardDbTransaction transaction(*this);
        return transaction.isActive() && writeRow(sql, values) && transaction.commit();
    }
    if (m_transactionDoomed)
        return false;
    const PreparedStatement statement = run(sql, values);
    m_transactionWritten = true;
    if (!statement) {
        m_transactionDoomed = true;
        return false;
    }
    return statement->numRowsAffected() > 0 || fail(WalletError(WalletError::CardGone));
}

// After one failed statement SQLite may already have rolled the whole transaction back, and later
// statements would then each commit on their own: nothing more is written once one write failed.
bool WalletSql::writeInTransaction(const QString &sql, const QVariantList &values)
{
    if (m_transactionDoomed)
        return false;
    m_transactionWritten = true;
    if (run(sql, values))
        return true;
    m_transactionDoomed = true;
    return false;
}

qint64 WalletSql::outsideChanges()
{
    PreparedStatement query = run(QStringLiteral("PRAGMA data_version"));
    return query && query->next() ? query->value(0).toLongLong() : -1;
}

void WalletSql::setIdentityCheck(std::function<bool()> identityUnchanged)
{
    m_identityUnchanged = std::move(identityUnchanged);
}

bool WalletSql::beginTransaction()
{
    if (m_transactionDepth > 0) {
        if (m_transactionDoomed)
            return false;
        ++m_transactionDepth;
        return true;
    }
    m_transactionDoomed = false;
    m_transactionWritten = false;
    m_lastError = WalletError();
    // A read-only file takes no write lock; its transaction only keeps reads consistent.
    if (!run(m_connections.isReadOnly() ? QStringLiteral("BEGIN") : QStringLiteral("BEGIN IMMEDIATE")))
        return false;
    if (m_identityUnchanged && !m_identityUnchanged()) {
        rollbackKeepingError();
        return false;
    }
    m_transactionDepth = 1;
    setCache(bulkCache);
    return true;
}

bool WalletSql::commitTransaction()
{
    if (m_transactionDepth == 0)
        return false;
    if (--m_transactionDepth > 0)
        return !m_transactionDoomed;
    if (!m_transactionDoomed && run(QStringLiteral("COMMIT"))) {
        setCache(defaultCache);
        return true;
    }
    rollbackKeepingError();
    setCache(defaultCache);
    return false;
}

void WalletSql::rollbackKeepingError()
{
    const WalletError reason = m_lastError;
    run(QStringLiteral("ROLLBACK"));
    m_lastError = reason;
}

// The cache size only speeds work up: a failure to set it is no error of the work.
void WalletSql::setCache(const QString &pragma)
{
    const WalletError kept = m_lastError;
    run(pragma);
    m_lastError = kept;
}

bool WalletSql::rollbackTransaction()
{
    if (m_transactionDepth == 0)
        return false;
    m_transactionDoomed = true;
    if (--m_transactionDepth == 0) {
        rollbackKeepingError();
        setCache(defaultCache);
    }
    return true;
}

WalletSql::ReadSnapshot::ReadSnapshot(WalletSql &sql)
    : m_sql(sql)
    , m_own(sql.m_transactionDepth == 0)
    , m_begun(!m_own || sql.run(QStringLiteral("BEGIN")))
    , m_valid(m_begun && (!m_own || !sql.m_identityUnchanged || sql.m_identityUnchanged()))
{
}

WalletSql::ReadSnapshot::~ReadSnapshot()
{
    if (m_own && m_begun)
        m_sql.rollbackKeepingError();
}

CardDbTransaction::CardDbTransaction(WalletSql &sql)
    : m_sql(sql)
    , m_active(sql.beginTransaction())
{
}

CardDbTransaction::~CardDbTransaction()
{
    if (m_active)
        m_sql.rollbackTransaction();
}

bool CardDbTransaction::commit()
{
    if (!m_active)
        return false;
    m_active = false;
    return m_sql.commitTransaction();
}
