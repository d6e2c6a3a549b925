#include "store/WalletProbe.h"

#include "store/FileOps.h"
#include "store/HardenedInfo.h"

#include <QAtomicInteger>
#include <QCryptographicHash>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

namespace {

using namespace WalletFormat;

QString connectionName()
{
    static QAtomicInteger<quint64> counter;
    return QStringLiteral("tessera-probe-%1").arg(++counter);
}

// A journal left by a write that never finished: SQLite rolls it back on the next writable open.
bool hasHotJournal(const QString &path)
{
    return QFileInfo(path + QStringLiteral("-journal")).size() > 0;
}

WalletError checkPages(const QSqlDatabase &db)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA quick_check")) || !query.next())
        return WalletError::fromSql(query.lastError(), false);
    const QString verdict = query.value(0).toString();
    return verdict == QLatin1String("ok") ? WalletError() : WalletError(WalletError::Damaged, verdict);
}

// A connection that lives as long as one probe.
class ProbeConnection
{
public:
    ProbeConnection(const QString &path, bool writable)
        : m_name(connectionName())
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(path);
        db.setConnectOptions(writable ? QStringLiteral("QSQLITE_BUSY_TIMEOUT=1000")
                                      : QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=1000"));
        if (!db.open())
            m_error = WalletError::fromSql(db.lastError(), false);
    }

    ~ProbeConnection()
    {
        QSqlDatabase::database(m_name, false).close();
        QSqlDatabase::removeDatabase(m_name);
    }

    WalletError examine(ProbeDepth depth) const
    {
        return m_error.isError() ? m_error
                                 : WalletProbe::examineConnection(QSqlDatabase::database(m_name, false), depth);
    }

private:
    const QString m_name;
    WalletError m_error;
};

} // namespace

WalletError WalletProbe::fileProblem(const QString &path)
{
    const WalletError problem = FileOps::fileProblem(path);
    if (problem.isError())
        return problem;
    // Only a writable connection can roll an interrupted write back; one that cannot write would
    // stumble over the journal and call a sound wallet unreadable.
    if (hasHotJournal(path) && !FileOps::isWritableFile(path)) {
        return WalletError(WalletError::ReadOnly,
                           tr("a write was interrupted and cannot be rolled back without write access"));
    }
    return WalletError();
}

WalletError WalletProbe::examine(const QString &path, ProbeDepth depth)
{
    const WalletError problem = fileProblem(path);
    if (problem.isError())
        return problem;
    return ProbeConnection(path, hasHotJournal(path)).examine(depth);
}

QString WalletProbe::identityProblem(int version, const QByteArray &hash, const QByteArray &info)
{
    if (version == hardenedVersion) {
        QString problem;
        if (!HardenedInfo::parse(info, &problem))
            return problem;
        // Hash repeats the digest of Info, so that a damaged Info is told apart from a wrong password.
        return hash == QCryptographicHash::hash(info, QCryptographicHash::Sha256)
            ? QString()
            : tr("the key settings do not match their check value");
    }
    if (version != compatibleVersion)
        return tr("unknown version %1").arg(version);
    return hash.size() == hashSize && info.size() == infoSize ? QString() : tr("the password check values are damaged");
}

WalletError WalletProbe::examineConnection(const QSqlDatabase &db, ProbeDepth depth)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'")))
        return WalletError::fromSql(query.lastError(), false);
    QStringList tables;
    while (query.next())
        tables.append(query.value(0).toString());
    if (query.lastError().isValid())
        return WalletError::fromSql(query.lastError(), false);
    if (!tables.contains(QLatin1String("Identity")))
        return WalletError(WalletError::NotAWallet);

    if (!query.exec(QStringLiteral("SELECT Version, Signature, Hash, Info FROM Identity")))
        return WalletError::fromSql(query.lastError(), false);
    if (!query.next()) {
        return query.lastError().isValid() ? WalletError::fromSql(query.lastError(), false)
                                           : WalletError(WalletError::Damaged, tr("no identity row"));
    }
    if (query.value(1).toString() != QLatin1String(signature))
        return WalletError(WalletError::NotAWallet);
    bool isNumber = false;
    const int version = query.value(0).toInt(&isNumber);
    if (!isNumber)
        return WalletError(WalletError::Damaged, tr("the version is not a number"));
    if (version > newestVersion)
        return WalletError(WalletError::NewerFormat);
    if (version < compatibleVersion)
        return WalletError(WalletError::OlderFormat);
    const QString problem = identityProblem(version, query.value(2).toByteArray(), query.value(3).toByteArray());
    if (!problem.isEmpty())
        return WalletError(WalletError::Damaged, problem);
    if (query.next())
        return WalletError(WalletError::Damaged, tr("more than one identity row"));
    if (!tables.contains(QLatin1String("Cards")))
        return WalletError(WalletError::Damaged, tr("the table of cards is missing"));
    return depth == EveryPage ? checkPages(db) : WalletError();
}
