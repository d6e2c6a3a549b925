#include "store/WalletFile.h"

#include "model/Card.h"
#include "model/SecretText.h"
#include "model/TextUtils.h"
#include "store/CardCipher.h"
#include "store/CardRow.h"
#include "store/FileOps.h"
#include "store/WalletFormat.h"
#include "store/WalletProbe.h"
#include "store/WalletSql.h"

#include <QFile>
#include <QFileInfo>
#include <QPair>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QVector>

using WalletFormat::InfoLayout;

namespace {

bool sameBytes(const QByteArray &a, const QByteArray &b)
{
    if (a.isEmpty() || a.size() != b.size())
        return false;
    char difference = 0;
    for (int i = 0; i < a.size(); ++i)
        difference |= char(a[i] ^ b[i]);
    return difference == 0;
}

QByteArray verifierOf(const QByteArray &key, const QByteArray &info)
{
    const InfoLayout parts(info);
    return CardCipher::passwordVerifier(key, parts.checkBlock, parts.iv);
}

bool setError(WalletError *out, const WalletError &error)
{
    if (out)
        *out = error;
    return false;
}

} // namespace

WalletFile::WalletFile(WalletSql &sql)
    : m_sql(sql)
{
}

WalletFile::~WalletFile() = default;

WalletError WalletFile::problemBeforeOpening(const QString &path)
{
    if (!CardCipher::isAvailable())
        return WalletError(WalletError::Unreadable, tr("no AES or SHA-256 provider is installed"));
    return WalletProbe::fileProblem(path);
}

bool WalletFile::create(const QString &path, const QString &password, WalletError *error)
{
    if (QFileInfo::exists(path))
        return setError(error, WalletError(WalletError::WriteFailed, tr("a file of that name exists")));
    QString reason;
    const QString staged = FileOps::createStagedFile(path, &reason);
    if (staged.isEmpty())
        return setError(error, WalletError(WalletError::WriteFailed, reason));
    const bool made = [&] {
        WalletSql sql(staged, false);
        QByteArray info(WalletFormat::infoSize, Qt::Uninitialized);
        QRandomGenerator::system()->fillRange(reinterpret_cast<quint32 *>(info.data()), WalletFormat::infoSize / 4);
        QByteArray key = CardCipher::deriveKey(password, InfoLayout(info).salt);
        const Identity identity{newUuid(), verifierOf(key, info), info};
        CardCipher::wipe(key);
        return writeTables(sql, identity) || setError(error, sql.lastError());
    }();
    if (!made || !FileOps::replaceAtomically(staged, path, &reason)) {
        if (made)
            setError(error, WalletError(WalletError::WriteFailed, reason));
        QFile::remove(staged);
        return false;
    }
    return true;
}

bool WalletFile::writeTables(WalletSql &sql, const Identity &identity)
{
    return sql.write(QStringLiteral("CREATE TABLE IF NOT EXISTS Identity (ID INTEGER PRIMARY KEY "
                                    "AUTOINCREMENT CHECK(ID==1), Version INTEGER, Signature TEXT, "
                                    "Sync_UUID TEXT, Hash BLOB, Info BLOB);"))
        && sql.write(QStringLiteral("CREATE TABLE IF NOT EXISTS Cards (ID INTEGER PRIMARY KEY "
                                    "AUTOINCREMENT,Title TEXT, Type TEXT, IconID INTEGER, UpdateTime "
                                    "INTEGER, UUID TEXT UNIQUE NOT NULL, Data BLOB, Trashed INTEGER);"))
        && sql.write(QStringLiteral("INSERT INTO Identity (ID, Version, Signature, Sync_UUID, Hash, Info) "
                                    "VALUES (1, ?, ?, ?, ?, ?)"),
                     {WalletFormat::currentVersion, QString::fromLatin1(WalletFormat::signature), identity.syncUuid,
                      identity.hash, identity.info});
}

bool WalletFile::fitsKey(const QByteArray &key)
{
    return key.size() == CardCipher::keySize;
}

bool WalletFile::load()
{
    const QSqlDatabase db = m_sql.connections().database();
    if (!db.isOpen())
        return m_sql.fail(WalletError::fromSql(m_sql.connections().openError(), false));
    const WalletError examined = WalletProbe::examineConnection(db, WalletFormat::IdentityOnly);
    if (examined.isError())
        return m_sql.fail(examined);
    const PreparedStatement row = identityRow(QStringLiteral("Sync_UUID, Hash, Info"));
    if (!row)
        return false;
    m_identity = {row->value(0).toString(), row->value(1).toByteArray(), row->value(2).toByteArray()};
    // The probe checked the sizes a moment ago; another program may have changed them since.
    if (m_identity.info.size() != WalletFormat::infoSize)
        return m_sql.fail(WalletError(WalletError::Damaged, tr("the password check values are damaged")));
    m_sql.setIdentityCheck([this] { return identityUnchanged(); });
    return true;
}

