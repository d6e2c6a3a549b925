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

// Called with the mutex held.
ThreadConnections::Connection *ThreadConnections::connectionOfThisThread()
{
    if (m_closed)
        return nullptr;
    const quint64 thread = currentThreadSerial();
    const auto known = m_connections.find(thread);
    if (known != m_connections.end())
        return &known.value();

    const QString name = m_namePrefix + QString::number(thread);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(m_path);
        db.setConnectOptions(m_readOnly ? QStringLiteral("QSQLITE_BUSY_TIMEOUT=3000;QSQLITE_OPEN_READONLY")
                                        : QStringLiteral("QSQLITE_BUSY_TIMEOUT=3000"));
        if (db.open())
            return &m_connections.insert(thread, Connection{name, {}}).value();
        m_openError = db.lastError();
    }
    QSqlDatabase::removeDatabase(name);
    return nullptr;
}

QSqlDatabase ThreadConnections::database()
{
    QMutexLocker locker(&m_mutex);
    const Connection *connection = connectionOfThisThread();
    return connection ? QSqlDatabase::database(connection->name, false) : QSqlDatabase();
}

QSqlQuery *ThreadConnections::statement(const QString &sql)
{
    QMutexLocker locker(&m_mutex);
    Connection *connection = connectionOfThisThread();
    if (!connection)
        return nullptr;
    auto cached = connection->statements.find(sql);
    if (cached == connection->statements.end()) {
        QSqlQuery query(QSqlDatabase::database(connection->name, false));
        query.setForwardOnly(true);
        if (!query.prepare(sql))
            return nullptr;
        cached = connection->statements.insert(sql, query);
    }
    return &cached.value();
}

void ThreadConnections::close()
{
    QMutexLocker locker(&m_mutex);
    m_closed = true;
    // Statements go first; removing the registration then drops the last handle, which closes the file.
    for (Connection &connection : m_connections) {
        connection.statements.clear();
        QSqlDatabase::removeDatabase(connection.name);
    }
    m_connections.clear();
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

QSqlError ThreadConnections::openError() const
{
    QMutexLocker locker(&m_mutex);
    return m_openError;
}
