#pragma once

#include "store/CardRow.h"

#include <QCoreApplication>
#include <QStringList>

#include <functional>
#include <optional>

class WalletFile;
class WalletSql;

// What the card list shows of one row: the clear columns, no decryption needed. Only a list of all
// cards or of the trash fills in the template type and the trashed flag.
struct CardListEntry
{
    int id = -1;
    QString title;
    int iconId = -1;
    QString templateType;
    bool trashed = false;
};
Q_DECLARE_TYPEINFO(CardListEntry, Q_MOVABLE_TYPE);

// Reading the cards of one wallet from the rows of its Cards table, each opened with the wallet's key.
// Failures come back as false or none, with the SQL side's lastError() saying why.
class CardTable
{
    // Translated as the store's messages.
    Q_DECLARE_TR_FUNCTIONS(CardDb)

public:
    enum ListScope { LiveCards, AllCards, TrashedCards };

    CardTable(WalletSql &sql, const WalletFile &file);

    std::optional<QVector<CardListEntry>> cardList(ListScope scope);
    // One card's entry, template type and trash flag included, without listing the others; none when no
    // row has the id or the row cannot be read.
    std::optional<CardListEntry> listEntry(int id);
    int cardCount();
    std::unique_ptr<Card> card(int id);
    std::unique_ptr<Card> cardByUuid(const QString &uuid, bool *trashed);
    int cardIdForUuid(const QString &uuid);
    std::optional<QStringList> allUuids();
    std::optional<std::vector<StoredCard>> allCards();
    bool forEachCard(const std::function<bool(const StoredCard &)> &visit, ListScope scope);
    bool forEachCardText(const std::function<bool(const CardTextRow &)> &visit, ListScope scope);
    // Reads every row in one pass; a row whose card does not read is listed. False when an SQLite
    // error ended the pass early.
    bool readRows(CardReadout &readout, bool keepBlobs);

private:
    std::optional<QVector<CardListEntry>> sealedCardList(ListScope scope);
    // The clear title of a row, for naming a card that does not read.
    QString titleOf(int id);

    WalletSql &m_sql;
    const WalletFile &m_file;
};
