#include "store/FileOps.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace FileOps {

namespace {

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

bool syncPath(const QString &path, int flags)
{
    const int fd = ::open(QFile::encodeName(path).constData(), flags);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

bool fail(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return false;
}

} // namespace

WalletError fileProblem(const QString &path)
{
    struct stat status;
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) {
        return errno == ENOENT ? WalletError(WalletError::Missing)
                               : WalletError(WalletError::Unreadable, systemError());
    }
    if (!S_ISREG(status.st_mode))
        return WalletError(WalletError::NotAFile);
    if (::access(QFile::encodeName(path).constData(), R_OK) != 0)
        return WalletError(WalletError::Unreadable, systemError());
    return WalletError();
}

QString resolvedPath(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return path;
    // A dangling link still names where the file is to be.
    return info.exists() ? info.canonicalFilePath() : info.symLinkTarget();
}

QString createStagedFile(const QString &target, QString *error)
{
    const QFileInfo info(resolvedPath(target));
    QByteArray name = QFile::encodeName(
        QDir(info.absolutePath()).filePath(QStringLiteral(".%1.staged-XXXXXX").arg(info.fileName())));
    const int fd = ::mkstemp(name.data());
    if (fd < 0) {
        fail(error, QStringLiteral("cannot write in %1: %2").arg(info.absolutePath(), systemError()));
        return QString();
    }
    ::close(fd);
    return QFile::decodeName(name);
}

bool replaceAtomically(const QString &staged, const QString &target, QString *error)
{
    const QByteArray stagedName = QFile::encodeName(staged);
    const QString finalTarget = resolvedPath(target);
    const QByteArray targetName = QFile::encodeName(finalTarget);
    struct stat old;
    if (::stat(targetName.constData(), &old) == 0 && ::chmod(stagedName.constData(), old.st_mode & 07777) != 0)
        return fail(error, QStringLiteral("cannot set the permissions of %1: %2").arg(staged, systemError()));
    if (!syncPath(staged, O_RDONLY))
        return fail(error, QStringLiteral("cannot flush %1: %2").arg(staged, systemError()));
    if (std::rename(stagedName.constData(), targetName.constData()) != 0)
        return fail(error, QStringLiteral("cannot replace %1: %2").arg(finalTarget, systemError()));
    // Make the new directory entry durable too; a failure here does not undo the replacement.
    syncPath(QFileInfo(finalTarget).absolutePath(), O_RDONLY | O_DIRECTORY);
    return true;
}

bool isWritableFile(const QString &path)
{
    const QFileInfo info(path);
    return info.isWritable() && (info.permissions() & QFileDevice::WriteOwner);
}

} // namespace FileOps
