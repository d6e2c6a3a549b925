#include "store/WalletCredentials.h"

#include "store/LockedKey.h"

#include <QFile>

#include <sodium.h>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

WalletError KeyFile::read(const QString &path, QByteArray *bytes)
{
    QFile file(path);
    if (!file.exists())
        return WalletError::wrongCredentials(true, tr("no key file %1").arg(path));
    if (!file.open(QIODevice::ReadOnly))
        return WalletError::wrongCredentials(true, tr("cannot read the key file %1: %2").arg(path, file.errorString()));
    *bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return WalletError::wrongCredentials(true, tr("cannot read the key file %1: %2").arg(path, file.errorString()));
    if (bytes->isEmpty())
        return WalletError::wrongCredentials(true, tr("the key file %1 is empty").arg(path));
    return WalletError();
}

WalletError KeyFile::create(const QString &path)
{
    if (!LockedKey::libraryReady())
        return WalletError(WalletError::WriteFailed, tr("no random source"));
    // Created readable by its owner alone: never, not even empty, open to others.
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return WalletError(WalletError::WriteFailed, tr("cannot create %1: %2").arg(path, QString::fromLocal8Bit(strerror(errno))));
    unsigned char bytes[newSize];
    randombytes_buf(bytes, newSize);
    const bool written = ::write(fd, bytes, newSize) == newSize && ::fsync(fd) == 0;
    sodium_memzero(bytes, newSize);
    if (::close(fd) != 0 || !written) {
        ::unlink(QFile::encodeName(path).constData());
        return WalletError(WalletError::WriteFailed, tr("cannot write %1").arg(path));
    }
    return WalletError();
}
