#pragma once

#include "model/Card.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

#include <memory>
#include <vector>

// Status of a file before login.
enum DatabaseStatus {
    StatusOk = 0,
    StatusNewer = 1,
    StatusInvalid = 2,
    StatusUnsupported = 3,
    StatusLocked = 4,
};

// What the card list shows of one row: the clear columns, no decryption needed. Only a list of all
// cards fills in the template type and the trashed flag.
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
};

// One open wallet file. Failures come back as results: false, -1, none, empty lists, null times.
// Cards handed in stay the caller's; cards handed out are new and become the caller's; template
// cards stay the store's.
class CardDb
{
public:
    enum ListScope { LiveCards, AllCards };

    virtual ~CardDb() = default;

    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    virtual int version() const = 0;
    virtual QString path() const = 0;
    virtual Card *addTemplate(const QString &templateType, int iconId, const QString &title) = 0;
    virtual bool checkPassword(const QString &password) = 0;
    virtual QByteArray key() const = 0;
    virtual bool addCard(Card &card) = 0;
    virtual int cardIdForUuid(const QString &uuid) = 0;
    virtual bool trashCard(int id) = 0;
    virtual bool deleteAllCards() = 0;
    virtual bool purgeTrashed() = 0;
    virtual std::unique_ptr<Card> card(int id) = 0;
    // On success this store has been closed and only needs destroying.
    virtual std::unique_ptr<CardDb> changePassword(const QString &oldPassword, const QString &newPassword) = 0;
    // Rewriting a trashed card makes it live again.
    virtual bool updateCard(int id, Card &card) = 0;
    // Rows in the file's own order.
    virtual QVector<CardListEntry> cardList(ListScope scope = LiveCards) = 0;
    virtual int cardCount() = 0;
    virtual bool loadTemplates(const QString &path) = 0;
    virtual QList<Card *> templates() const = 0;
    virtual QString fieldLabel(int uid, const QString &templateType) const = 0;
    virtual QMap<QString, Card *> templateMap() const = 0;
    // Every card's identity, trashed ones too, in row order.
    virtual QStringList allUuids() = 0;
    virtual std::unique_ptr<Card> cardByUuid(const QString &uuid, bool *trashed) = 0;
    virtual QDateTime updateTimeForUuid(const QString &uuid) = 0;
    // Every row, trashed ones too, in the file's order, each card decrypted once.
    virtual std::vector<StoredCard> allCards() = 0;

    // Bulk work (an import, a merge, a re-key) runs inside one transaction on the calling thread's
    // connection: one commit instead of one per row.
    virtual bool beginTransaction() = 0;
    virtual bool commitTransaction() = 0;
    virtual bool rollbackTransaction() = 0;

    static DatabaseStatus checkDatabase(const QString &path);
    // Identity.Version of the file, or -1.
    static int databaseVersion(const QString &path);
    // Opens a wallet with its password, or creates one where no file exists.
    static std::unique_ptr<CardDb> open(const QString &path, const QString &password);
    // Reopens a wallet with the key of a store that was unlocked before.
    static std::unique_ptr<CardDb> openWithKey(const QString &path, const QByteArray &key);

    static constexpr int currentVersion = 2;
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