bool WalletFile::unlock(const QString &password)
{
    const QByteArray key = CardCipher::deriveKey(password, InfoLayout(m_identity.info).salt);
    std::unique_ptr<CardSealer> sealer = sealerOf(key);
    if (!sameBytes(verifierOf(key, m_identity.info), m_identity.hash)) {
        // A key that reads the cards is the right one: then the check value is what is damaged, unless
        // another program changed the password since the identity was read.
        const WalletSql::ReadSnapshot snapshot(m_sql);
        if (!snapshot.isValid())
            return false;
        if (keyReadsACard(*sealer))
            return m_sql.fail(WalletError(WalletError::Damaged, tr("the password check value is damaged")));
        return m_sql.fail(WalletError(WalletError::WrongPassword));
    }
    m_sealer = std::move(sealer);
    return true;
}

bool WalletFile::unlockWithKey(const QByteArray &key)
{
    if (!sameBytes(verifierOf(key, m_identity.info), m_identity.hash))
        return m_sql.fail(WalletError(WalletError::PasswordChanged));
    m_sealer = sealerOf(key);
    return true;
}

bool WalletFile::checkPassword(const QString &password) const
{
    if (m_sql.connections().isClosed())
        return false;
    QByteArray key = CardCipher::deriveKey(password, InfoLayout(m_identity.info).salt);
    const bool matches = sameBytes(verifierOf(key, m_identity.info), m_identity.hash);
    CardCipher::wipe(key);
    return matches;
}

bool WalletFile::changePassword(const QString &oldPassword, const QString &newPassword)
{
    if (m_sql.connections().isReadOnly())
        return m_sql.fail(WalletError(WalletError::ReadOnly));
    if (!checkPassword(oldPassword))
        return m_sql.fail(WalletError(WalletError::WrongPassword));
    const QByteArray newKey = CardCipher::deriveKey(newPassword, InfoLayout(m_identity.info).salt);
    std::unique_ptr<CardSealer> newSealer = sealerOf(newKey);
    const QByteArray newHash = verifierOf(newKey, m_identity.info);

    CardDbTransaction transaction(m_sql);
    if (!transaction.isActive())
        return false;
    // Each card's text passes from the old key to the new one byte for byte; it is only parsed to
    // make sure it is a card, since a blob the old key cannot read would be lost under the new one.
    QVector<QPair<int, QByteArray>> plainTexts;
    QVector<UnreadableCard> unreadable;
    {
        PreparedStatement rows = m_sql.run(QStringLiteral("SELECT ID, Data, Title FROM Cards"));
        if (!rows)
            return false;
        while (rows->next()) {
            const QByteArray plain = m_sealer->decrypt(rows->value(1).toByteArray());
            Card card;
            if (card.fromData(plain))
                plainTexts.append({rows->value(0).toInt(), plain});
            else
                unreadable.append({rows->value(0).toInt(), rows->value(2).toString()});
        }
        if (rows->lastError().isValid())
            return m_sql.failSql(*rows, false);
    }
    if (!unreadable.isEmpty())
        return m_sql.fail(CardRow::unreadableCards(unreadable));
    bool written = true;
    for (auto &row : plainTexts) {
        written = written
            && m_sql.write(QStringLiteral("UPDATE Cards SET Data = ? WHERE ID = ?"),
                           {newSealer->encrypt(row.second), row.first});
        SecretText::wipe(row.second);
    }
    if (!written || !m_sql.write(QStringLiteral("UPDATE Identity SET Hash = ? WHERE ID = 1"), {newHash})
        || !transaction.commit())
        return false;
    m_sealer = std::move(newSealer);
    m_identity.hash = newHash;
    return true;
}

bool WalletFile::sharesCipherWith(const WalletFile &other) const
{
    return m_identity.info == other.m_identity.info && m_identity.hash == other.m_identity.hash;
}

// The identity row, stepped onto; none, saying why, when it cannot be read.
PreparedStatement WalletFile::identityRow(const QString &columns)
{
    PreparedStatement query = m_sql.run(QStringLiteral("SELECT %1 FROM Identity WHERE ID=1").arg(columns));
    if (query && !query->next()) {
        if (query->lastError().isValid())
            m_sql.failSql(*query, false);
        else
            m_sql.fail(WalletError(WalletError::Damaged, tr("no identity row")));
        return PreparedStatement();
    }
    return query;
}

bool WalletFile::identityUnchanged()
{
    const PreparedStatement row = identityRow(QStringLiteral("Hash, Info"));
    if (!row)
        return false;
    if (row->value(0).toByteArray() == m_identity.hash && row->value(1).toByteArray() == m_identity.info)
        return true;
    return m_sql.fail(WalletError(WalletError::PasswordChanged));
}

bool WalletFile::keyReadsACard(const CardSealer &sealer)
{
    PreparedStatement query = m_sql.run(QStringLiteral("SELECT Data FROM Cards LIMIT 3"));
    while (query && query->next()) {
        if (CardRow::openCard(sealer, query->value(0).toByteArray()))
            return true;
    }
    return false;
}

std::unique_ptr<CardSealer> WalletFile::sealerOf(const QByteArray &key) const
{
    return std::make_unique<CardCipher>(key, InfoLayout(m_identity.info).iv);
}
