#include "store/CardDb2.h"

#include "model/CardLoader.h"
#include "model/TextUtils.h"
#include "store/FileOps.h"

#include <QDebug>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <cmath>
#include <utility>

namespace {

constexpr int infoSize = 48;
constexpr int blockSize = 16;
const char signature[] = "TesseraDb";

uint storedSeconds(const QDateTime &time)
{
    return uint(time.isValid() ? time.toSecsSinceEpoch() : 0);
}

// UpdateTime as whole seconds; another program may have written a fraction.
QDateTime rowTime(const QVariant &column)
{
    return QDateTime::fromSecsSinceEpoch(qint64(std::trunc(column.toDouble())), Qt::UTC);
}

bool sameBytes(const QByteArray &a, const QByteArray &b)
{
    if (a.isEmpty() || a.size() != b.size())
        return false;
    char difference = 0;
    for (int i = 0; i < a.size(); ++i)
        difference |= char(a[i] ^ b[i]);
    return difference == 0;
}

} // namespace

CardDb2::CardDb2(const QString &path, bool readOnly)
    : m_connections(path, readOnly)
{
}

CardDb2::~CardDb2() = default;

std::unique_ptr<CardDb2> CardDb2::openOrCreate(const QString &path, const QString &password)
{
    if (!CardCipher::isAvailable() || QFileInfo(path).isDir())
        return nullptr;
    const bool readOnly = QFileInfo::exists(path) && !FileOps::isWritableFile(path);
    std::unique_ptr<CardDb2> store(new CardDb2(path, readOnly));
    if (!store->database().isOpen()) {
        qDebug() << "Error opening Handle to Database2";
        return nullptr;
    }
    if (!store->createTables())
        return nullptr;

    // An identity that cannot be read (a locked or damaged file) is never replaced by a new one.
    const int identities = store->identityCount();
    QByteArray key;
    if (identities == 0) {
        if (!store->createIdentity(password, &key))
            return nullptr;
    } else if (identities == 1 && store->loadIdentity()) {
        key = CardCipher::deriveKey(password, store->m_salt);
    } else {
        return nullptr;
    }

    if (!sameBytes(CardCipher::passwordVerifier(key, store->m_checkBlock, store->m_iv), store->storedHash())) {
        qDebug() << "Invalid Passowrd";
        store->close();
        return nullptr;
    }
    store->m_cipher = std::make_unique<CardCipher>(key, store->m_iv);
    return store;
}

std::unique_ptr<CardDb2> CardDb2::openWithKey(const QString &path, const QByteArray &key)
{
    if (!CardCipher::isAvailable() || key.size() != CardCipher::keySize || !QFileInfo(path).isFile())
        return nullptr;
    std::unique_ptr<CardDb2> store(new CardDb2(path, !FileOps::isWritableFile(path)));
    if (!store->database().isOpen()) {
        qDebug() << "Error opening Handle to Database2";
        return nullptr;
    }
    if (!store->loadIdentity())
        return nullptr;
    store->m_cipher = std::make_unique<CardCipher>(key, store->m_iv);
    return store;
}

QSqlDatabase CardDb2::database()
{
    return m_connections.database();
}

PreparedStatement CardDb2::run(const QString &sql, const QVariantList &values)
{
    QSqlQuery *query = m_connections.statement(sql);
    if (!query)
        return PreparedStatement();
    for (int i = 0; i < values.size(); ++i)
        query->bindValue(i, values.at(i));
    PreparedStatement statement(query);
    return query->exec() ? std::move(statement) : PreparedStatement();
}

bool CardDb2::createTables()
{
    return run(QStringLiteral("CREATE TABLE IF NOT EXISTS Identity (ID INTEGER PRIMARY KEY "
                              "AUTOINCREMENT CHECK(ID==1), Version INTEGER, Signature TEXT, "
                              "Sync_UUID TEXT, Hash BLOB, Info BLOB);"))
        && run(QStringLiteral("CREATE TABLE IF NOT EXISTS Cards (ID INTEGER PRIMARY KEY "
                              "AUTOINCREMENT,Title TEXT, Type TEXT, IconID INTEGER, UpdateTime "
                              "INTEGER, UUID TEXT UNIQUE NOT NULL, Data BLOB, Trashed INTEGER);"));
}

int CardDb2::identityCount()
{
    PreparedStatement query = run(QStringLiteral("SELECT COUNT(*) AS count FROM Identity"));
    if (!query || !query->next())
        return -1;
    return query->value(QStringLiteral("count")).toInt();
}

bool CardDb2::createIdentity(const QString &password, QByteArray *key)
{
    QByteArray info(infoSize, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32 *>(info.data()), infoSize / 4);
    splitInfo(info);
    m_syncUuid = newUuid();
    *key = CardCipher::deriveKey(password, m_salt);
    const QByteArray hash = CardCipher::passwordVerifier(*key, m_checkBlock, m_iv);
    return bool(run(QStringLiteral("INSERT INTO Identity (ID, Version, Signature,Sync_UUID,Hash,Info)"
                                   "VALUES (:id, :ver, :sign, :syuid, :hash, :info)"),
                    {1, currentVersion, QString::fromLatin1(signature), m_syncUuid, hash, info}));
}

