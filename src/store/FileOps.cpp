#include "store/FileOps.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
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

// The staged files of this process, for the signal handler to remove: it may only read static data,
// and atomics are the only shared state it may touch.
namespace StagedFiles {

enum State : int { Free, Claimed, Armed };
static_assert(std::atomic<int>::is_always_lock_free, "a signal handler may only touch lock-free atomics");

struct Slot
{
    std::atomic<int> state{Free};
    char path[PATH_MAX];
};

constexpr int endingSignals[] = {SIGINT, SIGTERM, SIGHUP};
Slot table[16];

void removeAllAndRaise(int signal)
{
    for (Slot &slot : table) {
        if (slot.state.load() == Armed)
            ::unlink(slot.path);
    }
    struct sigaction defaults = {};
    defaults.sa_handler = SIG_DFL;
    sigemptyset(&defaults.sa_mask);
    sigaction(signal, &defaults, nullptr);
    // Delivered once this handler returns, so the program ends as the signal meant it to.
    raise(signal);
}

// Only where the signal would end the program anyway: one that is ignored (nohup) or handled by
// someone else stays so.
void watchEndingSignals()
{
    for (const int signal : endingSignals) {
        struct sigaction current = {};
        if (sigaction(signal, nullptr, &current) != 0 || current.sa_handler != SIG_DFL)
            continue;
        struct sigaction action = {};
        action.sa_handler = removeAllAndRaise;
        sigemptyset(&action.sa_mask);
        sigaction(signal, &action, nullptr);
    }
}

// A slot to hold a new name; slots of files that were removed without release() are taken back.
Slot *claim()
{
    for (int pass = 0; pass < 2; ++pass) {
        for (Slot &slot : table) {
            int expected = Free;
            if (slot.state.compare_exchange_strong(expected, Claimed))
                return &slot;
            expected = Armed;
            if (pass == 1 && ::access(slot.path, F_OK) != 0 && errno == ENOENT
                && slot.state.compare_exchange_strong(expected, Claimed))
                return &slot;
        }
    }
    return nullptr;
}

void release(const QByteArray &path)
{
    for (Slot &slot : table) {
        int expected = Armed;
        if (slot.state.load() == Armed && std::strcmp(slot.path, path.constData()) == 0)
            slot.state.compare_exchange_strong(expected, Free);
    }
}

} // namespace StagedFiles

// Staged files that a process of this user left behind when it was killed outright or crashed: the
// name holds the number of the process that made it, and no process of that number runs any more.
void removeStaleStagedFiles(const QString &folder)
{
    static const QRegularExpression stagedName(QStringLiteral("^\\..+\\.staged-(\\d+)-[A-Za-z0-9]{6}(-journal)?$"));
    const int directory = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (directory < 0)
        return;
    const QStringList names = QDir(folder).entryList({QStringLiteral(".*.staged-*")},
                                                     QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        const QRegularExpressionMatch match = stagedName.match(name);
        bool isNumber = false;
        const pid_t creator = match.hasMatch() ? pid_t(match.captured(1).toInt(&isNumber)) : 0;
        if (!isNumber || creator <= 0 || ::kill(creator, 0) == 0 || errno != ESRCH)
            continue;
        const QByteArray encoded = QFile::encodeName(name);
        struct stat status;
        if (::fstatat(directory, encoded.constData(), &status, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(status.st_mode)
            && status.st_uid == ::geteuid())
            ::unlinkat(directory, encoded.constData(), 0);
    }
    ::close(directory);
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

// Following a link here by reading it would get past the kernel's rules for links (fs.protected_symlinks):
// the kernel follows it, and the name of the file it reached is read back.
QString resolvedPath(const QString &path, QString *error)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat status;
    if (::lstat(name.constData(), &status) != 0 || !S_ISLNK(status.st_mode))
        return path;
    const int fd = ::open(name.constData(), O_PATH | O_CLOEXEC);
    if (fd < 0) {
        fail(error, QStringLiteral("cannot follow the link %1: %2").arg(path, systemError()));
        return QString();
    }
    char target[PATH_MAX];
    const ssize_t length = ::readlink(("/proc/self/fd/" + QByteArray::number(fd)).constData(), target, sizeof target);
    ::close(fd);
    if (length <= 0 || target[0] != '/') {
        fail(error, QStringLiteral("the link %1 does not lead to a file").arg(path));
        return QString();
    }
    return QFile::decodeName(QByteArray(target, int(length)));
}

bool isStream(const QString &path)
{
    struct stat status;
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 && !S_ISREG(status.st_mode)
        && !S_ISDIR(status.st_mode);
}

QString createStagedFile(const QString &target, QString *error)
{
    const QString finalTarget = resolvedPath(target, error);
    if (finalTarget.isEmpty())
        return QString();
    const QFileInfo info(finalTarget);
    removeStaleStagedFiles(info.absolutePath());
    const QByteArray name = QFile::encodeName(QDir(info.absolutePath())
                                                  .filePath(QStringLiteral(".%1.staged-%2-XXXXXX")
                                                                .arg(info.fileName())
                                                                .arg(::getpid())));
    StagedFiles::Slot *slot = StagedFiles::claim();
    if (!slot || name.size() >= PATH_MAX) {
        if (slot)
            slot->state = StagedFiles::Free;
        fail(error, QStringLiteral("cannot stage a new version of %1: too many files are being written").arg(target));
        return QString();
    }
    std::strcpy(slot->path, name.constData());
    const int fd = ::mkstemp(slot->path);
    if (fd < 0) {
        fail(error, QStringLiteral("cannot write in %1: %2").arg(info.absolutePath(), systemError()));
        slot->state = StagedFiles::Free;
        return QString();
    }
    ::close(fd);
    slot->state = StagedFiles::Armed;
    StagedFiles::watchEndingSignals();
    return QFile::decodeName(slot->path);
}

bool replaceAtomically(const QString &staged, const QString &target, QString *error, Permissions permissions)
{
    const QByteArray stagedName = QFile::encodeName(staged);
    const QString finalTarget = resolvedPath(target, error);
    if (finalTarget.isEmpty())
        return false;
    const QByteArray targetName = QFile::encodeName(finalTarget);
    struct stat old;
    if (permissions == Permissions::KeepTargets && ::stat(targetName.constData(), &old) == 0
        && ::chmod(stagedName.constData(), old.st_mode & 07777) != 0)
        return fail(error, QStringLiteral("cannot set the permissions of %1: %2").arg(staged, systemError()));
    if (!syncPath(staged, O_RDONLY))
        return fail(error, QStringLiteral("cannot flush %1: %2").arg(staged, systemError()));
    if (std::rename(stagedName.constData(), targetName.constData()) != 0)
        return fail(error, QStringLiteral("cannot replace %1: %2").arg(finalTarget, systemError()));
    StagedFiles::release(stagedName);
    // Make the new directory entry durable too; a failure here does not undo the replacement.
    syncPath(QFileInfo(finalTarget).absolutePath(), O_RDONLY | O_DIRECTORY);
    return true;
}

void discardStagedFile(const QString &staged)
{
    const QByteArray name = QFile::encodeName(staged);
    ::unlink(name.constData());
    StagedFiles::release(name);
}

bool isWritableFile(const QString &path)
{
    const QFileInfo info(path);
    return info.isWritable() && (info.permissions() & QFileDevice::WriteOwner);
}

} // namespace FileOps
