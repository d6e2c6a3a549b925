#include "store/ThreadConnections.h"

#include <QAtomicInteger>
#include <QMutexLocker>

namespace {

quint64 nextSerial()
{
    static QAtomicInteger<quint64> counter;
    return ++counter;
}

// Thread objects can be reused at the same address once a thread has ended; a serial cannot.
quint64 currentThreadSerial()
{
    thread_local const quint64 serial = nextSerial();
    return serial;
}

} // namespace

ThreadConnections::ThreadConnections(const QString &path, bool readOnly)
    : m_path(path)
    , m_readOnly(readOnly)
    , m_namePrefix(QStringLiteral("tessera-%1-").arg(nextSerial()))
{
}

ThreadConnections::~ThreadConnections()
{
    close();
}

QSqlDatabase ThreadConnections::database()
{
    QMutexLocker locker(&m_mutex);
    if (m_closed)
        return QSqlDatabase();
    const quint64 thread = currentThreadSerial();
    const auto known = m_names.constFind(thread);
    if (known != m_names.constEnd())
        return QSqlDatabase::database(*known, false);

    const QString name = m_namePrefix + QString::number(thread);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(m_path);
    db.setConnectOptions(m_readOnly ? QStringLiteral("QSQLITE_BUSY_TIMEOUT=3000;QSQLITE_OPEN_READONLY")
                                    : QStringLiteral("QSQLITE_BUSY_TIMEOUT=3000"));
    if (!db.open()) {
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
        return QSqlDatabase();
    }
    m_names.insert(thread, name);
    return db;
}

void ThreadConnections::close()
{
    QMutexLocker locker(&m_mutex);
    m_closed = true;
    // Removing the registration drops the last handle, which closes the file; it needs no thread affinity.
    for (const QString &name : qAsConst(m_names))
        QSqlDatabase::removeDatabase(name);
    m_names.clear();
}

void ThreadConnections::reopen()
{
    QMutexLocker locker(&m_mutex);
    m_closed = false;
}

bool ThreadConnections::isClosed() const
{
    QMutexLocker locker(&m_mutex);
    return m_closed;
}