bool CardDb2::loadIdentity()
{
    PreparedStatement query = run(QStringLiteral("SELECT Sync_UUID, Info FROM Identity WHERE ID=1"));
    if (!query || !query->next())
        return false;
    const QByteArray info = query->value(1).toByteArray();
    // Without a complete Info there is no IV or salt to work with.
    if (info.size() != infoSize)
        return false;
    m_syncUuid = query->value(0).toString();
    splitInfo(info);
    return true;
}

void CardDb2::splitInfo(const QByteArray &info)
{
    m_info = info;
    m_checkBlock = info.mid(0, blockSize);
    m_iv = info.mid(blockSize, blockSize);
    m_salt = info.mid(2 * blockSize, blockSize);
}

QByteArray CardDb2::storedHash()
{
    PreparedStatement query = run(QStringLiteral("SELECT Hash FROM Identity WHERE ID=1"));
    return query && query->next() ? query->value(0).toByteArray() : QByteArray();
}

void CardDb2::close()
{
    m_connections.close();
}

bool CardDb2::isOpen() const
{
    return !m_connections.isClosed();
}

Card *CardDb2::addTemplate(const QString &templateType, int iconId, const QString &title)
{
    return m_catalog.addTemplate(templateType, iconId, title);
}

bool CardDb2::checkPassword(const QString &password)
{
    if (m_iv.isEmpty())
        return false;
    const QByteArray key = CardCipher::deriveKey(password, m_salt);
    return sameBytes(CardCipher::passwordVerifier(key, m_checkBlock, m_iv), storedHash());
}

QByteArray CardDb2::key() const
{
    return m_cipher ? m_cipher->key() : QByteArray();
}

QByteArray CardDb2::encodeCard(Card &card) const
{
    return m_cipher->encrypt(card.toData());
}

std::unique_ptr<Card> CardDb2::decodeCard(const QByteArray &data) const
{
    auto card = std::make_unique<Card>();
    card->fromData(m_cipher->decrypt(data));
    return card;
}

bool CardDb2::addCard(Card &card)
{
    const QByteArray data = encodeCard(card);
    return bool(run(
        QStringLiteral("INSERT INTO Cards (Title, Type, IconId, UpdateTime, UUID, Data, Trashed)"
                       "VALUES (?,?,?,?,?,?,?)"),
        {card.title(), card.templateType(), card.iconId(), storedSeconds(card.updateTime()), card.uuid(), data, 0}));
}

int CardDb2::cardIdForUuid(const QString &uuid)
{
    PreparedStatement query = run(QStringLiteral("SELECT ID FROM Cards where UUID=?"), {uuid});
    return query && query->next() ? query->value(0).toInt() : -1;
}

bool CardDb2::trashCard(int id)
{
    return bool(run(QStringLiteral("UPDATE Cards SET Trashed = 1,UpdateTime = ? WHERE ID = ?"),
                    {double(QDateTime::currentSecsSinceEpoch()), id}));
}

bool CardDb2::deleteAllCards()
{
    return bool(run(QStringLiteral("DELETE FROM Cards Where ID > 0")));
}

bool CardDb2::purgeTrashed()
{
    return bool(run(QStringLiteral("DELETE FROM Cards Where Trashed = 1")));
}

std::unique_ptr<Card> CardDb2::card(int id)
{
    PreparedStatement query = run(QStringLiteral("SELECT Data FROM Cards WHERE ID = ?"), {id});
    if (!query || !query->next())
        return nullptr;
    return decodeCard(query->value(0).toByteArray());
}

bool CardDb2::updateCard(int id, Card &card)
{
    const QByteArray data = encodeCard(card);
    return bool(run(QStringLiteral("UPDATE Cards SET Title =?, Type=?, IconID=?, UpdateTime=?, UUID=?, "
                                   "Data=?, Trashed=? WHERE ID = ?"),
                    {card.title(), card.templateType(), card.iconId(), storedSeconds(card.updateTime()), card.uuid(),
                     data, 0, id}));
}

