#include "store/WalletFile.h"

#include "model/TextUtils.h"
#include "store/CardCipher.h"
#include "store/CardRow.h"
#include "store/CompatibleKeys.h"
#include "store/FileOps.h"
#include "store/HardenedInfo.h"
#include "store/HardenedKeys.h"
#include "store/LockedKey.h"
#include "store/RowReader.h"
#include "store/WalletProbe.h"
#include "store/WalletRekeying.h"
#include "store/WalletSql.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>

namespace {

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
    if (!LockedKey::libraryReady())
        return WalletError(WalletError::Unreadable, tr("the cryptography library cannot be initialised"));
    return WalletProbe::fileProblem(path);
}

bool WalletFile::create(const QString &path, const WalletCredentials &credentials, const NewWalletOptions &options,
                        WalletError *error)
{
    if (QFileInfo::exists(path))
        return setError(error, WalletError(WalletError::WriteFailed, tr("a file of that name exists")));
    WalletKeys keys;
    WalletError problem;
    if (!WalletRekeying::makeKeys(options, credentials, QByteArray(), &keys, &problem))
        return setError(error, problem);
    keys.identity.syncUuid = newUuid();
    QString reason;
    const QString staged = FileOps::createStagedFile(path, &reason);
    if (staged.isEmpty())
        return setError(error, WalletError(WalletError::WriteFailed, reason));
    const bool made = [&] {
        WalletSql sql(staged, false);
        return writeTables(sql, keys.identity) || setError(error, sql.lastError());
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
                     {identity.version, QString::fromLatin1(WalletFormat::signature), identity.syncUuid, identity.hash,
                      identity.info});
}

bool WalletFile::load()
{
    const QSqlDatabase db = m_sql.connections().database();
    if (!db.isOpen())
        return m_sql.fail(WalletError::fromSql(m_sql.connections().openError(), false));
    const WalletError examined = WalletProbe::examineConnection(db, WalletFormat::IdentityOnly);
    if (examined.isError())
        return m_sql.fail(examined);
    const PreparedStatement row = identityRow(QStringLiteral("Version, Sync_UUID, Hash, Info"));
    if (!row)
        return false;
    m_identity
        = {row->value(0).toInt(), row->value(1).toString(), row->value(2).toByteArray(), row->value(3).toByteArray()};
    // The probe checked the identity a moment ago; another program may have changed it since.
    const QString problem = WalletProbe::identityProblem(m_identity.version, m_identity.hash, m_identity.info);
    if (!problem.isEmpty())
        return m_sql.fail(WalletError(WalletError::Damaged, problem));
    m_sql.setIdentityCheck([this] { return identityUnchanged(); });
    return true;
}

WalletError WalletFile::wrongCredentials(const WalletCredentials &given) const
{
    return WalletError::wrongCredentials(!given.keyFile.isEmpty() || describe().keyFileRequired);
}

bool WalletFile::unlock(const WalletCredentials &credentials)
{
    std::unique_ptr<CardSealer> sealer;
    if (m_identity.version == WalletFormat::hardenedVersion) {
        WalletError error;
        sealer = HardenedKeys::unlock(credentials, *HardenedInfo::parse(m_identity.info), &error);
        if (!sealer)
            return m_sql.fail(error);
    } else {
        sealer = unlockCompatible(credentials);
        if (!sealer)
            return false;
    }
    m_sealer = std::move(sealer);
    return true;
}

std::unique_ptr<CardSealer> WalletFile::unlockCompatible(const WalletCredentials &credentials)
{
    if (!credentials.keyFile.isEmpty()) {
        m_sql.fail(wrongCredentials(credentials));
        return nullptr;
    }
    QByteArray key = CompatibleKeys::deriveKey(credentials.password, m_identity.info);
    std::unique_ptr<CardSealer> sealer = CompatibleKeys::sealer(key, m_identity.info);
    const bool verified = CompatibleKeys::verifies(key, m_identity.info, m_identity.hash);
    CardCipher::wipe(key);
    if (verified)
        return sealer;
    // A key that reads the cards is the right one: then the check value is what is damaged, unless
    // another program changed the password since the identity was read.
    const WalletSql::ReadSnapshot snapshot(m_sql);
    if (!snapshot.isValid())
        return nullptr;
    if (keyReadsACard(*sealer))
        m_sql.fail(WalletError(WalletError::Damaged, tr("the password check value is damaged")));
    else
        m_sql.fail(WalletError(WalletError::WrongPassword));
    return nullptr;
}

bool WalletFile::unlockWithKey(const QByteArray &key)
{
    if (m_identity.version == WalletFormat::hardenedVersion) {
        if (key.size() != WalletFormat::Hardened::keySize)
            return m_sql.fail(WalletError::wrongCredentials(true));
        m_sealer = HardenedKeys::unlockWithKey(key, *HardenedInfo::parse(m_identity.info));
        return m_sealer || m_sql.fail(WalletError(WalletError::PasswordChanged));
    }
    if (key.size() != CardCipher::keySize)
        return m_sql.fail(WalletError(WalletError::WrongPassword));
    if (!CompatibleKeys::verifies(key, m_identity.info, m_identity.hash))
        return m_sql.fail(WalletError(WalletError::PasswordChanged));
    m_sealer = CompatibleKeys::sealer(key, m_identity.info);
    return true;
}

bool WalletFile::checkCredentials(const WalletCredentials &credentials) const
{
    if (m_sql.connections().isClosed())
        return false;
    if (m_identity.version == WalletFormat::hardenedVersion) {
        WalletError ignored;
        return HardenedKeys::unlock(credentials, *HardenedInfo::parse(m_identity.info), &ignored) != nullptr;
    }
    if (!credentials.keyFile.isEmpty())
        return false;
    QByteArray key = CompatibleKeys::deriveKey(credentials.password, m_identity.info);
    const bool matches = CompatibleKeys::verifies(key, m_identity.info, m_identity.hash);
    CardCipher::wipe(key);
    return matches;
}

WalletInfo WalletFile::describe() const
{
    if (m_identity.version != WalletFormat::hardenedVersion)
        return {WalletFormat::compatibleVersion,
                QStringLiteral("pbkdf2-sha256"),
                quint32(CardCipher::keyIterations),
                0,
                false,
                0};
    const HardenedInfo info = *HardenedInfo::parse(m_identity.info);
    return {WalletFormat::hardenedVersion, QStringLiteral("argon2id"), info.kdf.iterations,
            info.kdf.memoryKiB / 1024,     info.keyFileRequired,       0};
}

void WalletFile::adoptKeys(WalletKeys &&keys)
{
    keys.identity.syncUuid = m_identity.syncUuid;
    m_identity = keys.identity;
    m_sealer = std::move(keys.sealer);
}

bool WalletFile::sharesCipherWith(const WalletFile &other) const
{
    return m_identity.version == WalletFormat::compatibleVersion && other.m_identity.version == m_identity.version
        && m_identity.info == other.m_identity.info && m_identity.hash == other.m_identity.hash;
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
    RowReader rows(m_sql, QStringLiteral("SELECT %1 FROM Cards LIMIT 3").arg(CardRow::sealedColumns()));
    while (rows.next()) {
        if (CardRow::openAt(rows, sealer))
            return true;
    }
    return false;
}
