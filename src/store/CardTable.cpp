#include "store/CardTable.h"

#include "model/SecretText.h"
#include "store/CardSealer.h"
#include "store/RowReader.h"
#include "store/SealedHeads.h"
#include "store/WalletFile.h"
#include "store/WalletSql.h"

namespace {

// The condition after FROM Cards that keeps the rows of scope.
QString whereScope(CardTable::ListScope scope)
{
    if (scope == CardTable::AllCards)
        return QString();
    return QStringLiteral(" WHERE Trashed = %1").arg(scope == CardTable::TrashedCards ? 1 : 0);
}

// A row's entry from its clear columns, selected as ID, Title, IconID and, for all, Type, Trashed.
CardListEntry clearEntryAt(const RowReader &row, bool all)
{
    CardListEntry entry{row.integer(0), row.text(1), row.integer(2), QString(), false};
    if (all) {
        entry.templateType = row.text(3);
        entry.trashed = row.integer(4) != 0;
    }
    return entry;
}

} // namespace

CardTable::CardTable(WalletSql &sql, const WalletFile &file)
    : m_sql(sql)
    , m_file(file)
{
}

std::optional<QVector<CardListEntry>> CardTable::cardList(ListScope scope)
{
    if (m_file.hidesCardHeads())
        return sealedCardList(scope);
    // The window's list needs only id, title and icon: reading no more keeps opening a large wallet quick.
    const bool all = scope != LiveCards;
    QVector<CardListEntry> entries;
    RowReader rows(m_sql,
                   all ? QStringLiteral("SELECT ID, Title, IconID, Type, Trashed FROM Cards%1").arg(whereScope(scope))
                       : QStringLiteral("SELECT ID, Title, IconID FROM Cards WHERE Trashed=0"));
    if (!rows)
        return std::nullopt;
    while (rows.next())
        entries.append(clearEntryAt(rows, all));
    if (rows.failed())
        return std::nullopt;
    return entries;
}

std::optional<CardListEntry> CardTable::listEntry(int id)
{
    if (!m_file.hidesCardHeads()) {
        RowReader row(m_sql, QStringLiteral("SELECT ID, Title, IconID, Type, Trashed FROM Cards WHERE ID = ?"), {id});
        return row.next() ? std::optional<CardListEntry>(clearEntryAt(row, true)) : std::nullopt;
    }
    const WalletSql::ReadSnapshot snapshot(m_sql);
    if (!snapshot.isValid())
        return std::nullopt;
    RowReader row(m_sql, QStringLiteral("SELECT %1 FROM Cards WHERE ID = ?").arg(SealedHeads::columns()), {id});
    if (!row.next())
        return std::nullopt;
    return SealedHeads::open(m_file.sealer(), id, CardRow::bindingAt(row, 1), row.blobInPlace(4), true);
}

// The heads of a version-3 wallet are only in the sealed texts: every card is opened, on a second thread
// while the rows are read. A card that does not open is listed without a title, as a version-2 card
// whose text does not decrypt still is.
std::optional<QVector<CardListEntry>> CardTable::sealedCardList(ListScope scope)
{
    const WalletSql::ReadSnapshot snapshot(m_sql);
    if (!snapshot.isValid())
        return std::nullopt;
    RowReader rows(m_sql, QStringLiteral("SELECT %1 FROM Cards%2").arg(SealedHeads::columns(), whereScope(scope)));
    if (!rows)
        return std::nullopt;
    SealedHeads heads(m_file.sealer(), scope != LiveCards);
    while (rows.next())
        heads.add(rows);
    if (rows.failed())
        return std::nullopt;
    return heads.finish();
}

int CardTable::cardCount()
{
    PreparedStatement query = m_sql.run(QStringLiteral("SELECT COUNT(*) FROM Cards WHERE Trashed=0"));
    if (!query)
        return -1;
    if (!query->next()) {
        m_sql.failSql(*query, false);
        return -1;
    }
    return query->value(0).toInt();
}

std::unique_ptr<Card> CardTable::card(int id)
{
    const WalletSql::ReadSnapshot snapshot(m_sql);
    if (!snapshot.isValid())
        return nullptr;
    RowReader row(m_sql, QStringLiteral("SELECT %1, Title FROM Cards WHERE ID = ?").arg(CardRow::sealedColumns()),
                  {id});
    if (!row)
        return nullptr;
    if (!row.next()) {
        if (!row.failed())
            m_sql.fail(WalletError(WalletError::Damaged, tr("card #%1 is gone").arg(id)));
        return nullptr;
    }
    auto card = CardRow::openAt(row, m_file.sealer());
    if (!card)
        m_sql.fail(
            WalletError(WalletError::Damaged, tr("card %1 cannot be read").arg(CardRow::namesOf({{id, row.text(4)}}))));
    return card;
}

