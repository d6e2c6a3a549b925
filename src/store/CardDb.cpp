#include "store/CardDb.h"

#include "model/SecretText.h"
#include "model/TextUtils.h"
#include "store/CardCipher.h"
#include "store/FileOps.h"
#include "store/WalletProbe.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>

#include <cmath>
#include <utility>

namespace {

constexpr int infoSize = 48;
constexpr int blockSize = 16;
const char signature[] = "TesseraDb";

const QString cardColumns = QStringLiteral("ID, UUID, UpdateTime, Trashed, Data, Title");

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

struct IdentityParts
{
    explicit IdentityParts(const QByteArray &info)
        : checkBlock(info.mid(0, blockSize))
        , iv(info.mid(blockSize, blockSize))
        , salt(info.mid(2 * blockSize, blockSize))
    {
    }
    QByteArray checkBlock;
    QByteArray iv;
    QByteArray salt;
};

// A card that a merge would spread to other copies must carry the same identity in its row and in its
// text: one flipped bit in the row's clear column would otherwise travel as a new card (a flip inside
// the encrypted text already fails to decrypt or parse).
bool hasSoundIdentity(const StoredCard &row)
{
    return !row.uuid.isEmpty() && row.card->uuid() == row.uuid;
}

QString namedCards(const QVector<UnreadableCard> &cards)
{
    QStringList names;
    for (const UnreadableCard &card : cards)
        names.append(card.title.isEmpty() ? QStringLiteral("#%1").arg(card.id)
                                          : QStringLiteral("#%1 \"%2\"").arg(card.id).arg(card.title));
    return names.join(QStringLiteral(", "));
}

} // namespace

WalletError CardDb::unreadableCards(const QVector<UnreadableCard> &cards)
{
    return WalletError(WalletError::Damaged, tr("these cards cannot be read: %1").arg(namedCards(cards)));
}

namespace {

bool setError(WalletError *out, const WalletError &error)
{
    if (out)
        *out = error;
    return false;
}

} // namespace

// Reads that decrypt run in one snapshot of the file that starts with the identity, so that a card
// written meanwhile under a password another program set is told apart from a damaged one. Inside a
// transaction of the store's the identity was checked when it began.
class CardDb::ReadSnapshot
{
public:
    explicit ReadSnapshot(CardDb &store)
        : m_store(store)
        , m_own(store.m_transactionDepth == 0)
        , m_begun(!m_own || store.run(QStringLiteral("BEGIN")))
        , m_valid(m_begun && (!m_own || store.identityUnchanged()))
    {
    }
    ~ReadSnapshot()
    {
        if (m_own && m_begun)
            m_store.rollbackKeepingError();
    }
    ReadSnapshot(const ReadSnapshot &) = delete;
    ReadSnapshot &operator=(const ReadSnapshot &) = delete;

    bool isValid() const { return m_valid; }

private:
    CardDb &m_store;
    const bool m_own;
    const bool m_begun;
    const bool m_valid;
};

CardDb::CardDb(const QString &path, bool readOnly)
    : m_connections(path, readOnly)
{
}

CardDb::~CardDb() = default;

WalletError CardDb::probe(const QString &path, ProbeDepth depth)
{
    return WalletProbe::examine(path, depth == EveryPage ? WalletProbe::EveryPage : WalletProbe::IdentityOnly);
}

std::unique_ptr<CardDb> CardDb::openFile(const QString &path, WalletError *error)
{
    if (!CardCipher::isAvailable()) {
        setError(error, WalletError(WalletError::Unreadable, tr("no AES or SHA-256 provider is installed")));
        return nullptr;
    }
    // One connection does it all: the checks of a probe, then the identity.
    const WalletError problem = WalletProbe::fileProblem(path);
    if (problem.isError()) {
        setError(error, problem);
        return nullptr;
    }
    std::unique_ptr<CardDb> store(new CardDb(path, !FileOps::isWritableFile(path)));
    const QSqlDatabase db = store->m_connections.database();
    if (!db.isOpen()) {
        setError(error, WalletError::fromSql(store->m_connections.openError(), false));
        return nullptr;
    }
    const WalletError examined = WalletProbe::examineConnection(db, WalletProbe::IdentityOnly);
    if (examined.isError()) {
        setError(error, examined);
        return nullptr;
    }
    if (!store->loadIdentity()) {
        setError(error, store->m_lastError);
        return nullptr;
    }
    return store;
}

