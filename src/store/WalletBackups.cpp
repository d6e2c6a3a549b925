#include "store/WalletBackups.h"

#include "model/Clock.h"
#include "store/BackupIndex.h"
#include "store/CardDb.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString stampFormat = QStringLiteral("yyyyMMdd-HHmmss-zzz");
const QRegularExpression anyBackup(QStringLiteral("\\.backup-(\\d{8}-\\d{6}-\\d{3})(\\.[^.]*)?$"));

QString suffixOf(const QFileInfo &wallet)
{
    return wallet.suffix().isEmpty() ? QString() : QLatin1Char('.') + wallet.suffix();
}

// "Passwords.tessera" keeps "Passwords.backup-20240501-093000-000.tessera"; times are UTC.
QString backupName(const QFileInfo &wallet, const QDateTime &time)
{
    return wallet.completeBaseName() + QStringLiteral(".backup-") + time.toString(stampFormat) + suffixOf(wallet);
}

bool hasBackupNameOf(const QString &name, const QFileInfo &wallet)
{
    const QString prefix = wallet.completeBaseName() + QStringLiteral(".backup-");
    return name.startsWith(prefix) && name.size() == prefix.size() + stampFormat.size() + suffixOf(wallet).size()
        && name.endsWith(suffixOf(wallet));
}

// The detail of an error without its sentence, which would name the wrong file.
QString reasonOf(const WalletError &error)
{
    return error.detail().isEmpty() ? error.message() : error.detail();
}

WalletError folderProblem(const QString &reason)
{
    return WalletError(WalletError::BackupNotWritten, reason);
}

// The folder holds copies of every wallet: it must be a folder of this user's, closed to everyone else.
WalletError prepareFolder()
{
    const QString path = WalletBackups::folder();
    const QByteArray name = QFile::encodeName(path);
    struct stat status;
    if (::lstat(name.constData(), &status) != 0 && !QDir().mkpath(path))
        return folderProblem(WalletBackups::tr("the folder %1 cannot be made").arg(path));
    if (::lstat(name.constData(), &status) == 0 && S_ISLNK(status.st_mode) && status.st_uid != ::getuid())
        return folderProblem(WalletBackups::tr("%1 is a link of another user").arg(path));
    if (::stat(name.constData(), &status) != 0 || !S_ISDIR(status.st_mode))
        return folderProblem(WalletBackups::tr("%1 is not a folder").arg(path));
    if (status.st_uid != ::getuid())
        return folderProblem(WalletBackups::tr("the folder %1 belongs to another user").arg(path));
    if (::chmod(name.constData(), 0700) != 0)
        return folderProblem(WalletBackups::tr("the folder %1 cannot be made private").arg(path));
    return WalletError();
}

// The backups of a wallet, newest first. Its identity decides where both files tell theirs; otherwise
// only the name can.
QVector<WalletBackup> backupsOf(BackupIndex &index, const QString &syncUuid, const QFileInfo &wallet)
{
    const QDir dir(WalletBackups::folder());
    QStringList names = dir.entryList(QDir::Files);
    names.erase(std::remove_if(names.begin(), names.end(),
                               [](const QString &name) { return !anyBackup.match(name).hasMatch(); }),
                names.end());
    index.refresh(names);
    QVector<WalletBackup> backups;
    for (const QString &name : qAsConst(names)) {
        const BackupIndex::Entry entry = index.entry(name);
        const bool ofWallet = entry.syncUuid.isEmpty() || syncUuid.isEmpty() ? hasBackupNameOf(name, wallet)
                                                                             : entry.syncUuid == syncUuid;
        if (!ofWallet)
            continue;
        QDateTime time = QDateTime::fromString(anyBackup.match(name).captured(1), stampFormat);
        time.setTimeSpec(Qt::UTC);
        backups.append({dir.filePath(name), time, entry.cardCount});
    }
    std::sort(backups.begin(), backups.end(),
              [](const WalletBackup &a, const WalletBackup &b) { return a.time > b.time; });
    return backups;
}

// Copies the wallet into the folder as its newest backup and lists it; nothing is rotated yet.
WalletError makeBackup(CardDb &wallet, BackupIndex &index, QString *target)
{
    const WalletError unusable = prepareFolder();
    if (unusable.isError())
        return unusable;
    const QFileInfo walletFile(wallet.path());
    QDateTime time = Clock::nowUtc();
    do {
        *target = QDir(WalletBackups::folder()).filePath(backupName(walletFile, time));
        time = time.addMSecs(1);
    } while (QFileInfo::exists(*target));
    // The count and the copy come from one state of the wallet: other writers wait meanwhile.
    CardDbTransaction snapshot(wallet);
    const int cards = snapshot.isActive() ? wallet.cardCount() : -1;
    if (cards < 0)
        return wallet.lastError();
    // A backup holds every card: a wallet with cards that cannot be read is refused, not half kept.
    QVector<UnreadableCard> leftOut;
    const bool copied = wallet.backUpTo(*target, &leftOut) && leftOut.isEmpty();
    if (copied && snapshot.commit()) {
        index.add(QFileInfo(*target).fileName(), wallet.syncUuid(), cards);
        return WalletError();
    }
    if (!leftOut.isEmpty()) {
        QFile::remove(*target);
        return CardDb::unreadableCards(leftOut);
    }
    // Only a failed write is the backup's; a wallet that cannot be read says so itself.
    const WalletError error = wallet.lastError();
    return error.kind() == WalletError::WriteFailed
        ? WalletError(WalletError::BackupNotWritten, QStringLiteral("%1: %2").arg(*target, reasonOf(error)))
        : error;
}

