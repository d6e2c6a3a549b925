#pragma once

#include <QHash>
#include <QMutex>
#include <QSqlDatabase>
#include <QString>

// The SQLite connections of one store, one per thread. Qt ties a connection to the thread that opened
// it, while a store is opened on a worker thread and then used on the user-interface thread (one thread
// at a time), so each thread gets its own connection to the same file on first use.
class ThreadConnections
{
public:
    ThreadConnections(const QString &path, bool readOnly);
    ~ThreadConnections();
    ThreadConnections(const ThreadConnections &) = delete;
    ThreadConnections &operator=(const ThreadConnections &) = delete;

    // The calling thread's open connection; an invalid one once closed or when the file does not open.
    QSqlDatabase database();
    // Closes every thread's connection; afterwards database() fails until reopen().
    void close();
    void reopen();
    bool isClosed() const;
    bool isReadOnly() const { return m_readOnly; }
    QString path() const { return m_path; }

private:
    const QString m_path;
    const bool m_readOnly;
    const QString m_namePrefix;
    mutable QMutex m_mutex;
    QHash<quint64, QString> m_names;
    bool m_closed = false;
};