std::unique_ptr<CardDb> CardDb::open(const QString &path, const QString &password, WalletError *error)
{
    std::unique_ptr<CardDb> store = openFile(path, error);
    if (!store)
        return nullptr;
    const IdentityParts parts(store->m_info);
    const QByteArray key = CardCipher::deriveKey(password, parts.salt);
    auto cipher = std::make_unique<CardCipher>(key, parts.iv);
    if (!sameBytes(CardCipher::passwordVerifier(key, parts.checkBlock, parts.iv), store->m_hash)) {
        // A key that reads the cards is the right one: then the check value is what is damaged, unless
        // another program changed the password since the identity was read.
        const ReadSnapshot snapshot(*store);
        if (!snapshot.isValid())
            setError(error, store->m_lastError);
        else if (store->keyReadsACard(*cipher))
            setError(error, WalletError(WalletError::Damaged, tr("the password check value is damaged")));
        else
            setError(error, WalletError(WalletError::WrongPassword));
        return nullptr;
    }
    store->m_cipher = std::move(cipher);
    return store;
}

std::unique_ptr<CardDb> CardDb::openWithKey(const QString &path, const QByteArray &key, WalletError *error)
{
    if (key.size() != CardCipher::keySize) {
        setError(error, WalletError(WalletError::WrongPassword));
        return nullptr;
    }
    std::unique_ptr<CardDb> store = openFile(path, error);
    if (!store)
        return nullptr;
    const IdentityParts parts(store->m_info);
    if (!sameBytes(CardCipher::passwordVerifier(key, parts.checkBlock, parts.iv), store->m_hash)) {
        setError(error, WalletError(WalletError::PasswordChanged));
        return nullptr;
    }
    store->m_cipher = std::make_unique<CardCipher>(key, parts.iv);
    return store;
}

std::unique_ptr<CardDb> CardDb::create(const QString &path, const QString &password, WalletError *error)
{
    if (QFileInfo::exists(path)) {
        setError(error, WalletError(WalletError::WriteFailed, tr("a file of that name exists")));
        return nullptr;
    }
    QString reason;
    const QString staged = FileOps::createStagedFile(path, &reason);
    if (staged.isEmpty()) {
        setError(error, WalletError(WalletError::WriteFailed, reason));
        return nullptr;
    }
    const bool made = [&] {
        CardDb store(staged, false);
        QByteArray info(infoSize, Qt::Uninitialized);
        QRandomGenerator::system()->fillRange(reinterpret_cast<quint32 *>(info.data()), infoSize / 4);
        const IdentityParts parts(info);
        const QByteArray key = CardCipher::deriveKey(password, parts.salt);
        const QByteArray hash = CardCipher::passwordVerifier(key, parts.checkBlock, parts.iv);
        if (store.createTables()
            && store.write(QStringLiteral("INSERT INTO Identity (ID, Version, Signature, Sync_UUID, Hash, Info) "
                                          "VALUES (1, ?, ?, ?, ?, ?)"),
                           {currentVersion, QString::fromLatin1(signature), newUuid(), hash, info}))
            return true;
        setError(error, store.m_lastError);
        return false;
    }();
    if (!made || !FileOps::replaceAtomically(staged, path, &reason)) {
        if (made)
            setError(error, WalletError(WalletError::WriteFailed, reason));
        QFile::remove(staged);
        return nullptr;
    }
    return open(path, password, error);
}

std::unique_ptr<CardDb> CardDb::openOrCreate(const QString &path, const QString &password, WalletError *error)
{
    const QFileInfo file(path);
    return file.exists() || file.isSymLink() ? open(path, password, error) : create(path, password, error);
}

WalletSummary CardDb::summary(const QString &path)
{
    const std::unique_ptr<CardDb> store = openFile(path, nullptr);
    return store ? WalletSummary{store->m_syncUuid, store->cardCount()} : WalletSummary();
}

// Same Info and the same verifier of it: the same key and IV.
bool CardDb::sharesCipherWith(const CardDb &other) const
{
    return m_info == other.m_info && m_hash == other.m_hash;
}

bool CardDb::fail(const WalletError &error)
{
    m_lastError = error;
    return false;
}

bool CardDb::failSql(const QSqlQuery &query, bool writing)
{
    return fail(WalletError::fromSql(query.lastError(), writing));
}

PreparedStatement CardDb::run(const QString &sql, const QVariantList &values)
{
    QSqlQuery *query = m_connections.statement(sql);
    if (!query) {
        const QSqlDatabase db = m_connections.database();
        fail(db.isOpen() ? WalletError::fromSql(db.lastError(), false)
                         : WalletError(WalletError::Unreadable, tr("the wallet is closed")));
        return PreparedStatement();
    }
    for (int i = 0; i < values.size(); ++i)
        query->bindValue(i, values.at(i));
    if (query->exec())
        return PreparedStatement(query);
    failSql(*query, !sql.startsWith(QLatin1String("SELECT")));
    query->finish();
    return PreparedStatement();
}

