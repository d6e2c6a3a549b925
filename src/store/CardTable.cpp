#include "store/CardTable.h"

#include "model/SecretText.h"
#include "store/CardSealer.h"
#include "store/WalletFile.h"
#include "store/WalletSql.h"

#include <QCryptographicHash>
#include <QPair>

#include <future>

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
    PreparedStatement query
        = m_sql.run(scope == AllCards ? QStringLiteral("SELECT ID, Title, IconID, Type, Trashed FROM Cards")
                        : scope == TrashedCards
                        ? QStringLiteral("SELECT ID, Title, IconID, Type, Trashed FROM Cards WHERE Trashed=1")
                        : QStringLiteral("SELECT ID, Title, IconID FROM Cards WHERE Trashed=0"));
    if (!query)
        return std::nullopt;
    while (query->next()) {
        CardListEntry entry;
        entry.id = query->value(0).toInt();
        entry.title = query->value(1).toString();
        entry.iconId = query->value(2).toInt();
        if (all) {
            entry.templateType = query->value(3).toString();
            entry.trashed = query->value(4).toInt() != 0;
        }
        entries.append(entry);
    }
    if (query->lastError().isValid()) {
        m_sql.failSql(*query, false);
        return std::nullopt;
    }
    return entries;
}

namespace {

// The head columns of a card text that the card list shows (up to the title), read by the card codec
// without the notes and fields after them, which a large wallet's list would parse for nothing.
bool readHead(const QByteArray &text, Card &head)
{
    constexpr int listedColumns = 5;
    int end = -1;
    for (int column = 0; column < listedColumns && (end = text.indexOf('\t', end + 1)) >= 0; ++column) {
    }
    if (end < 0)
        return false;
    QByteArray columns = text.left(end) + QByteArrayLiteral("\t\t0");
    head.fromData(columns);
    SecretText::wipe(columns);
    return true;
}

} // namespace