std::unique_ptr<Card> CardTable::cardByUuid(const QString &uuid, bool *trashed)
{
    const int id = cardIdForUuid(uuid);
    if (id == -1)
        return nullptr;
    PreparedStatement query = m_sql.run(QStringLiteral("SELECT Trashed FROM Cards WHERE ID = ?"), {id});
    if (trashed)
        *trashed = query && query->next() && query->value(0).toInt() != 0;
    return card(id);
}

// Read straight from SQLite: an import asks this for every card it brings.
int CardTable::cardIdForUuid(const QString &uuid)
{
    RowReader row(m_sql, QStringLiteral("SELECT ID FROM Cards WHERE UUID = ?"), {uuid});
    return row.next() ? row.integer(0) : -1;
}

std::optional<QStringList> CardTable::allUuids()
{
    PreparedStatement query = m_sql.run(QStringLiteral("SELECT UUID FROM Cards ORDER BY ID"));
    if (!query)
        return std::nullopt;
    QStringList uuids;
    while (query->next())
        uuids.append(query->value(0).toString());
    if (query->lastError().isValid()) {
        m_sql.failSql(*query, false);
        return std::nullopt;
    }
    return uuids;
}

QString CardTable::titleOf(int id)
{
    PreparedStatement query = m_sql.run(QStringLiteral("SELECT Title FROM Cards WHERE ID = ?"), {id});
    return query && query->next() ? query->value(0).toString() : QString();
}

bool CardTable::readRows(CardReadout &readout, bool keepBlobs)
{
    RowReader rows(m_sql, QStringLiteral("SELECT %1 FROM Cards ORDER BY ID").arg(CardRow::selectedColumns()));
    if (!rows)
        return false;
    while (rows.next()) {
        StoredCard row = CardRow::decode(rows, m_file.sealer(), keepBlobs);
        if (row.card)
            readout.cards.push_back(std::move(row));
        else
            readout.unreadable.append(CardRow::named(rows));
    }
    return !rows.failed();
}

std::optional<std::vector<StoredCard>> CardTable::allCards()
{
    const WalletSql::ReadSnapshot snapshot(m_sql);
    CardReadout readout;
    if (!snapshot.isValid() || !readRows(readout, false))
        return std::nullopt;
    for (const StoredCard &row : readout.cards) {
        if (!CardRow::hasSoundIdentity(row))
            readout.unreadable.append({row.id, row.card->title()});
    }
    if (!readout.unreadable.isEmpty()) {
        m_sql.fail(CardRow::unreadableCards(readout.unreadable));
        return std::nullopt;
    }
    return std::move(readout.cards);
}

bool CardTable::forEachCard(const std::function<bool(const StoredCard &)> &visit, ListScope scope)
{
    return forEachCardText(
        [&visit](const CardTextRow &row) {
            auto card = std::make_unique<Card>();
            card->fromText(row.text);
            return visit({row.id, row.uuid, QDateTime::fromSecsSinceEpoch(row.rowTime, Qt::UTC), row.trashed,
                          std::move(card), QByteArray()});
        },
        scope);
}

bool CardTable::forEachCardText(const std::function<bool(const CardTextRow &)> &visit, ListScope scope)
{
    const WalletSql::ReadSnapshot snapshot(m_sql);
    if (!snapshot.isValid())
        return false;
    // Without the clear titles: turning each into a QString is a good part of a search's walk, and only a
    // card that does not read needs its title.
    RowReader rows(
        m_sql, QStringLiteral("SELECT %1 FROM Cards%2 ORDER BY ID").arg(CardRow::decodedColumns(), whereScope(scope)));
    if (!rows)
        return false;
    while (rows.next()) {
        const int id = rows.integer(0);
        const CardBinding binding = CardRow::bindingAt(rows, 1);
        QByteArray plain = m_file.sealer().open(rows.blobInPlace(4), binding);
        const CardTextView text(plain);
        SecretText::wipe(plain);
        if (!text.isWellFormed() || !CardRow::hasSoundIdentity(binding.uuid, text.uuid()))
            return m_sql.fail(CardRow::unreadableCards({{id, titleOf(id)}}));
        if (!visit({id, binding.uuid, binding.rowTime, binding.trashed, text}))
            return true;
    }
    return !rows.failed();
}