bool CardDb::write(const QString &sql, const QVariantList &values)
{
    if (m_transactionDepth > 0)
        return writeInTransaction(sql, values);
    CardDbTransaction transaction(*this);
    return transaction.isActive() && writeInTransaction(sql, values) && transaction.commit();
}

// A write that changes nothing because another program deleted or renumbered the row is a failure,
// never a silent success.
bool CardDb::writeRow(const QString &sql, const QVariantList &values)
{
    if (m_transactionDepth == 0) {
        CardDbTransaction transaction(*this);
        return transaction.isActive() && writeRow(sql, values) && transaction.commit();
    }
    if (m_transactionDoomed)
        return false;
    const PreparedStatement statement = run(sql, values);
    if (!statement) {
        m_transactionDoomed = true;
        return false;
    }
    return statement->numRowsAffected() > 0 || fail(WalletError(WalletError::CardGone));
}

// After one failed statement SQLite may already have rolled the whole transaction back, and later
// statements would then each commit on their own: nothing more is written once one write failed.
bool CardDb::writeInTransaction(const QString &sql, const QVariantList &values)
{
    if (m_transactionDoomed)
        return false;
    if (run(sql, values))
        return true;
    m_transactionDoomed = true;
    return false;
}

bool CardDb::createTables()
{
    return write(QStringLiteral("CREATE TABLE IF NOT EXISTS Identity (ID INTEGER PRIMARY KEY "
                                "AUTOINCREMENT CHECK(ID==1), Version INTEGER, Signature TEXT, "
                                "Sync_UUID TEXT, Hash BLOB, Info BLOB);"),
                 {})
        && write(QStringLiteral("CREATE TABLE IF NOT EXISTS Cards (ID INTEGER PRIMARY KEY "
                                "AUTOINCREMENT,Title TEXT, Type TEXT, IconID INTEGER, UpdateTime "
                                "INTEGER, UUID TEXT UNIQUE NOT NULL, Data BLOB, Trashed INTEGER);"),
                 {});
}

bool CardDb::loadIdentity()
{
    PreparedStatement query = run(QStringLiteral("SELECT Sync_UUID, Info, Hash FROM Identity WHERE ID=1"));
    if (!query)
        return false;
    if (!query->next())
        return query->lastError().isValid() ? failSql(*query, false)
                                            : fail(WalletError(WalletError::Damaged, tr("no identity row")));
    m_syncUuid = query->value(0).toString();
    m_info = query->value(1).toByteArray();
    m_hash = query->value(2).toByteArray();
    // The probe checked the sizes a moment ago; another program may have changed them since.
    if (m_info.size() != infoSize)
        return fail(WalletError(WalletError::Damaged, tr("the password check values are damaged")));
    return true;
}

bool CardDb::identityUnchanged()
{
    PreparedStatement query = run(QStringLiteral("SELECT Hash, Info FROM Identity WHERE ID=1"));
    if (!query)
        return false;
    if (!query->next())
        return query->lastError().isValid() ? failSql(*query, false)
                                            : fail(WalletError(WalletError::Damaged, tr("no identity row")));
    if (query->value(0).toByteArray() == m_hash && query->value(1).toByteArray() == m_info)
        return true;
    return fail(WalletError(WalletError::PasswordChanged));
}

bool CardDb::keyReadsACard(const CardCipher &cipher)
{
    PreparedStatement query = run(QStringLiteral("SELECT Data FROM Cards LIMIT 3"));
    while (query && query->next()) {
        Card card;
        if (card.fromData(cipher.decrypt(query->value(0).toByteArray())))
            return true;
    }
    return false;
}

void CardDb::close()
{
    m_connections.close();
}

bool CardDb::isOpen() const
{
    return !m_connections.isClosed();
}

QByteArray CardDb::key() const
{
    return m_cipher ? m_cipher->key() : QByteArray();
}

bool CardDb::checkPassword(const QString &password)
{
    if (!isOpen())
        return false;
    const IdentityParts parts(m_info);
    QByteArray key = CardCipher::deriveKey(password, parts.salt);
    const bool matches = sameBytes(CardCipher::passwordVerifier(key, parts.checkBlock, parts.iv), m_hash);
    CardCipher::wipe(key);
    return matches;
}

std::unique_ptr<Card> CardDb::decode(const QByteArray &data) const
{
    auto card = std::make_unique<Card>();
    QByteArray text = m_cipher->decrypt(data);
    const bool read = card->fromData(text);
    SecretText::wipe(text);
    return read ? std::move(card) : nullptr;
}

