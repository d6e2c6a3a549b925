#include "sync/WalletMerge.h"

#include "store/CardDb.h"
#include "store/FileOps.h"
#include "sync/SyncMerger.h"

#include <QFile>
#include <QFileInfo>

namespace {

bool fail(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return false;
}

// Writes the merge of `local` and `other` into both outputs, all or nothing.
bool mergeInto(CardDb &local, CardDb *other, CardDb &localOutput, CardDb &otherOutput)
{
    CardDbTransaction localWrite(localOutput);
    CardDbTransaction otherWrite(otherOutput);
    return localWrite.isActive() && otherWrite.isActive() && localOutput.deleteAllCards()
        && SyncMerger(&local, other, localOutput, otherOutput).run() && localWrite.commit() && otherWrite.commit();
}

} // namespace

bool WalletMerge::stage(CardDb &local, const QString &otherPath, const QString &otherPassword,
                        const QString &newOtherPassword, QString *error)
{
    const QString localPath = local.path();
    discard(localPath, otherPath);
    const bool merged = [&] {
        const bool otherExists = QFileInfo::exists(otherPath);
        if (otherExists && CardDb::checkDatabase(otherPath) != StatusOk)
            return fail(error, tr("%1 is not a Tessera wallet this program can open").arg(otherPath));
        std::unique_ptr<CardDb> other;
        if (otherExists) {
            other = CardDb::open(otherPath, otherPassword.isEmpty() ? newOtherPassword : otherPassword);
            if (!other)
                return fail(error, tr("wrong password for %1").arg(otherPath));
        }
        if (!FileOps::copyReplacing(localPath, FileOps::stagingPath(localPath)))
            return fail(error, tr("cannot write %1").arg(FileOps::stagingPath(localPath)));
        auto localOutput = CardDb::openWithKey(FileOps::stagingPath(localPath), local.key());
        auto otherOutput = CardDb::open(FileOps::stagingPath(otherPath),
                                        newOtherPassword.isEmpty() ? otherPassword : newOtherPassword);
        if (!localOutput || !otherOutput)
            return fail(error, tr("cannot write the merged copies beside %1").arg(localPath));
        const bool written = mergeInto(local, other.get(), *localOutput, *otherOutput);
        localOutput->close();
        otherOutput->close();
        if (other)
            other->close();
        return written || fail(error, tr("cannot write the merged cards (is the disk full?)"));
    }();
    if (!merged)
        discard(localPath, otherPath);
    return merged;
}

void WalletMerge::discard(const QString &localPath, const QString &otherPath)
{
    QFile::remove(FileOps::stagingPath(localPath));
    QFile::remove(FileOps::stagingPath(otherPath));
}
