#include "store/FileOps.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace FileOps {

namespace {

bool syncPath(const QString &path, int flags)
{
    const int fd = ::open(QFile::encodeName(path).constData(), flags);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

} // namespace

bool copyReplacing(const QString &from, const QString &to)
{
    if (QFileInfo::exists(to) && !QFile::remove(to))
        return false;
    if (QFile::copy(from, to))
        return true;
    QFile::remove(to);
    return false;
}

bool replaceAtomically(const QString &staged, const QString &target, QString *error)
{
    if (!syncPath(staged, O_RDONLY)) {
        if (error)
            *error = QStringLiteral("cannot flush %1: %2").arg(staged, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    if (std::rename(QFile::encodeName(staged).constData(), QFile::encodeName(target).constData()) != 0) {
        if (error)
            *error = QStringLiteral("cannot replace %1: %2").arg(target, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    // Make the new directory entry durable too; a failure here does not undo the replacement.
    syncPath(QFileInfo(target).absolutePath(), O_RDONLY | O_DIRECTORY);
    return true;
}

bool isWritableFile(const QString &path)
{
    const QFileInfo info(path);
    return info.isWritable() && (info.permissions() & QFileDevice::WriteOwner);
}

QString stagingPath(const QString &path)
{
    return path + QStringLiteral(".copy");
}

} // namespace FileOps