QVector<CardListEntry> CardDb2::cardList(ListScope scope)
{
    // The window's list needs only id, title and icon: reading no more keeps opening a large wallet quick.
    const bool all = scope == AllCards;
    QVector<CardListEntry> entries;
    PreparedStatement query = run(all ? QStringLiteral("SELECT ID, Title, IconID, Type, Trashed FROM Cards")
                                      : QStringLiteral("SELECT ID, Title, IconID FROM Cards WHERE Trashed=0"));
    while (query && query->next()) {
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
    return entries;
}

int CardDb2::cardCount()
{
    PreparedStatement query = run(QStringLiteral("SELECT COUNT(*) AS count FROM Cards WHERE Trashed=0"));
    return query && query->next() ? query->value(QStringLiteral("count")).toInt() : -1;
}

bool CardDb2::loadTemplates(const QString &path)
{
    return CardLoader(m_catalog, path).load();
}

QList<Card *> CardDb2::templates() const
{
    return m_catalog.templates();
}

QString CardDb2::fieldLabel(int uid, const QString &templateType) const
{
    return m_catalog.fieldLabel(uid, templateType);
}

QMap<QString, Card *> CardDb2::templateMap() const
{
    return m_catalog.templateMap();
}

QStringList CardDb2::allUuids()
{
    QStringList uuids;
    PreparedStatement query = run(QStringLiteral("SELECT UUID FROM Cards ORDER BY ID"));
    while (query && query->next())
        uuids.append(query->value(0).toString());
    return uuids;
}

std::unique_ptr<Card> CardDb2::cardByUuid(const QString &uuid, bool *trashed)
{
    PreparedStatement query = run(QStringLiteral("SELECT Data,Trashed FROM Cards WHERE UUID = ?"), {uuid});
    if (!query || !query->next())
        return nullptr;
    if (trashed)
        *trashed = query->value(1).toInt() != 0;
    return decodeCard(query->value(0).toByteArray());
}

QDateTime CardDb2::updateTimeForUuid(const QString &uuid)
{
    PreparedStatement query = run(QStringLiteral("SELECT UpdateTime FROM Cards WHERE UUID = ?"), {uuid});
    if (!query || !query->next())
        return QDateTime();
    return rowTime(query->value(0));
}

std::vector<StoredCard> CardDb2::allCards()
{
    std::vector<StoredCard> cards;
    PreparedStatement query = run(QStringLiteral("SELECT ID, UUID, UpdateTime, Trashed, Data FROM Cards"));
    while (query && query->next()) {
        cards.push_back({query->value(0).toInt(), query->value(1).toString(), rowTime(query->value(2)),
                         query->value(3).toInt() != 0, decodeCard(query->value(4).toByteArray())});
    }
    return cards;
}

bool CardDb2::beginTransaction()
{
    QSqlDatabase db = database();
    return db.isOpen() && db.transaction();
}

bool CardDb2::commitTransaction()
{
    QSqlDatabase db = database();
    return db.isOpen() && db.commit();
}

bool CardDb2::rollbackTransaction()
{
    QSqlDatabase db = database();
    return db.isOpen() && db.rollback();
}

bool CardDb2::setCardData(int id, const QByteArray &data)
{
    return bool(run(QStringLiteral("UPDATE Cards SET Data =? WHERE ID = ?"), {data, id}));
}

bool CardDb2::setPasswordHash(const QByteArray &hash)
{
    return bool(run(QStringLiteral("UPDATE Identity SET Hash =? WHERE ID = 1"), {hash}));
}

// Each row's plaintext passes from this store's cipher to the target's unchanged: the card text is not
// decoded on the way, so it survives byte for byte whether or not this program can read it.
bool CardDb2::reencryptInto(CardDb2 &target)
{
    PreparedStatement rows = run(QStringLiteral("SELECT ID, Data FROM Cards"));
    if (!rows)
        return false;
    while (rows->next()) {
        const QByteArray plain = m_cipher->decrypt(rows->value(1).toByteArray());
        if (!target.setCardData(rows->value(0).toInt(), target.m_cipher->encrypt(plain)))
            return false;
    }
    return true;
}

std::unique_ptr<CardDb> CardDb2::changePassword(const QString &oldPassword, const QString &newPassword)
{
    const QString path = this->path();
    const QString copyPath = FileOps::stagingPath(path);
    if (!isOpen() || m_connections.isReadOnly() || !FileOps::copyReplacing(path, copyPath))
        return nullptr;

    {
        std::unique_ptr<CardDb2> copy = openOrCreate(copyPath, oldPassword);
        if (!copy) {
            QFile::remove(copyPath);
            return nullptr;
        }
        const QByteArray newKey = CardCipher::deriveKey(newPassword, m_salt);
        copy->m_cipher = std::make_unique<CardCipher>(newKey, m_iv);
        bool written = false;
        {
            CardDbTransaction transaction(*copy);
            written = transaction.isActive() && reencryptInto(*copy)
                && copy->setPasswordHash(CardCipher::passwordVerifier(newKey, m_checkBlock, m_iv))
                && transaction.commit();
        }
        copy->close();
        if (!written) {
            copy.reset();
            QFile::remove(copyPath);
            return nullptr;
        }
    }

    close();
    if (!FileOps::replaceAtomically(copyPath, path)) {
        // The wallet at the path is still the old one: keep using it.
        QFile::remove(copyPath);
        m_connections.reopen();
        return nullptr;
    }
    return openOrCreate(path, newPassword);
}
