#pragma once

#include "model/TemplateCatalog.h"
#include "store/CardCipher.h"
#include "store/CardDb.h"
#include "store/PreparedStatement.h"
#include "store/ThreadConnections.h"

#include <QVariant>

#include <memory>

class QSqlDatabase;

// The wallet store on format version 2: an SQLite file with an Identity row and one encrypted row per card.
class CardDb2 : public CardDb
{
public:
    ~CardDb2() override;

    // Opens the file, creating file, tables and identity where they are missing, and admits the
    // password only if it matches the file's verifier.
    static std::unique_ptr<CardDb2> openOrCreate(const QString &path, const QString &password);
    static std::unique_ptr<CardDb2> openWithKey(const QString &path, const QByteArray &key);

    void close() override;
    bool isOpen() const override;
    int version() const override { return currentVersion; }
    QString path() const override { return m_connections.path(); }
    Card *addTemplate(const QString &templateType, int iconId, const QString &title) override;
    bool checkPassword(const QString &password) override;
    QByteArray key() const override;
    bool addCard(Card &card) override;
    int cardIdForUuid(const QString &uuid) override;
    bool trashCard(int id) override;
    bool deleteAllCards() override;
    bool purgeTrashed() override;
    std::unique_ptr<Card> card(int id) override;
    std::unique_ptr<CardDb> changePassword(const QString &oldPassword, const QString &newPassword) override;
    bool updateCard(int id, Card &card) override;
    QVector<CardListEntry> cardList(ListScope scope) override;
    int cardCount() override;
    bool loadTemplates(const QString &path) override;
    QList<Card *> templates() const override;
    QString fieldLabel(int uid, const QString &templateType) const override;
    QMap<QString, Card *> templateMap() const override;
    QStringList allUuids() override;
    std::unique_ptr<Card> cardByUuid(const QString &uuid, bool *trashed) override;
    QDateTime updateTimeForUuid(const QString &uuid) override;
    std::vector<StoredCard> allCards() override;
    bool beginTransaction() override;
    bool commitTransaction() override;
    bool rollbackTransaction() override;

    QString syncUuid() const { return m_syncUuid; }
    QByteArray info() const { return m_info; }

private:
    CardDb2(const QString &path, bool readOnly);

    QSqlDatabase database();
    // Runs one of the store's statements with positional values on this thread's connection.
    PreparedStatement run(const QString &sql, const QVariantList &values = {});
    bool createTables();
    // -1 when the Identity table cannot be read (a locked or damaged file), else the number of rows.
    int identityCount();
    bool createIdentity(const QString &password, QByteArray *key);
    bool loadIdentity();
    void splitInfo(const QByteArray &info);
    QByteArray storedHash();
    bool setCardData(int id, const QByteArray &data);
    bool setPasswordHash(const QByteArray &hash);
    bool reencryptInto(CardDb2 &target);
    std::unique_ptr<Card> decodeCard(const QByteArray &data) const;
    QByteArray encodeCard(Card &card) const;

    TemplateCatalog m_catalog;
    std::unique_ptr<CardCipher> m_cipher;
    QString m_syncUuid;
    QByteArray m_checkBlock;
    QByteArray m_salt;
    QByteArray m_iv;
    QByteArray m_info;
    ThreadConnections m_connections;
};
