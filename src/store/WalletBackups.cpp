#include "store/WalletBackups.h"

#include "store/CardDb.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

const QString stampFormat = QStringLiteral("yyyyMMdd-HHmmss-zzz");

// "Passwords.tessera" keeps "Passwords.backup-20240501-093000-000.tessera"; times are UTC.
QString backupName(const QFileInfo &wallet, const QDateTime &time)
{
    const QString suffix = wallet.suffix().isEmpty() ? QString() : QLatin1Char('.') + wallet.suffix();
    return wallet.completeBaseName() + QStringLiteral(".backup-") + time.toString(stampFormat) + suffix;
}

QRegularExpression backupPattern(const QFileInfo &wallet)
{
    const QString suffix = wallet.suffix().isEmpty() ? QString() : QLatin1Char('.') + wallet.suffix();
    return QRegularExpression(
        QStringLiteral("^%1\\.backup-(\\d{8}-\\d{6}-\\d{3})%2$")
            .arg(QRegularExpression::escape(wallet.completeBaseName()), QRegularExpression::escape(suffix)));
}

bool makeFolder(QString *error)
{
    const QString path = WalletBackups::folder();
    if (QDir().mkpath(path) && QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        return true;
    *error = WalletBackups::tr("the folder %1 cannot be made").arg(path);
    return false;
}

} // namespace

QString WalletBackups::folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/tessera/backups");
}

WalletError WalletBackups::keep(CardDb &wallet)
{
    QString reason;
    if (!makeFolder(&reason))
        return WalletError(WalletError::WriteFailed, reason);
    const QFileInfo walletFile(wallet.path());
    QDateTime time = QDateTime::currentDateTimeUtc();
    QString target;
    do {
        target = QDir(folder()).filePath(backupName(walletFile, time));
        time = time.addMSecs(1);
    } while (QFileInfo::exists(target));
    if (!wallet.saveCopy(target))
        return wallet.lastError();

    const QVector<WalletBackup> backups = list(wallet.path());
    for (int i = kept; i < backups.size(); ++i)
        QFile::remove(backups.at(i).path);
    return WalletError();
}

QVector<WalletBackup> WalletBackups::list(const QString &walletPath)
{
    const QFileInfo walletFile(walletPath);
    const QRegularExpression pattern = backupPattern(walletFile);
    QVector<WalletBackup> backups;
    const QDir dir(folder());
    const QStringList names = dir.entryList(QDir::Files, QDir::Name | QDir::Reversed);
    for (const QString &name : names) {
        const QRegularExpressionMatch match = pattern.match(name);
        if (!match.hasMatch())
            continue;
        QDateTime time = QDateTime::fromString(match.captured(1), stampFormat);
        time.setTimeSpec(Qt::UTC);
        const QString path = dir.filePath(name);
        backups.append({path, time, CardDb::countCards(path)});
    }
    return backups;
}

WalletError WalletBackups::restore(CardDb &wallet, CardDb &backup)
{
    auto cards = backup.allCards();
    if (!cards)
        return backup.lastError();
    CardDbTransaction transaction(wallet);
    if (!transaction.isActive())
        return wallet.lastError();
    const WalletError kept = keep(wallet);
    if (kept.isError())
        return kept;
    if (!wallet.deleteAllCards())
        return wallet.lastError();
    for (StoredCard &row : *cards) {
        if (!wallet.putCard(-1, *row.card, row.trashed, row.rowTime))
            return wallet.lastError();
    }
    return transaction.commit() ? WalletError() : wallet.lastError();
}

WalletError WalletBackups::moveIn(const QString &path, QString *movedTo)
{
    QString reason;
    if (!makeFolder(&reason))
        return WalletError(WalletError::WriteFailed, reason);
    const QFileInfo file(path);
    QString target = QDir(folder()).filePath(file.fileName());
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = QDir(folder()).filePath(QStringLiteral("%1-%2").arg(n).arg(file.fileName()));
    // A rename cannot leave the file system; a copy then stands in, the file being closed by now.
    if (!QFile::rename(path, target) && !(QFile::copy(path, target) && QFile::remove(path)))
        return WalletError(WalletError::WriteFailed, tr("%1 cannot be moved to %2").arg(path, folder()));
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    if (movedTo)
        *movedTo = target;
    return WalletError();
}
