#include "store/CardTrash.h"

#include "model/Clock.h"
#include "store/CardTable.h"
#include "store/CardWriter.h"
#include "store/PurgeRecords.h"
#include "store/WalletSql.h"

CardTrash::CardTrash(WalletSql &sql, CardTable &cards, CardWriter &writer, PurgeRecords &purged)
    : m_sql(sql)
    , m_cards(cards)
    , m_writer(writer)
    , m_purged(purged)
{
}

bool CardTrash::trashCard(int id)
{
    return m_writer.setRowState(id, true, Clock::nowSecs(), true);
}

bool CardTrash::restoreCard(int id)
{
    CardDbTransaction transaction(m_sql);
    if (!transaction.isActive() || !isInTrash(id))
        return false;
    const auto restored = m_cards.card(id);
    if (!restored)
        return false;
    restored->setUpdateTime(Clock::nowUtc());
    return m_writer.updateCard(id, *restored) && transaction.commit();
}

bool CardTrash::setTrashed(int id, bool trashed, const QDateTime &rowTime)
{
    return m_writer.setRowState(id, trashed, CardRow::storedSeconds(rowTime), false);
}

bool CardTrash::purgeCard(int id)
{
    CardDbTransaction transaction(m_sql);
    return transaction.isActive() && isInTrash(id) && m_purged.purgeRows(QStringLiteral("ID = ? AND Trashed = 1"), {id})
        && transaction.commit();
}

bool CardTrash::purgeTrashed()
{
    return m_purged.purgeRows(QStringLiteral("Trashed = 1"), {});
}

bool CardTrash::isInTrash(int id)
{
    PreparedStatement query = m_sql.run(QStringLiteral("SELECT Trashed FROM Cards WHERE ID = ?"), {id});
    if (!query)
        return false;
    if (query->next()) {
        return query->value(0).toInt() != 0
            || m_sql.fail(WalletError(WalletError::WriteFailed, tr("card #%1 is not in the trash").arg(id)));
    }
    return query->lastError().isValid() ? m_sql.failSql(*query, false)
                                        : m_sql.fail(WalletError(WalletError::Damaged, tr("card #%1 is gone").arg(id)));
}
