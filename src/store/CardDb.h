#pragma once

#include "model/Card.h"
#include "store/PreparedStatement.h"
#include "store/ThreadConnections.h"
#include "store/WalletError.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class CardCipher;

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

// One row of the Cards table with its card decrypted: what a merge needs of every card, read at once.
struct StoredCard
{
    int id = -1;
    QString uuid;
    QDateTime rowTime;
    bool trashed = false;
    std::unique_ptr<Card> card;
    // The encrypted text as stored; kept only where a card is copied as it is.
    QByteArray blob;
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

// What a wallet file says without its password.
struct WalletSummary
{
    QString syncUuid;
    // Live cards; -1 when the file cannot be read.
    int cardCount = -1;
};

// A row whose card cannot be read: its blob does not decrypt, its text does not parse, or SQLite
// cannot reach it.
struct UnreadableCard
{
    int id = -1;
    QString title;
};

// Everything that could be read of a wallet's cards, and what could not.
struct CardReadout
{
    std::vector<StoredCard> cards;
    QVector<UnreadableCard> unreadable;
};

// One open wallet file: an SQLite file with an Identity row and one encrypted row per card. Failures
// come back as false or none, with lastError() saying why; a read never passes off a failure as an
// empty or shorter result. Cards handed in stay the caller's; cards handed out become the caller's;
// template cards stay the store's. Used by one thread at a time.
class CardDb
{
    Q_DECLARE_TR_FUNCTIONS(CardDb)

public:
    enum ListScope { LiveCards, AllCards, TrashedCards };
    enum ProbeDepth { IdentityOnly, EveryPage };
    // How cardHeads() marks each card's version. The encrypted text tells versions apart only between
    // wallets that share key and IV (see sharesCipherWith), as every card is encrypted from the same IV.
    enum VersionMark { EncryptedText, TextDigest };

    static constexpr int currentVersion = 2;

    ~CardDb();
    CardDb(const CardDb &) = delete;
    CardDb &operator=(const CardDb &) = delete;

    // What the file at path is, asking no password: None for a wallet this program can open. Changes
    // nothing, except that a write interrupted by a crash is rolled back when the file is writable.
    static WalletError probe(const QString &path, ProbeDepth depth = IdentityOnly);
    static std::unique_ptr<CardDb> open(const QString &path, const QString &password, WalletError *error = nullptr);
    // Reopens a wallet with the key of a store that was unlocked before.
    static std::unique_ptr<CardDb> openWithKey(const QString &path, const QByteArray &key,
                                               WalletError *error = nullptr);
    // Makes a new empty wallet at path, which must not exist: staged beside it, readable by its owner
    // only, and renamed into place when complete.
    static std::unique_ptr<CardDb> create(const QString &path, const QString &password, WalletError *error = nullptr);
    // open() where a file is, create() where none is.
    static std::unique_ptr<CardDb> openOrCreate(const QString &path, const QString &password,
                                                WalletError *error = nullptr);
    // The sync identity and live cards of the wallet at path, read without its password.
    static WalletSummary summary(const QString &path);
    // The error that names cards which cannot be read.
    static WalletError unreadableCards(const QVector<UnreadableCard> &cards);

    WalletError lastError() const { return m_lastError; }
    void close();
    bool isOpen() const;
    bool isReadOnly() const { return m_connections.isReadOnly(); }
    QString path() const { return m_connections.path(); }
    // The identity made with the wallet and kept by its copies: every copy of one wallet has the same.
    QString syncUuid() const { return m_syncUuid; }
    // Whether the other wallet encrypts under the same key and IV, so that equal cards are equal blobs.
    bool sharesCipherWith(const CardDb &other) const;
    QByteArray key() const;
    bool checkPassword(const QString &password);

    std::optional<QVector<CardListEntry>> cardList(ListScope scope = LiveCards);
    // Live cards; -1 on an error.
    int cardCount();
    // Changes whenever another program (or another store on the file) commits a change to it; -1 on
    // an error. This store's own writes leave it as it is.
    qint64 outsideChanges();
    std::unique_ptr<Card> card(int id);
    std::unique_ptr<Card> cardByUuid(const QString &uuid, bool *trashed = nullptr);
    // -1 when no row has the uuid or on an error (then lastError() says so).
    int cardIdForUuid(const QString &uuid);
    // Every card's identity, trashed ones too, in row order.
    std::optional<QStringList> allUuids();
    // Every row, trashed ones too, in row order, each card decrypted once. Fails, naming them, when
    // any card cannot be read or has a malformed identity: whatever rewrites a wallet starts here.
    std::optional<std::vector<StoredCard>> allCards();
    // The clear columns of every row, trashed ones too, in row order, each with its version marked.
    std::optional<std::vector<CardHead>> cardHeads(VersionMark mark);
    // The cards of the given rows, each decrypted once, in the order asked. Fails, naming them, as
    // allCards() does when one cannot be read or has a malformed identity.
    std::optional<std::vector<std::unique_ptr<Card>>> cardsOfRows(const QVector<CardHead> &rows);
    // As much as can be read, for rescuing a damaged wallet: never fails, lists what it left out.
    CardReadout salvage();
    // Hands every row to visit in row order, one at a time, so that memory stays flat however large the
    // wallet is. Stops when visit returns false (then true) or at the first card that cannot be read
    // (then false, naming it). Visit must leave the store alone meanwhile.
    bool forEachCard(const std::function<bool(const StoredCard &)> &visit, ListScope scope = AllCards);
    // The identities of the cards deleted for ever, with the time of deletion in seconds since 1970 UTC.
    std::optional<QHash<QString, qint64>> purgedCards();

