#pragma once

#include <QHash>
#include <QMutex>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>

struct sqlite3;
struct sqlite3_stmt;

// The SQLite connections of one store, one per thread. Qt ties a connection to the thread that opened
// it, while a store is opened on a worker thread and then used on the user-interface thread (one thread
// at a time), so each thread gets its own connection to the same file on first use. Each connection
// keeps its statements prepared, so bulk work does not parse the same SQL for every row.
class ThreadConnections
{
public:
    ThreadConnections(const QString &path, bool readOnly);
    ~ThreadConnections();
    ThreadConnections(const ThreadConnections &) = delete;
    ThreadConnections &operator=(const ThreadConnections &) = delete;

    // The calling thread's open connection; an invalid one once closed or when the file does not open.
    QSqlDatabase database();
    // SQLite's handle behind it; none once closed or when the file does not open.
    sqlite3 *handle();
    // The calling thread's prepared statement for the SQL text; none when the connection is unusable
    // or the text does not compile. Callers finish it before they return.
    QSqlQuery *statement(const QString &sql);
    // The same compiled by SQLite itself, for reading rows without Qt's conversions; none when the
    // connection is unusable or the text does not compile (SQLite's handle then says why).
    sqlite3_stmt *rowStatement(const QString &sql);
    // Closes every thread's connection; afterwards nothing works until reopen().
    void close();
    void reopen();
    bool isClosed() const;
    // Why the calling thread's connection last failed to open.
    QSqlError openError() const;
    bool isReadOnly() const { return m_readOnly; }
    QString path() const { return m_path; }

private:
    struct Connection
    {
        QString name;
        QHash<QString, QSqlQuery> statements;
        QHash<QString, sqlite3_stmt *> rowStatements;
    };

    Connection *connectionOfThisThread();

    const QString m_path;
    const bool m_readOnly;
    const QString m_namePrefix;
    mutable QMutex m_mutex;
    QHash<quint64, Connection> m_connections;
    bool m_closed = false;
    QSqlError m_openError;
};