std::optional<QVector<CardListEntry>> CardDb::cardList(ListScope scope)
{
    // The window's list needs only id, title and icon: reading no more keeps opening a large wallet quick.
    const bool all = scope != LiveCards;
    QVector<CardListEntry> entries;
    PreparedStatement query
        = run(scope == AllCards ? QStringLiteral("SELECT ID, Title, IconID, Type, Trashed FROM Cards")
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
        failSql(*query, false);
        return std::nullopt;
    }
    return entries;
}

int CardDb::cardCount()
{
    PreparedStatement query = run(QStringLiteral("SELECT COUNT(*) FROM Cards WHERE Trashed=0"));
    if (!query)
        return -1;
    if (!query->next()) {
        failSql(*query, false);
        return -1;
    }
    return query->value(0).toInt();
}

qint64 CardDb::outsideChanges()
{
    PreparedStatement query = run(QStringLiteral("PRAGMA data_version"));
    return query && query->next() ? query->value(0).toLongLong() : -1;
}

std::unique_ptr<Card> CardDb::card(int id)
{
    const ReadSnapshot snapshot(*this);
    if (!snapshot.isValid())
        return nullptr;
    PreparedStatement query = run(QStringLiteral("SELECT Data, Title FROM Cards WHERE ID = ?"), {id});
    if (!query)
        return nullptr;
    if (!query->next()) {
        if (query->lastError().isValid())
            failSql(*query, false);
        else
            fail(WalletError(WalletError::Damaged, tr("card #%1 is gone").arg(id)));
        return nullptr;
    }
    auto card = decode(query->value(0).toByteArray());
    if (!card)
        fail(WalletError(WalletError::Damaged,
                         tr("card %1 cannot be read").arg(namedCards({{id, query->value(1).toString()}}))));
    return card;
}

std::unique_ptr<Card> CardDb::cardByUuid(const QString &uuid, bool *trashed)
{
    const int id = cardIdForUuid(uuid);
    if (id == -1)
        return nullptr;
    PreparedStatement query = run(QStringLiteral("SELECT Trashed FROM Cards WHERE ID = ?"), {id});
    if (trashed)
        *trashed = query && query->next() && query->value(0).toInt() != 0;
    return card(id);
}

int CardDb::cardIdForUuid(const QString &uuid)
{
    PreparedStatement query = run(QStringLiteral("SELECT ID FROM Cards WHERE UUID = ?"), {uuid});
    if (!query)
        return -1;
    if (query->next())
        return query->value(0).toInt();
    if (query->lastError().isValid())
        failSql(*query, false);
    return -1;
}

std::optional<QStringList> CardDb::allUuids()
{
    PreparedStatement query = run(QStringLiteral("SELECT UUID FROM Cards ORDER BY ID"));
    if (!query)
        return std::nullopt;
    QStringList uuids;
    while (query->next())
        uuids.append(query->value(0).toString());
    if (query->lastError().isValid()) {
        failSql(*query, false);
        return std::nullopt;
    }
    return uuids;
}

// Reads every row in one pass; a row whose card does not read is listed. False when an SQLite error
// ended the pass early.
bool CardDb::readRows(CardReadout &readout, bool keepBlobs)
{
    PreparedStatement query = run(QStringLiteral("SELECT %1 FROM Cards ORDER BY ID").arg(cardColumns));
    if (!query)
        return false;
    while (query->next()) {
        StoredCard row{query->value(0).toInt(),
                       query->value(1).toString(),
                       rowTime(query->value(2)),
                       query->value(3).toInt() != 0,
                       decode(query->value(4).toByteArray()),
                       QByteArray()};
        if (keepBlobs)
            row.blob = query->value(4).toByteArray();
        if (row.card)
            readout.cards.push_back(std::move(row));
        else
            readout.unreadable.append({row.id, query->value(5).toString()});
    }
    return !query->lastError().isValid() || failSql(*query, false);
}

// Past a damaged page a scan stops, while rows behind it may still be reached by their id.
void CardDb::readRowsOneByOne(CardReadout &readout)
{
    QSet<int> seen;
    for (const StoredCard &row : readout.cards)
        seen.insert(row.id);
    for (const UnreadableCard &row : qAsConst(readout.unreadable))
        seen.insert(row.id);
    int last = 0;
    if (PreparedStatement query = run(QStringLiteral("SELECT seq FROM sqlite_sequence WHERE name = 'Cards'")))
        last = query->next() ? query->value(0).toInt() : 0;
    for (const int id : qAsConst(seen))
        last = std::max(last, id);

    std::vector<StoredCard> found;
    for (int id = 1; id <= last; ++id) {
        if (seen.contains(id))
            continue;
        PreparedStatement query = run(QStringLiteral("SELECT %1 FROM Cards WHERE ID = ?").arg(cardColumns), {id});
        if (!query) {
            readout.unreadable.append({id, QString()});
            continue;
        }
        if (!query->next()) {
            if (query->lastError().isValid())
                readout.unreadable.append({id, QString()});
            continue;
        }
        StoredCard row{id,
                       query->value(1).toString(),
                       rowTime(query->value(2)),
                       query->value(3).toInt() != 0,
                       decode(query->value(4).toByteArray()),
                       query->value(4).toByteArray()};
        if (row.card)
            found.push_back(std::move(row));
        else
            readout.unreadable.append({id, query->value(5).toString()});
    }
    for (StoredCard &row : found)
        readout.cards.push_back(std::move(row));
    std::sort(readout.cards.begin(), readout.cards.end(),
              [](const StoredCard &a, const StoredCard &b) { return a.id < b.id; });
}