    bool addCard(Card &card);
    // Rewriting a trashed card makes it live again. Fails as CardGone unless row id still holds the
    // card's uuid, so a row renumbered by another program is never overwritten with another card.
    bool updateCard(int id, Card &card);
    bool trashCard(int id);
    // Takes a card out of the trash. The card and its row get the current time, so that a merge with
    // another copy carries the restore over an older trashing there.
    bool restoreCard(int id);
    // Writes a card as another copy holds it: its row state and time included, into row id, or into a
    // new row when id is -1. Rewriting a row may change its uuid.
    bool putCard(int id, Card &card, bool trashed, const QDateTime &rowTime);
    // Moves a row into the trash or out of it, stamped with rowTime; the card text stays as it is.
    bool setTrashed(int id, bool trashed, const QDateTime &rowTime);
    bool deleteAllCards();
    // Deleting for ever: only trashed cards, and each one's identity is kept (see purgedCards) so that
    // a merge with a copy that still has the card does not bring it back live.
    bool purgeCard(int id);
    bool purgeTrashed();
    // Adds identities deleted for ever elsewhere (a merge passes them on); a later time wins.
    bool recordPurged(const QHash<QString, qint64> &purged);
    // Drops identities from the record of deletions for ever (a card that came back into the trash).
    bool forgetPurged(const QStringList &uuids);
    // Re-encrypts every card under the new password in one transaction on the file itself: at every
    // instant the file opens with exactly one of the two passwords. Refuses a wallet with unreadable cards.
    bool changePassword(const QString &oldPassword, const QString &newPassword);
    // Writes a copy of this wallet under the same password to target (replacing it atomically). Cards
    // that cannot be read are left out and listed in leftOut.
    bool saveCopy(const QString &target, QVector<UnreadableCard> *leftOut = nullptr);

    // Bulk work runs inside one transaction: one commit instead of one per row. The first begin takes
    // the file's write lock (other writers wait, then fail as busy) and checks that no other program
    // changed the password meanwhile; nested begins join it, and any failed write inside dooms it.
    bool beginTransaction();
    bool commitTransaction();
    bool rollbackTransaction();

    // The 48-byte Info column: check block, IV and salt.
    QByteArray info() const { return m_info; }

private:
    class ReadSnapshot;

    CardDb(const QString &path, bool readOnly);

    static std::unique_ptr<CardDb> openFile(const QString &path, WalletError *error);
    bool fail(const WalletError &error);
    bool failSql(const QSqlQuery &query, bool writing);
    PreparedStatement run(const QString &sql, const QVariantList &values = {});
    // One write statement, inside the running transaction or a transaction of its own.
    bool write(const QString &sql, const QVariantList &values);
    bool writeInTransaction(const QString &sql, const QVariantList &values);
    // One write of an existing row, which fails as CardGone when no row matches.
    bool writeRow(const QString &sql, const QVariantList &values);
    bool loadIdentity();
    bool identityUnchanged();
    void rollbackKeepingError();
    bool keyReadsACard(const CardCipher &cipher);
    // The card of one blob, or none when it does not decrypt or parse.
    std::unique_ptr<Card> decode(const QByteArray &data) const;
    bool readRows(CardReadout &readout, bool keepBlobs);
    void readRowsOneByOne(CardReadout &readout);
    void addRowsOnlyTheIndexKnows(CardReadout &readout, const QSet<int> &seen);
    bool createTables();
    bool createPurgedTable();
    // False, saying why, unless the row holds a card in the trash.
    bool isInTrash(int id);
    bool copyInto(CardDb &target, const CardReadout &readout);

    std::unique_ptr<CardCipher> m_cipher;
    QString m_syncUuid;
    QByteArray m_info;
    QByteArray m_hash;
    ThreadConnections m_connections;
    WalletError m_lastError;
    int m_transactionDepth = 0;
    bool m_transactionDoomed = false;
};

// Rolls back on destruction unless committed, so an early return never leaves half of a bulk write.
class CardDbTransaction
{
public:
    explicit CardDbTransaction(CardDb &store);
    ~CardDbTransaction();
    CardDbTransaction(const CardDbTransaction &) = delete;
    CardDbTransaction &operator=(const CardDbTransaction &) = delete;

    bool isActive() const { return m_active; }
    Q_REQUIRED_RESULT bool commit();

private:
    CardDb &m_store;
    bool m_active;
};
