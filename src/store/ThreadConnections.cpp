#include "store/ThreadConnections.h"

#include <QAtomicInteger>
#include <QMutexLocker>
#include <QSqlDriver>
#include <QVariant>

#include <sqlite3.h>

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

// SQLite's handle behind a connection of the QSQLITE driver; none for another driver.
sqlite3 *handleOf(const QSqlDatabase &db)
{
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    if (!db.isOpen() || !handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(handle.constData());
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
            return &m_connections.insert(thread, Connection{name, {}, {}}).value();
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

sqlite3 *ThreadConnections::handle()
{
    return handleOf(database());
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

sqlite3_stmt *ThreadConnections::rowStatement(const QString &sql)
{
    QMutexLocker locker(&m_mutex);
    Connection *connection = connectionOfThisThread();
    if (!connection)
        return nullptr;
    const auto cached = connection->rowStatements.constFind(sql);
    if (cached != connection->rowStatements.cend())
        return cached.value();
    sqlite3 *db = handleOf(QSqlDatabase::database(connection->name, false));
    if (!db)
        return nullptr;
    const QByteArray utf8 = sql.toUtf8();
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v2(db, utf8.constData(), utf8.size(), &statement, nullptr) != SQLITE_OK) {
        sqlite3_finalize(statement);
        return nullptr;
    }
    connection->rowStatements.insert(sql, statement);
    return statement;
}

void ThreadConnections::close()
{
    QMutexLocker locker(&m_mutex);
    m_closed = true;
    // Statements go first; removing the registration then drops the last handle, which closes the file.
    for (Connection &connection : m_connections) {
        connection.statements.clear();
        for (sqlite3_stmt *statement : qAsConst(connection.rowStatements))
            sqlite3_finalize(statement);
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
