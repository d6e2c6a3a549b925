#include "store/PurgeRecords.h"

#include "model/Clock.h"
#include "store/WalletSql.h"

#include <QDateTime>

PurgeRecords::PurgeRecords(WalletSql &sql)
    : m_sql(sql)
{
}

bool PurgeRecords::createTable()
{
    return m_sql.write(QStringLiteral("CREATE TABLE IF NOT EXISTS Purged (UUID TEXT PRIMARY KEY, Time INTEGER)"));
}

std::optional<QHash<QString, qint64>> PurgeRecords::purgedCards()
{
    QHash<QString, qint64> purged;
    {
        PreparedStatement table
            = m_sql.run(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND name = 'Purged'"));
        if (!table)
            return std::nullopt;
        if (!table->next()) {
            m_sql.failSql(*table, false);
            return std::nullopt;
        }
        if (table->value(0).toInt() == 0)
            return purged;
    }
    PreparedStatement query = m_sql.run(QStringLiteral("SELECT UUID, Time FROM Purged"));
    if (!query)
        return std::nullopt;
    while (query->next())
        purged.insert(query->value(0).toString(), query->value(1).toLongLong());
    if (query->lastError().isValid()) {
        m_sql.failSql(*query, false);
        return std::nullopt;
    }
    return purged;
}

bool PurgeRecords::purgeRows(const QString &condition, const QVariantList &values)
{
    CardDbTransaction transaction(m_sql);
    return transaction.isActive() && createTable()
        && m_sql.write(QStringLiteral("INSERT OR REPLACE INTO Purged (UUID, Time) SELECT UUID, ? FROM Cards WHERE %1")
                           .arg(condition),
                       QVariantList{Clock::nowSecs()} + values)
        && m_sql.write(QStringLiteral("DELETE FROM Cards WHERE %1").arg(condition), values) && transaction.commit();
}

bool PurgeRecords::forgetPurged(const QStringList &uuids)
{
    if (uuids.isEmpty())
        return true;
    CardDbTransaction transaction(m_sql);
    if (!transaction.isActive() || !createTable())
        return false;
    for (const QString &uuid : uuids) {
        if (!m_sql.write(QStringLiteral("DELETE FROM Purged WHERE UUID = ?"), {uuid}))
            return false;
    }
    return transaction.commit();
}

bool PurgeRecords::recordPurged(const QHash<QString, qint64> &purged)
{
    if (purged.isEmpty())
        return true;
    CardDbTransaction transaction(m_sql);
    if (!transaction.isActive() || !createTable())
        return false;
    for (auto it = purged.cbegin(); it != purged.cend(); ++it) {
        if (!m_sql.write(QStringLiteral("INSERT INTO Purged (UUID, Time) VALUES (?, ?) ON CONFLICT(UUID) DO UPDATE "
                                        "SET Time = max(Time, excluded.Time)"),
                         {it.key(), it.value()}))
            return false;
    }
    return transaction.commit();
}
