#include "store/WalletFileCopy.h"

#include "store/FileOps.h"
#include "store/WalletSql.h"

#include <QByteArray>
#include <QFile>

#include <sqlite3.h>

#include <algorithm>

namespace {

constexpr int chunkSize = 1 << 20;

} // namespace

WalletFileCopy::WalletFileCopy(WalletSql &sql)
    : m_sql(sql)
{
}

bool WalletFileCopy::isPossible()
{
    PreparedStatement query = m_sql.run(QStringLiteral("PRAGMA journal_mode"));
    return query && query->next() && query->value(0).toString().compare(QLatin1String("wal"), Qt::CaseInsensitive) != 0;
}

bool WalletFileCopy::copyTo(const QString &target)
{
    if (m_sql.inTransaction() && m_sql.hasWritten())
        return m_sql.fail(WalletError(WalletError::WriteFailed, tr("the wallet has changes not yet saved")));
    QString reason;
    const QString staged = FileOps::createStagedFile(target, &reason);
    if (staged.isEmpty())
        return m_sql.fail(WalletError(WalletError::WriteFailed, reason));
    // The check of every page inside the snapshot takes SQLite's shared lock (inside a transaction it is
    // held already), and no other program writes the file while the lock is held.
    bool copied = false;
    {
        WalletSql::ReadSnapshot snapshot(m_sql);
        copied = snapshot.isValid() && pagesIntact() && writeInto(staged);
    }
    if (copied && FileOps::replaceAtomically(staged, target, &reason, FileOps::Permissions::OwnerOnly))
        return true;
    FileOps::discardStagedFile(staged);
    return copied ? m_sql.fail(WalletError(WalletError::WriteFailed, reason)) : false;
}

// A damaged file is refused, as the rewrite that follows would lose what a rescue could still read.
bool WalletFileCopy::pagesIntact()
{
    PreparedStatement query = m_sql.run(QStringLiteral("PRAGMA quick_check"));
    if (!query)
        return false;
    if (!query->next())
        return m_sql.failSql(*query, false);
    const QString verdict = query->value(0).toString();
    return verdict == QLatin1String("ok") || m_sql.fail(WalletError(WalletError::Damaged, verdict));
}

bool WalletFileCopy::writeInto(const QString &staged)
{
    sqlite3 *db = m_sql.handle();
    if (!db)
        return false;
    QFile out(staged);
    if (!out.open(QIODevice::WriteOnly))
        return m_sql.fail(
            WalletError(WalletError::WriteFailed, QStringLiteral("%1: %2").arg(staged, out.errorString())));
    sqlite3_mutex_enter(sqlite3_db_mutex(db));
    sqlite3_file *file = nullptr;
    sqlite3_int64 size = 0;
    bool read = sqlite3_file_control(db, "main", SQLITE_FCNTL_FILE_POINTER, &file) == SQLITE_OK && file
        && file->pMethods && file->pMethods->xFileSize(file, &size) == SQLITE_OK;
    bool written = true;
    QByteArray chunk(chunkSize, Qt::Uninitialized);
    for (sqlite3_int64 offset = 0; read && written && offset < size; offset += chunk.size()) {
        const int amount = int(std::min<sqlite3_int64>(chunkSize, size - offset));
        chunk.resize(amount);
        read = file->pMethods->xRead(file, chunk.data(), amount, offset) == SQLITE_OK;
        written = read && out.write(chunk) == amount;
    }
    sqlite3_mutex_leave(sqlite3_db_mutex(db));
    if (!read)
        return m_sql.fail(WalletError(WalletError::Unreadable, tr("the wallet file cannot be read")));
    if (!written || !out.flush())
        return m_sql.fail(
            WalletError(WalletError::WriteFailed, QStringLiteral("%1: %2").arg(staged, out.errorString())));
    return true;
}
