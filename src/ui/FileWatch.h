#pragma once

#include <QFileSystemWatcher>
#include <QHash>
#include <QObject>
#include <QStringList>

// Tells when files change on disk, including when a syncing tool replaces one by renaming a new file
// over it (which ends a plain watch on it): their folders are watched too, and each file is watched
// again whenever it is back.
class FileWatch : public QObject
{
    Q_OBJECT

public:
    explicit FileWatch(QObject *parent = nullptr);

    void setFiles(const QStringList &paths);

signals:
    // The file was written, replaced, created or removed.
    void changed(const QString &path);
    // A file was added to, removed from or renamed in the folder of a watched file.
    void folderChanged(const QString &folder);

private:
    void look(const QString &path);
    void lookInFolder(const QString &folder);
    void arm();
    static QString stamp(const QString &path);

    QFileSystemWatcher m_watcher;
    QStringList m_files;
    QHash<QString, QString> m_stamps;
};