// The heads of a version-3 wallet are only in the sealed texts: every card is opened, on two threads
// since a large wallet's list is what its unlocking waits for. A card that does not open is listed
// without a title, as a version-2 card whose text does not decrypt still is.
std::optional<QVector<CardListEntry>> CardTable::sealedCardList(ListScope scope)
{
    const WalletSql::ReadSnapshot snapshot(m_sql);
    if (!snapshot.isValid())
        return std::nullopt;
    const QString where
        = scope == AllCards ? QString() : QStringLiteral(" WHERE Trashed = %1").arg(scope == TrashedCards ? 1 : 0);
    PreparedStatement query
        = m_sql.run(QStringLiteral("SELECT ID, UUID, UpdateTime, Trashed, Data FROM Cards%1").arg(where));
    if (!query)
        return std::nullopt;
    QVector<QPair<CardBinding, QByteArray>> sealed;
    QVector<CardListEntry> entries;
    while (query->next()) {
        entries.append({query->value(0).toInt(), QString(), -1, QString(), false});
        sealed.append({CardRow::bindingAt(*query, 1), query->value(4).toByteArray()});
    }
    if (query->lastError().isValid()) {
        m_sql.failSql(*query, false);
        return std::nullopt;
    }
    const bool all = scope != LiveCards;
    const auto openRange = [&](int from, int to) {
        for (int i = from; i < to; ++i) {
            QByteArray text = m_file.sealer().open(sealed[i].second, sealed[i].first);
            Card head;
            if (readHead(text, head)) {
                CardListEntry &entry = entries[i];
                entry.title = head.title();
                entry.iconId = head.iconId();
                if (all) {
                    entry.templateType = head.templateType();
                    entry.trashed = sealed[i].first.trashed;
                }
            }
            SecretText::wipe(text);
        }
    };
    const int half = entries.size() / 2;
    auto firstHalf = std::async(std::launch::async, openRange, 0, half);
    openRange(half, entries.size());
    firstHalf.get();
    return entries;
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
    PreparedStatement query
        = m_sql.run(QStringLiteral("SELECT Data, Title, UUID, UpdateTime, Trashed FROM Cards WHERE ID = ?"), {id});
    if (!query)
        return nullptr;
    if (!query->next()) {
        if (query->lastError().isValid())
            m_sql.failSql(*query, false);
        else
            m_sql.fail(WalletError(WalletError::Damaged, tr("card #%1 is gone").arg(id)));
        return nullptr;
    }
    auto card = CardRow::openCard(m_file.sealer(), query->value(0).toByteArray(), CardRow::bindingAt(*query, 2));
    if (!card)
        m_sql.fail(WalletError(WalletError::Damaged,
                               tr("card %1 cannot be read").arg(CardRow::namesOf({{id, query->value(1).toString()}}))));
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

int CardTable::cardIdForUuid(const QString &uuid)
{
    PreparedStatement query = m_sql.run(QStringLiteral("SELECT ID FROM Cards WHERE UUID = ?"), {uuid});
    if (!query)
        return -1;
    if (query->next())
        return query->value(0).toInt();
    if (query->lastError().isValid())
        m_sql.failSql(*query, false);
    return -1;
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

bool CardTable::readRows(CardReadout &readout, bool keepBlobs)
{
    PreparedStatement query
        = m_sql.run(QStringLiteral("SELECT %1 FROM Cards ORDER BY ID").arg(CardRow::selectedColumns()));
    if (!query)
        return false;
    while (query->next()) {
        StoredCard row = CardRow::decode(*query, m_file.sealer(), keepBlobs);
        if (row.card)
            readout.cards.push_back(std::move(row));
        else
            readout.unreadable.append(CardRow::named(*query));
    }
    return !query->lastError().isValid() || m_sql.failSql(*query, false);
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

std::optional<std::vector<CardHead>> CardTable::cardHeads(VersionMark mark)
{
    const WalletSql::ReadSnapshot snapshot(m_sql);
    if (!snapshot.isValid())
        return std::nullopt;
    PreparedStatement query = m_sql.run(
        QStringLiteral("SELECT ID, UUID, UpdateTime, Trashed, Title, Type, IconID, Data FROM Cards ORDER BY ID"));
    if (!query)
        return std::nullopt;
    std::vector<CardHead> heads;
    while (query->next()) {
        // A digest, not the text, so that no secrets stay behind in the heads; a blob that does not
        // decrypt stays its own mark, which equals no other copy's.
        CardHead head{query->value(0).toInt(),     query->value(1).toString(), CardRow::wholeSeconds(query->value(2)),
                      query->value(3).toInt() != 0, query->value(4).toString(), query->value(5).toString(),
                      query->value(6).toInt(),      query->value(7).toByteArray()};
        if (mark == TextDigest) {
            QByteArray text = m_file.sealer().open(head.version, CardRow::bindingAt(*query, 1));
            if (!text.isEmpty())
                head.version = QCryptographicHash::hash(text, QCryptographicHash::Sha256);
            // Blank clear columns take the card's head, so that they compare with another format's.
            Card card;
            if (m_file.hidesCardHeads() && card.fromData(text)) {
                head.title = card.title();
                head.templateType = card.templateType();
                head.iconId = card.iconId();
            }
            SecretText::wipe(text);
        }
        heads.push_back(std::move(head));
    }
    if (query->lastError().isValid()) {
        m_sql.failSql(*query, false);
        return std::nullopt;
    }
    return heads;
}

std::optional<std::vector<std::unique_ptr<Card>>> CardTable::cardsOfRows(const QVector<CardHead> &rows)
{
    const WalletSql::ReadSnapshot snapshot(m_sql);
    if (!snapshot.isValid())
        return std::nullopt;
    std::vector<std::unique_ptr<Card>> cards;
    cards.reserve(std::size_t(rows.size()));
    QVector<UnreadableCard> unreadable;
    for (const CardHead &row : rows) {
        PreparedStatement query
            = m_sql.run(QStringLiteral("SELECT Data, UUID, UpdateTime, Trashed FROM Cards WHERE ID = ?"), {row.id});
        if (!query)
            return std::nullopt;
        std::unique_ptr<Card> card = query->next() ? CardRow::openCard(m_file.sealer(), query->value(0).toByteArray(),
                                                                       CardRow::bindingAt(*query, 1))
                                                   : nullptr;
        if (query->lastError().isValid()) {
            m_sql.failSql(*query, false);
            return std::nullopt;
        }
        if (!card || row.uuid.isEmpty() || card->uuid() != row.uuid)
            unreadable.append({row.id, row.title});
        cards.push_back(std::move(card));
    }
    if (!unreadable.isEmpty()) {
        m_sql.fail(CardRow::unreadableCards(unreadable));
        return std::nullopt;
    }
    return cards;
}

bool CardTable::forEachCard(const std::function<bool(const StoredCard &)> &visit, ListScope scope)
{
    const QString where
        = scope == AllCards ? QString() : QStringLiteral(" WHERE Trashed = %1").arg(scope == TrashedCards ? 1 : 0);
    const WalletSql::ReadSnapshot snapshot(m_sql);
    if (!snapshot.isValid())
        return false;
    PreparedStatement query
        = m_sql.run(QStringLiteral("SELECT %1 FROM Cards%2 ORDER BY ID").arg(CardRow::selectedColumns(), where));
    if (!query)
        return false;
    while (query->next()) {
        const StoredCard row = CardRow::decode(*query, m_file.sealer(), false);
        if (!row.card || !CardRow::hasSoundIdentity(row))
            return m_sql.fail(CardRow::unreadableCards({CardRow::named(*query)}));
        if (!visit(row))
            return true;
    }
    return !query->lastError().isValid() || m_sql.failSql(*query, false);
}

// The text first: writing it cleans the title that the clear column repeats.
QVariantList CardTable::sealedValues(Card &card, bool trashed, const QDateTime &rowTime) const
{
    QByteArray text = card.toData();
    const QByteArray blob = m_file.sealer().seal(text, CardRow::bindingFor(card.uuid(), trashed, rowTime));
    SecretText::wipe(text);
    return CardRow::values(card, m_file.hidesCardHeads(), card.uuid(), blob, trashed, rowTime);
}

bool CardTable::addCard(Card &card)
{
    return m_sql.write(CardRow::insertSql(false), sealedValues(card, false, card.updateTime()));
}

bool CardTable::updateCard(int id, Card &card)
{
    return m_sql.writeRow(CardRow::updateSql(QStringLiteral("ID = ? AND UUID = ?")),
                          sealedValues(card, false, card.updateTime()) + QVariantList{id, card.uuid()});
}

bool CardTable::putCard(int id, Card &card, bool trashed, const QDateTime &rowTime)
{
    const QVariantList values = sealedValues(card, trashed, rowTime);
    if (id == -1)
        return m_sql.write(CardRow::insertSql(false), values);
    return m_sql.write(CardRow::updateSql(QStringLiteral("ID = ?")), values + QVariantList{id});
}

bool CardTable::setRowState(int id, bool trashed, qint64 rowTime, bool mustExist)
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
    PreparedStatement query
        = m_sql.run(QStringLiteral("SELECT Data, UUID, UpdateTime, Trashed, Title FROM Cards WHERE ID = ?"), {id});
    if (!query)
        return false;
    if (!query->next()) {
        if (query->lastError().isValid())
            return m_sql.failSql(*query, false);
        return mustExist ? m_sql.fail(WalletError(WalletError::CardGone)) : transaction.commit();
    }
    const CardBinding from = CardRow::bindingAt(*query, 1);
    QByteArray text = m_file.sealer().open(query->value(0).toByteArray(), from);
    if (text.isEmpty())
        return m_sql.fail(CardRow::unreadableCards({{id, query->value(4).toString()}}));
    const QByteArray blob = m_file.sealer().seal(text, {from.uuid, rowTime, trashed});
    SecretText::wipe(text);
    return m_sql.write(QStringLiteral("UPDATE Cards SET Trashed = ?, UpdateTime = ?, Data = ? WHERE ID = ?"),
                       {trashed ? 1 : 0, rowTime, blob, id})
        && transaction.commit();
}

bool CardTable::deleteAllCards()
{
    return m_sql.write(QStringLiteral("DELETE FROM Cards Where ID > 0"));
}
