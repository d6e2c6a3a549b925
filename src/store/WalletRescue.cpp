#include "store/WalletRescue.h"

#include "store/CardTable.h"
#include "store/FileOps.h"
#include "store/PurgeRecords.h"
#include "store/RowReader.h"
#include "store/WalletFile.h"
#include "store/WalletSql.h"

#include <QFile>

#include <algorithm>

WalletRescue::WalletRescue(WalletSql &sql, const WalletFile &file, CardTable &cards, PurgeRecords &purged)
    : m_sql(sql)
    , m_file(file)
    , m_cards(cards)
    , m_purged(purged)
{
}

CardReadout WalletRescue::salvage()
{
    CardReadout readout;
    if (!m_cards.readRows(readout, true))
        readRowsOneByOne(readout);
    // A page that stands twice in the table gives its rows twice.
    QSet<int> seen;
    readout.cards.erase(std::remove_if(readout.cards.begin(), readout.cards.end(),
                                       [&seen](const StoredCard &row) {
                                           const bool repeated = seen.contains(row.id);
                                           seen.insert(row.id);
                                           return repeated;
                                       }),
                        readout.cards.end());
    for (const UnreadableCard &row : qAsConst(readout.unreadable))
        seen.insert(row.id);
    addRowsOnlyTheIndexKnows(readout, seen);
    return readout;
}

// Past a damaged page a scan stops, while rows behind it may still be reached by their id.
void WalletRescue::readRowsOneByOne(CardReadout &readout)
{
    QSet<int> seen;
    for (const StoredCard &row : readout.cards)
        seen.insert(row.id);
    for (const UnreadableCard &row : qAsConst(readout.unreadable))
        seen.insert(row.id);
    int last = 0;
    if (PreparedStatement query = m_sql.run(QStringLiteral("SELECT seq FROM sqlite_sequence WHERE name = 'Cards'")))
        last = query->next() ? query->value(0).toInt() : 0;
    for (const int id : qAsConst(seen))
        last = std::max(last, id);

    std::vector<StoredCard> found;
    for (int id = 1; id <= last; ++id) {
        if (seen.contains(id))
            continue;
        RowReader rows(m_sql, QStringLiteral("SELECT %1 FROM Cards WHERE ID = ?").arg(CardRow::selectedColumns()),
                       {id});
        if (!rows) {
            readout.unreadable.append({id, QString()});
            continue;
        }
        if (!rows.next()) {
            if (rows.failed())
                readout.unreadable.append({id, QString()});
            continue;
        }
        StoredCard row = CardRow::decode(rows, m_file.sealer(), true);
        if (row.card)
            found.push_back(std::move(row));
        else
            readout.unreadable.append(CardRow::named(rows));
    }
    for (StoredCard &row : found)
        readout.cards.push_back(std::move(row));
    std::sort(readout.cards.begin(), readout.cards.end(),
              [](const StoredCard &a, const StoredCard &b) { return a.id < b.id; });
}

// A damaged table can hide rows from every scan and every look-up by id, while the index of the
// uuids still lists them: those cards are lost, and are named by their id.
void WalletRescue::addRowsOnlyTheIndexKnows(CardReadout &readout, const QSet<int> &seen)
{
    PreparedStatement index = m_sql.run(
        QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index' AND name = 'sqlite_autoindex_Cards_1'"));
    if (!index || !index->next())
        return;
    PreparedStatement query = m_sql.run(
        QStringLiteral("SELECT ID FROM Cards INDEXED BY sqlite_autoindex_Cards_1 WHERE UUID >= '' ORDER BY ID"));
    while (query && query->next()) {
        const int id = query->value(0).toInt();
        if (!seen.contains(id))
            readout.unreadable.append({id, QString()});
    }
}

bool WalletRescue::saveCopy(const QString &target, QVector<UnreadableCard> *leftOut)
{
    QString reason;
    const QString staged = FileOps::createStagedFile(target, &reason);
    if (staged.isEmpty())
        return m_sql.fail(WalletError(WalletError::WriteFailed, reason));
    // Other writers wait until the copy is complete, so it is one consistent state of the wallet.
    const bool inCallersTransaction = m_sql.inTransaction();
    CardDbTransaction snapshot(m_sql);
    if (!snapshot.isActive()) {
        QFile::remove(staged);
        return false;
    }
    const CardReadout readout = salvage();
    bool copied = false;
    {
        WalletSql copy(staged, false);
        copied = copyInto(copy, readout) || m_sql.fail(copy.lastError());
    }
    // Only read: inside a caller's transaction it must end without dooming that one; on its own, a
    // commit that fails (SQLite gave up on a damaged page) changes nothing either.
    const bool released = snapshot.commit() || !inCallersTransaction;
    if (!copied || !released || !FileOps::replaceAtomically(staged, target, &reason)) {
        QFile::remove(staged);
        return copied && released ? m_sql.fail(WalletError(WalletError::WriteFailed, reason)) : false;
    }
    if (leftOut)
        *leftOut = readout.unreadable;
    return true;
}

bool WalletRescue::copyInto(WalletSql &target, const CardReadout &readout)
{
    CardDbTransaction transaction(target);
    if (!WalletFile::writeTables(target, m_file.identity()))
        return false;
    const auto purged = m_purged.purgedCards();
    if (!purged)
        return target.fail(m_sql.lastError());
    if (!PurgeRecords(target).recordPurged(*purged))
        return false;
    for (const StoredCard &row : readout.cards) {
        if (!target.write(
                CardRow::insertSql(true),
                CardRow::values(*row.card, m_file.hidesCardHeads(), row.uuid, row.blob, row.trashed, row.rowTime)
                    + QVariantList{row.id}))
            return false;
    }
    return transaction.commit();
}
