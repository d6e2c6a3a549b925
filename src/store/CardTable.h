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

// The clear columns of one row and a mark of its card's version: enough to tell, without parsing the
// card, whether two copies of it differ. RowTime is in whole seconds, as stored.
struct CardHead
{
    int id = -1;
    QString uuid;
    qint64 rowTime = 0;
    bool trashed = false;
    QString title;
    QString templateType;
    int iconId = -1;
    // Equal for equal card texts: the encrypted text itself, or a digest of the card text (see VersionMark).
    QByteArray version;
};

// The cards of one wallet as rows of its Cards table: reading them, and writing them sealed with the
// wallet's key. Failures come back as false or none, with the SQL side's lastError() saying why.
class CardTable
{
    // Translated as the store's messages.
    Q_DECLARE_TR_FUNCTIONS(CardDb)

public:
    enum ListScope { LiveCards, AllCards, TrashedCards };
    // How cardHeads() marks each card's version. The encrypted text tells versions apart only between
    // version-2 wallets that share key and IV, as every card is encrypted from the same IV there.
    enum VersionMark { EncryptedText, TextDigest };

    CardTable(WalletSql &sql, const WalletFile &file);

    std::optional<QVector<CardListEntry>> cardList(ListScope scope);
    int cardCount();
    std::unique_ptr<Card> card(int id);
    std::unique_ptr<Card> cardByUuid(const QString &uuid, bool *trashed);
    int cardIdForUuid(const QString &uuid);
    std::optional<QStringList> allUuids();
    std::optional<std::vector<StoredCard>> allCards();
    std::optional<std::vector<CardHead>> cardHeads(VersionMark mark);
    std::optional<std::vector<std::unique_ptr<Card>>> cardsOfRows(const QVector<CardHead> &rows);
    bool forEachCard(const std::function<bool(const StoredCard &)> &visit, ListScope scope);
    // Reads every row in one pass; a row whose card does not read is listed. False when an SQLite
    // error ended the pass early.
    bool readRows(CardReadout &readout, bool keepBlobs);

    bool addCard(Card &card);
    bool updateCard(int id, Card &card);
    bool putCard(int id, Card &card, bool trashed, const QDateTime &rowTime);
    // Moves a row into the trash or out of it, stamped with rowTime in whole seconds; the card text stays
    // as it is. With mustExist, a missing row fails as CardGone.
    bool setRowState(int id, bool trashed, qint64 rowTime, bool mustExist);
    bool deleteAllCards();

private:
    std::optional<QVector<CardListEntry>> sealedCardList(ListScope scope);
    // The values of a row holding card, its text sealed to that row.
    QVariantList sealedValues(Card &card, bool trashed, const QDateTime &rowTime) const;

    WalletSql &m_sql;
    const WalletFile &m_file;
};
