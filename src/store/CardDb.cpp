#include "store/CardDb.h"

#include "store/CardDb2.h"

#include <QAtomicInteger>
#include <QDebug>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace {

constexpr char busyErrorCode[] = "5";

// A short-lived read-only connection for looking at a file before login: it never creates,
// changes or locks out the file it looks at.
class IdentityProbe
{
public:
    explicit IdentityProbe(const QString &path)
        : m_name(QStringLiteral("tessera-probe-%1").arg(++counter()))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=1000"));
        m_open = !QFileInfo(path).isDir() && db.open();
    }

    ~IdentityProbe()
    {
        {
            QSqlDatabase db = QSqlDatabase::database(m_name, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(m_name);
    }

    bool isOpen() const { return m_open; }

    QSqlDatabase database() const { return QSqlDatabase::database(m_name, false); }

private:
    static QAtomicInteger<quint64> &counter()
    {
        static QAtomicInteger<quint64> value;
        return value;
    }

    QString m_name;
    bool m_open = false;
};

} // namespace

DatabaseStatus CardDb::checkDatabase(const QString &path)
{
    IdentityProbe probe(path);
    if (!probe.isOpen()) {
        qDebug() << "Error secondry opening Database";
        return StatusInvalid;
    }
    QSqlQuery query(probe.database());
    if (!query.exec(QStringLiteral("SELECT Version, Signature FROM Identity WHERE ID=1")) || !query.next())
        return query.lastError().nativeErrorCode() == QLatin1String(busyErrorCode) ? StatusLocked : StatusInvalid;

    const int version = query.value(0).toInt();
    if (query.value(1).toString() != QLatin1String("TesseraDb"))
        return StatusInvalid;
    if (version > currentVersion)
        return StatusNewer;
    return version == currentVersion ? StatusOk : StatusUnsupported;
}

int CardDb::databaseVersion(const QString &path)
{
    IdentityProbe probe(path);
    if (!probe.isOpen())
        return -1;
    QSqlQuery query(probe.database());
    if (!query.exec(QStringLiteral("SELECT Version FROM Identity WHERE ID=1")) || !query.next())
        return -1;
    return query.value(0).toInt();
}

std::unique_ptr<CardDb> CardDb::open(const QString &path, const QString &password)
{
    // Writing into a wallet of another format version could damage it for the program that made it.
    if (QFileInfo::exists(path)) {
        const int version = databaseVersion(path);
        if (version != -1 && version != currentVersion) {
            qDebug() << "Please upgrade your database using the latest version of tessera for your phone.";
            return nullptr;
        }
    }
    return CardDb2::openOrCreate(path, password);
}

std::unique_ptr<CardDb> CardDb::openWithKey(const QString &path, const QByteArray &key)
{
    return CardDb2::openWithKey(path, key);
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
    if (m_store.commitTransaction())
        return true;
    m_store.rollbackTransaction();
    return false;
}