std::optional<std::vector<StoredCard>> CardDb::allCards()
{
    const ReadSnapshot snapshot(*this);
    CardReadout readout;
    if (!snapshot.isValid() || !readRows(readout, false))
        return std::nullopt;
    for (const StoredCard &row : readout.cards) {
        if (!hasSoundIdentity(row))
            readout.unreadable.append({row.id, row.card->title()});
    }
    if (!readout.unreadable.isEmpty()) {
        fail(unreadableCards(readout.unreadable));
        return std::nullopt;
    }
    return std::move(readout.cards);
}

std::optional<std::vector<CardHead>> CardDb::cardHeads(VersionMark mark)
{
    const ReadSnapshot snapshot(*this);
    if (!snapshot.isValid())
        return std::nullopt;
    PreparedStatement query
        = run(QStringLiteral("SELECT ID, UUID, UpdateTime, Trashed, Title, Type, IconID, Data FROM Cards ORDER BY ID"));
    if (!query)
        return std::nullopt;
    std::vector<CardHead> heads;
    while (query->next()) {
        // A digest, not the text, so that no secrets stay behind in the heads; a blob that does not
        // decrypt stays its own mark, which equals no other copy's.
        QByteArray version = query->value(7).toByteArray();
        if (mark == TextDigest) {
            QByteArray text = m_cipher->decrypt(version);
            if (!text.isEmpty())
                version = QCryptographicHash::hash(text, QCryptographicHash::Sha256);
            CardCipher::wipe(text);
        }
        heads.push_back({query->value(0).toInt(), query->value(1).toString(),
                         qint64(std::trunc(query->value(2).toDouble())), query->value(3).toInt() != 0,
                         query->value(4).toString(), query->value(5).toString(), query->value(6).toInt(), version});
    }
    if (query->lastError().isValid()) {
        failSql(*query, false);
        return std::nullopt;
    }
    return heads;
}

std::optional<std::vector<std::unique_ptr<Card>>> CardDb::cardsOfRows(const QVector<CardHead> &rows)
{
    const ReadSnapshot snapshot(*this);
    if (!snapshot.isValid())
        return std::nullopt;
    std::vector<std::unique_ptr<Card>> cards;
    cards.reserve(std::size_t(rows.size()));
    QVector<UnreadableCard> unreadable;
    for (const CardHead &row : rows) {
        PreparedStatement query = run(QStringLiteral("SELECT Data FROM Cards WHERE ID = ?"), {row.id});
        if (!query)
            return std::nullopt;
        std::unique_ptr<Card> card = query->next() ? decode(query->value(0).toByteArray()) : nullptr;
        if (query->lastError().isValid()) {
            failSql(*query, false);
            return std::nullopt;
        }
        if (!card || row.uuid.isEmpty() || card->uuid() != row.uuid)
            unreadable.append({row.id, row.title});
        cards.push_back(std::move(card));
    }
    if (!unreadable.isEmpty()) {
        fail(unreadableCards(unreadable));
        return std::nullopt;
    }
    return cards;
}

