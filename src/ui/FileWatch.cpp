#include "ui/FileWatch.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

FileWatch::FileWatch(QObject *parent)
    : QObject(parent)
{
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &FileWatch::look);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &FileWatch::lookInFolder);
}

void FileWatch::setFiles(const QStringList &paths)
{
    if (!m_watcher.files().isEmpty())
        m_watcher.removePaths(m_watcher.files());
    if (!m_watcher.directories().isEmpty())
        m_watcher.removePaths(m_watcher.directories());
    m_files.clear();
    m_stamps.clear();
    for (const QString &path : paths) {
        const QString absolute = QFileInfo(path).absoluteFilePath();
        m_files.append(absolute);
        m_stamps.insert(absolute, stamp(absolute));
    }
    arm();
}

// Identity, size and times in nanoseconds: a file renamed into place is another file.
QString FileWatch::stamp(const QString &path)
{
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return QString();
    return QStringLiteral("%1 %2 %3.%4 %5.%6")
        .arg(info.st_ino)
        .arg(info.st_size)
        .arg(info.st_mtim.tv_sec)
        .arg(info.st_mtim.tv_nsec)
        .arg(info.st_ctim.tv_sec)
        .arg(info.st_ctim.tv_nsec);
}

void FileWatch::arm()
{
    for (const QString &path : qAsConst(m_files)) {
        const QString folder = QFileInfo(path).absolutePath();
        if (QFileInfo(folder).isDir() && !m_watcher.directories().contains(folder))
            m_watcher.addPath(folder);
        if (QFileInfo::exists(path) && !m_watcher.files().contains(path))
            m_watcher.addPath(path);
    }
}

void FileWatch::look(const QString &path)
{
    arm();
    const QString now = stamp(path);
    if (m_stamps.value(path) == now)
        return;
    m_stamps.insert(path, now);
    emit changed(path);
}

void FileWatch::lookInFolder(const QString &folder)
{
    for (const QString &path : qAsConst(m_files)) {
        if (QFileInfo(path).absolutePath() == folder)
            look(path);
    }
    emit folderChanged(folder);
}