// Removes the oldest backups beyond the kept number; spared (a backup being restored) stays, and counts.
void removeOldest(BackupIndex &index, const CardDb &wallet, const QString &spared)
{
    QVector<WalletBackup> backups = backupsOf(index, wallet.syncUuid(), QFileInfo(wallet.path()));
    const QString sparedFile = QFileInfo(spared).canonicalFilePath();
    const auto isSpared = [&sparedFile](const WalletBackup &backup) {
        return !sparedFile.isEmpty() && QFileInfo(backup.path).canonicalFilePath() == sparedFile;
    };
    const auto others = std::remove_if(backups.begin(), backups.end(), isSpared);
    const int keptOthers = WalletBackups::kept - (others == backups.end() ? 0 : 1);
    backups.erase(others, backups.end());
    for (int i = keptOthers; i < backups.size(); ++i) {
        if (QFile::remove(backups.at(i).path))
            index.remove(QFileInfo(backups.at(i).path).fileName());
    }
    index.save();
}

// Brings the wallet to the backup's cards as an edit made now: what the restore changes takes the
// current time, so that a merge carries it over the older versions elsewhere, and a card the backup
// lacks goes to the trash rather than vanish, so that no other copy brings it back live.
bool putBack(CardDb &wallet, const std::vector<StoredCard> &current, std::vector<StoredCard> &restored,
             const QHash<QString, qint64> &purged)
{
    const QDateTime now = QDateTime::fromSecsSinceEpoch(Clock::nowSecs(), Qt::UTC);
    QHash<QString, const StoredCard *> byUuid;
    for (const StoredCard &row : current)
        byUuid.insert(row.uuid, &row);
    QStringList cameBack;
    for (StoredCard &row : restored) {
        Card &card = *row.card;
        const StoredCard *stored = byUuid.take(row.uuid);
        if (!stored) {
            card.setUpdateTime(now);
            if (!wallet.putCard(-1, card, row.trashed, now))
                return false;
            if (purged.contains(row.uuid))
                cameBack.append(row.uuid);
            continue;
        }
        const Card &before = *stored->card;
        const bool edited = before.stampChanges(card) || card.fieldCount() != before.fieldCount()
            || card.templateType() != before.templateType();
        if (edited)
            card.setUpdateTime(now);
        const bool written = edited ? wallet.putCard(stored->id, card, row.trashed, now)
                                    : stored->trashed == row.trashed || wallet.setTrashed(stored->id, row.trashed, now);
        if (!written)
            return false;
    }
    for (const StoredCard *left : qAsConst(byUuid)) {
        if (!left->trashed && !wallet.setTrashed(left->id, true, now))
            return false;
    }
    return wallet.forgetPurged(cameBack);
}

} // namespace

QString WalletBackups::folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/tessera/backups");
}

WalletError WalletBackups::keep(CardDb &wallet)
{
    QString target;
    BackupIndex index(folder());
    const WalletError error = makeBackup(wallet, index, &target);
    if (!error.isError())
        removeOldest(index, wallet, QString());
    return error;
}

QVector<WalletBackup> WalletBackups::list(const QString &walletPath)
{
    BackupIndex index(folder());
    const QVector<WalletBackup> backups = backupsOf(index, CardDb::summary(walletPath).syncUuid, QFileInfo(walletPath));
    index.save();
    return backups;
}

WalletError WalletBackups::restore(CardDb &wallet, CardDb &backup)
{
    auto cards = backup.allCards();
    if (!cards) {
        return WalletError(WalletError::BackupUnreadable,
                           QStringLiteral("%1: %2").arg(backup.path(), reasonOf(backup.lastError())));
    }
    CardDbTransaction transaction(wallet);
    if (!transaction.isActive())
        return wallet.lastError();
    const auto current = wallet.allCards();
    const auto purged = wallet.purgedCards();
    if (!current || !purged)
        return wallet.lastError();
    QString kept;
    BackupIndex index(folder());
    const WalletError notKept = makeBackup(wallet, index, &kept);
    if (notKept.isError())
        return notKept;
    if (!putBack(wallet, *current, *cards, *purged) || !transaction.commit()) {
        QFile::remove(kept);
        return wallet.lastError();
    }
    removeOldest(index, wallet, backup.path());
    return WalletError();
}

WalletError WalletBackups::moveIn(const QString &path, QString *movedTo)
{
    const WalletError unusable = prepareFolder();
    if (unusable.isError())
        return unusable;
    const QFileInfo file(path);
    QString target = QDir(folder()).filePath(file.fileName());
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = QDir(folder()).filePath(QStringLiteral("%1-%2").arg(n).arg(file.fileName()));
    // A rename cannot leave the file system; a copy then stands in, the file being closed by now.
    if (!QFile::rename(path, target) && !(QFile::copy(path, target) && QFile::remove(path)))
        return folderProblem(tr("%1 cannot be moved to %2").arg(path, folder()));
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    if (movedTo)
        *movedTo = target;
    return WalletError();
}