CardReadout CardDb::salvage()
{
    CardReadout readout;
    if (!readRows(readout, true))
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

// A damaged table can hide rows from every scan and every look-up by id, while the index of the
// uuids still lists them: those cards are lost, and are named by their id.
void CardDb::addRowsOnlyTheIndexKnows(CardReadout &readout, const QSet<int> &seen)
{
    PreparedStatement index = run(
        QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index' AND name = 'sqlite_autoindex_Cards_1'"));
    if (!index || !index->next())
        return;
    PreparedStatement query
        = run(QStringLiteral("SELECT ID FROM Cards INDEXED BY sqlite_autoindex_Cards_1 WHERE UUID >= '' ORDER BY ID"));
    while (query && query->next()) {
        const int id = query->value(0).toInt();
        if (!seen.contains(id))
            readout.unreadable.append({id, QString()});
    }
}

bool CardDb::forEachCard(const std::function<bool(const StoredCard &)> &visit, ListScope scope)
{
    const QString where
        = scope == AllCards ? QString() : QStringLiteral(" WHERE Trashed = %1").arg(scope == TrashedCards ? 1 : 0);
    const ReadSnapshot snapshot(*this);
    if (!snapshot.isValid())
        return false;
    PreparedStatement query = run(QStringLiteral("SELECT %1 FROM Cards%2 ORDER BY ID").arg(cardColumns, where));
    if (!query)
        return false;
    while (query->next()) {
        const StoredCard row{query->value(0).toInt(),
                             query->value(1).toString(),
                             rowTime(query->value(2)),
                             query->value(3).toInt() != 0,
                             decode(query->value(4).toByteArray()),
                             QByteArray()};
        if (!row.card || !hasSoundIdentity(row)) {
            return fail(unreadableCards({{row.id, query->value(5).toString()}}));
        }
        if (!visit(row))
            return true;
    }
    return !query->lastError().isValid() || failSql(*query, false);
}

std::optional<QHash<QString, qint64>> CardDb::purgedCards()
{
    QHash<QString, qint64> purged;
    {
        PreparedStatement table
            = run(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND name = 'Purged'"));
        if (!table)
            return std::nullopt;
        if (!table->next()) {
            failSql(*table, false);
            return std::nullopt;
        }
        if (table->value(0).toInt() == 0)
            return purged;
    }
    PreparedStatement query = run(QStringLiteral("SELECT UUID, Time FROM Purged"));
    if (!query)
        return std::nullopt;
    while (query->next())
        purged.insert(query->value(0).toString(), query->value(1).toLongLong());
    if (query->lastError().isValid()) {
        failSql(*query, false);
        return std::nullopt;
    }
    return purged;
}

bool CardDb::addCard(Card &card)
{
    // The text first: writing it cleans the title that the clear column repeats.
    const QByteArray data = m_cipher->encrypt(card.toData());
    return write(
        QStringLiteral("INSERT INTO Cards (Title, Type, IconId, UpdateTime, UUID, Data, Trashed)"
                       "VALUES (?,?,?,?,?,?,?)"),
        {card.title(), card.templateType(), card.iconId(), storedSeconds(card.updateTime()), card.uuid(), data, 0});
}

bool CardDb::updateCard(int id, Card &card)
{
    const QByteArray data = m_cipher->encrypt(card.toData());
    return writeRow(QStringLiteral("UPDATE Cards SET Title =?, Type=?, IconID=?, UpdateTime=?, UUID=?, "
                                   "Data=?, Trashed=? WHERE ID = ? AND UUID = ?"),
                    {card.title(), card.templateType(), card.iconId(), storedSeconds(card.updateTime()), card.uuid(),
                     data, 0, id, card.uuid()});
}

bool CardDb::trashCard(int id)
{
    return writeRow(QStringLiteral("UPDATE Cards SET Trashed = 1,UpdateTime = ? WHERE ID = ?"),
                    {double(QDateTime::currentSecsSinceEpoch()), id});
}

bool CardDb::restoreCard(int id)
{
    CardDbTransaction transaction(*this);
    if (!transaction.isActive() || !isInTrash(id))
        return false;
    const auto restored = card(id);
    if (!restored)
        return false;
    restored->setUpdateTime(QDateTime::currentDateTimeUtc());
    return updateCard(id, *restored) && transaction.commit();
}

bool CardDb::putCard(int id, Card &card, bool trashed, const QDateTime &rowTime)
{
    const QByteArray data = m_cipher->encrypt(card.toData());
    const QVariantList values{card.title(), card.templateType(), card.iconId(), storedSeconds(rowTime), card.uuid(),
                              data,         trashed ? 1 : 0};
    if (id == -1)
        return write(QStringLiteral("INSERT INTO Cards (Title, Type, IconID, UpdateTime, UUID, Data, Trashed) "
                                    "VALUES (?,?,?,?,?,?,?)"),
                     values);
    return write(QStringLiteral("UPDATE Cards SET Title=?, Type=?, IconID=?, UpdateTime=?, UUID=?, Data=?, Trashed=? "
                                "WHERE ID = ?"),
                 values + QVariantList{id});
}

bool CardDb::setTrashed(int id, bool trashed, const QDateTime &rowTime)
{
    return write(QStringLiteral("UPDATE Cards SET Trashed = ?, UpdateTime = ? WHERE ID = ?"),
                 {trashed ? 1 : 0, storedSeconds(rowTime), id});
}

bool CardDb::deleteAllCards()
{
    return write(QStringLiteral("DELETE FROM Cards Where ID > 0"), {});
}

bool CardDb::isInTrash(int id)
{
    PreparedStatement query = run(QStringLiteral("SELECT Trashed FROM Cards WHERE ID = ?"), {id});
    if (!query)
        return false;
    if (query->next()) {
        return query->value(0).toInt() != 0
            || fail(WalletError(WalletError::WriteFailed, tr("card #%1 is not in the trash").arg(id)));
    }
    return query->lastError().isValid() ? failSql(*query, false)
                                        : fail(WalletError(WalletError::Damaged, tr("card #%1 is gone").arg(id)));
}

// The phone application reads only Identity and Cards and never sees this table; a wallet gets it
// with its first deletion for ever.
bool CardDb::createPurgedTable()
{
    return write(QStringLiteral("CREATE TABLE IF NOT EXISTS Purged (UUID TEXT PRIMARY KEY, Time INTEGER)"), {});
}

bool CardDb::purgeCard(int id)
{
    CardDbTransaction transaction(*this);
    if (!transaction.isActive() || !isInTrash(id))
        return false;
    return createPurgedTable()
        && write(QStringLiteral("INSERT OR REPLACE INTO Purged (UUID, Time) SELECT UUID, ? FROM Cards WHERE ID = ?"),
                 {QDateTime::currentSecsSinceEpoch(), id})
        && write(QStringLiteral("DELETE FROM Cards WHERE ID = ? AND Trashed = 1"), {id}) && transaction.commit();
}

bool CardDb::purgeTrashed()
{
    CardDbTransaction transaction(*this);
    return transaction.isActive() && createPurgedTable()
        && write(QStringLiteral("INSERT OR REPLACE INTO Purged (UUID, Time) SELECT UUID, ? FROM Cards "
                                "WHERE Trashed = 1"),
                 {QDateTime::currentSecsSinceEpoch()})
        && write(QStringLiteral("DELETE FROM Cards Where Trashed = 1"), {}) && transaction.commit();
}

bool CardDb::forgetPurged(const QStringList &uuids)
{
    if (uuids.isEmpty())
        return true;
    CardDbTransaction transaction(*this);
    if (!transaction.isActive() || !createPurgedTable())
        return false;
    for (const QString &uuid : uuids) {
        if (!write(QStringLiteral("DELETE FROM Purged WHERE UUID = ?"), {uuid}))
            return false;
    }
    return transaction.commit();
}

bool CardDb::recordPurged(const QHash<QString, qint64> &purged)
{
    if (purged.isEmpty())
        return true;
    CardDbTransaction transaction(*this);
    if (!transaction.isActive() || !createPurgedTable())
        return false;
    for (auto it = purged.cbegin(); it != purged.cend(); ++it) {
        if (!write(QStringLiteral("INSERT INTO Purged (UUID, Time) VALUES (?, ?) ON CONFLICT(UUID) DO UPDATE "
                                  "SET Time = max(Time, excluded.Time)"),
                   {it.key(), it.value()}))
            return false;
    }
    return transaction.commit();
}

bool CardDb::changePassword(const QString &oldPassword, const QString &newPassword)
{
    if (isReadOnly())
        return fail(WalletError(WalletError::ReadOnly));
    if (!checkPassword(oldPassword))
        return fail(WalletError(WalletError::WrongPassword));
    const IdentityParts parts(m_info);
    const QByteArray newKey = CardCipher::deriveKey(newPassword, parts.salt);
    auto newCipher = std::make_unique<CardCipher>(newKey, parts.iv);
    const QByteArray newHash = CardCipher::passwordVerifier(newKey, parts.checkBlock, parts.iv);

    CardDbTransaction transaction(*this);
    if (!transaction.isActive())
        return false;
    // Each card's text passes from the old key to the new one byte for byte; it is only parsed to
    // make sure it is a card, since a blob the old key cannot read would be lost under the new one.
    QVector<QPair<int, QByteArray>> plainTexts;
    QVector<UnreadableCard> unreadable;
    {
        PreparedStatement rows = run(QStringLiteral("SELECT ID, Data, Title FROM Cards"));
        if (!rows)
            return false;
        while (rows->next()) {
            const QByteArray plain = m_cipher->decrypt(rows->value(1).toByteArray());
            Card card;
            if (card.fromData(plain))
                plainTexts.append({rows->value(0).toInt(), plain});
            else
                unreadable.append({rows->value(0).toInt(), rows->value(2).toString()});
        }
        if (rows->lastError().isValid())
            return failSql(*rows, false);
    }
    if (!unreadable.isEmpty())
        return fail(unreadableCards(unreadable));
    for (const auto &row : qAsConst(plainTexts)) {
        if (!write(QStringLiteral("UPDATE Cards SET Data = ? WHERE ID = ?"),
                   {newCipher->encrypt(row.second), row.first}))
            return false;
    }
    if (!write(QStringLiteral("UPDATE Identity SET Hash = ? WHERE ID = 1"), {newHash}) || !transaction.commit())
        return false;
    m_cipher = std::move(newCipher);
    m_hash = newHash;
    return true;
}

bool CardDb::saveCopy(const QString &target, QVector<UnreadableCard> *leftOut)
{
    QString reason;
    const QString staged = FileOps::createStagedFile(target, &reason);
    if (staged.isEmpty())
        return fail(WalletError(WalletError::WriteFailed, reason));
    // Other writers wait until the copy is complete, so it is one consistent state of the wallet.
    const bool inCallersTransaction = m_transactionDepth > 0;
    CardDbTransaction snapshot(*this);
    if (!snapshot.isActive()) {
        QFile::remove(staged);
        return false;
    }
    const CardReadout readout = salvage();
    bool copied = false;
    {
        CardDb copy(staged, false);
        copied = copyInto(copy, readout);
        if (!copied)
            m_lastError = copy.m_lastError;
    }
    // Only read: inside a caller's transaction it must end without dooming that one; on its own, a
    // commit that fails (SQLite gave up on a damaged page) changes nothing either.
    const bool released = snapshot.commit() || !inCallersTransaction;
    if (!copied || !released || !FileOps::replaceAtomically(staged, target, &reason)) {
        QFile::remove(staged);
        return copied && released ? fail(WalletError(WalletError::WriteFailed, reason)) : false;
    }
    if (leftOut)
        *leftOut = readout.unreadable;
    return true;
}

bool CardDb::copyInto(CardDb &target, const CardReadout &readout)
{
    CardDbTransaction transaction(target);
    if (!target.createTables()
        || !target.write(QStringLiteral("INSERT INTO Identity (ID, Version, Signature, Sync_UUID, Hash, Info) "
                                        "VALUES (1, ?, ?, ?, ?, ?)"),
                         {currentVersion, QString::fromLatin1(signature), m_syncUuid, m_hash, m_info}))
        return false;
    const auto purged = purgedCards();
    if (!purged || !target.recordPurged(*purged)) {
        if (!purged)
            target.m_lastError = m_lastError;
        return false;
    }
    for (const StoredCard &row : readout.cards) {
        const Card &card = *row.card;
        if (!target.write(QStringLiteral("INSERT INTO Cards (ID, Title, Type, IconID, UpdateTime, UUID, Data, "
                                         "Trashed) VALUES (?,?,?,?,?,?,?,?)"),
                          {row.id, card.title(), card.templateType(), card.iconId(), storedSeconds(row.rowTime),
                           row.uuid, row.blob, row.trashed ? 1 : 0}))
            return false;
    }
    return transaction.commit();
}

bool CardDb::beginTransaction()
{
    if (m_transactionDepth > 0) {
        if (m_transactionDoomed)
            return false;
        ++m_transactionDepth;
        return true;
    }
    m_transactionDoomed = false;
    m_lastError = WalletError();
    // A read-only file takes no write lock; its transaction only keeps reads consistent.
    if (!run(isReadOnly() ? QStringLiteral("BEGIN") : QStringLiteral("BEGIN IMMEDIATE")))
        return false;
    if (m_cipher && !identityUnchanged()) {
        rollbackKeepingError();
        return false;
    }
    m_transactionDepth = 1;
    return true;
}

bool CardDb::commitTransaction()
{
    if (m_transactionDepth == 0)
        return false;
    if (--m_transactionDepth > 0)
        return !m_transactionDoomed;
    if (!m_transactionDoomed && run(QStringLiteral("COMMIT")))
        return true;
    rollbackKeepingError();
    return false;
}

void CardDb::rollbackKeepingError()
{
    const WalletError reason = m_lastError;
    run(QStringLiteral("ROLLBACK"));
    m_lastError = reason;
}

bool CardDb::rollbackTransaction()
{
    if (m_transactionDepth == 0)
        return false;
    m_transactionDoomed = true;
    if (--m_transactionDepth == 0)
        rollbackKeepingError();
    return true;
}

CardDbTransaction::CardDbTransaction(CardDb &store)
    : m_store(store)
    , m_active(store.beginTransaction())
{
}

CardDbTransaction::~CardDbTransaction()
{
    if (m_active)
        m_store.rollbackTransaction();
}

bool CardDbTransaction::commit()
{
    if (!m_active)
        return false;
    m_active = false;
    return m_store.commitTransaction();
}
