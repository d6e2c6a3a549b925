#include "store/CardWriter.h"

#include "model/SecretText.h"
#include "store/CardRow.h"
#include "store/RowReader.h"
#include "store/WalletFile.h"
#include "store/WalletSql.h"

CardWriter::CardWriter(WalletSql &sql, const WalletFile &file)
    : m_sql(sql)
    , m_file(file)
{
}

// The plain card text lives only until it is sealed.
QVariantList CardWriter::sealedValues(const Card &card, bool trashed, const QDateTime &rowTime) const
{
    QByteArray text = card.toData();
    const QByteArray blob = m_file.sealer().seal(text, CardRow::bindingFor(card.uuid(), trashed, rowTime));
    SecretText::wipe(text);
    return CardRow::values(card, m_file.hidesCardHeads(), card.uuid(), blob, trashed, rowTime);
}

bool CardWriter::addCard(const Card &card)
{
    return m_sql.write(CardRow::insertSql(false), sealedValues(card, false, card.updateTime()));
}

bool CardWriter::updateCard(int id, const Card &card)
{
    return m_sql.writeRow(CardRow::updateSql(QStringLiteral("ID = ? AND UUID = ?")),
                          sealedValues(card, false, card.updateTime()) + QVariantList{id, card.uuid()});
}

bool CardWriter::putCard(int id, const Card &card, bool trashed, const QDateTime &rowTime)
{
    const QVariantList values = sealedValues(card, trashed, rowTime);
    if (id == -1)
        return m_sql.write(CardRow::insertSql(false), values);
    static const QString updateById = CardRow::updateSql(QStringLiteral("ID = ?"));
    return m_sql.write(updateById, values + QVariantList{id});
}

bool CardWriter::setRowState(int id, bool trashed, qint64 rowTime, bool mustExist)
{
    const QString update = QStringLiteral("UPDATE Cards SET Trashed = ?, UpdateTime = ? WHERE ID = ?");
    if (!m_file.sealer().bindsRowState()) {
        const QVariantList values{trashed ? 1 : 0, rowTime, id};
        return mustExist ? m_sql.writeRow(update, values) : m_sql.write(update, values);
    }
    // The card is sealed to its row state: it is opened and sealed anew for the new one.
    CardDbTransaction transaction(m_sql);
    if (!transaction.isActive())
        return false;
    RowReader row(m_sql, QStringLiteral("SELECT %1, Title FROM Cards WHERE ID = ?").arg(CardRow::sealedColumns()),
                  {id});
    if (!row)
        return false;
    if (!row.next()) {
        if (row.failed())
            return false;
        return mustExist ? m_sql.fail(WalletError(WalletError::CardGone)) : transaction.commit();
    }
    const CardBinding from = CardRow::bindingAt(row, 1);
    QByteArray text = m_file.sealer().open(row.blob(0), from);
    if (text.isEmpty())
        return m_sql.fail(CardRow::unreadableCards({{id, row.text(4)}}));
    const QByteArray blob = m_file.sealer().seal(text, {from.uuid, rowTime, trashed});
    SecretText::wipe(text);
    return m_sql.write(QStringLiteral("UPDATE Cards SET Trashed = ?, UpdateTime = ?, Data = ? WHERE ID = ?"),
                       {trashed ? 1 : 0, rowTime, blob, id})
        && transaction.commit();
}

bool CardWriter::deleteAllCards()
{
    return m_sql.write(QStringLiteral("DELETE FROM Cards Where ID > 0"));
}
