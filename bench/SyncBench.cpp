#include "BenchUtils.h"

#include "model/TextUtils.h"
#include "store/CardDb.h"
#include "store/WalletBackups.h"
#include "sync/WalletMerge.h"

#include <QDir>
#include <QFile>

namespace {

// Two wallets: `shared` cards under the same identities on both sides (the cloud copy a little
// newer), then `unmatched` cards on each side that pair only by content.
void makePair(const QString &local, const QString &cloud, int shared, int unmatched)
{
    auto localStore = CardDb::openOrCreate(local, QStringLiteral("local"));
    auto cloudStore = CardDb::openOrCreate(cloud, QStringLiteral("cloud"));
    CardDbTransaction localWrite(*localStore);
    CardDbTransaction cloudWrite(*cloudStore);
    for (int i = 0; i < shared; ++i) {
        auto card = benchCard(i);
        localStore->addCard(*card);
        card->setUpdateTime(card->updateTime().addSecs(60));
        cloudStore->addCard(*card);
    }
    for (int i = shared; i < shared + unmatched; ++i) {
        auto card = benchCard(i);
        localStore->addCard(*card);
        card->setUuid(newUuid());
        card->fields().at(2)->setValue(QStringLiteral("filled in on the other side"));
        cloudStore->addCard(*card);
    }
    if (!localWrite.commit() || !cloudWrite.commit())
        qFatal("the bench wallets could not be written");
}

// Two copies that were one: each side then edited one card in a hundred (different cards) and added as
// many new ones, as two devices do between syncs.
void makeDivergedPair(const QString &local, const QString &cloud, int cards)
{
    auto localStore = CardDb::openOrCreate(local, QStringLiteral("local"));
    auto cloudStore = CardDb::openOrCreate(cloud, QStringLiteral("cloud"));
    CardDbTransaction localWrite(*localStore);
    CardDbTransaction cloudWrite(*cloudStore);
    for (int i = 0; i < cards; ++i) {
        auto card = benchCard(i);
        // 1: edited on the local side, 2: on the cloud side; the other side keeps the card as it was.
        const int side = i % 100 == 0 ? 1 : i % 100 == 50 ? 2 : 0;
        if (side == 1)
            cloudStore->addCard(*card);
        else if (side == 2)
            localStore->addCard(*card);
        if (side != 0) {
            const QDateTime later = card->updateTime().addSecs(3600);
            card->fields().at(1)->setValue(QStringLiteral("edited on one side"));
            card->fields().at(1)->setUpdateTime(later);
            card->setUpdateTime(later);
        }
        if (side != 2)
            localStore->addCard(*card);
        if (side != 1)
            cloudStore->addCard(*card);
        if (i % 100 == 25)
            localStore->addCard(*benchCard(cards + i));
        if (i % 100 == 75)
            cloudStore->addCard(*benchCard(cards + i));
    }
    if (!localWrite.commit() || !cloudWrite.commit())
        qFatal("the bench wallets could not be written");
}

// The process's peak resident memory so far, in MB (Linux).
long peakMemoryMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong() / 1024;
    }
    return -1;
}

} // namespace

void runDivergedSyncBench(const QString &folder, int cards)
{
    const QString local = QDir(folder).filePath(QStringLiteral("diverged-local-%1.tessera").arg(cards));
    const QString cloud = QDir(folder).filePath(QStringLiteral("diverged-cloud-%1.tessera").arg(cards));
    makeDivergedPair(local, cloud, cards);
    auto store = CardDb::open(local, QStringLiteral("local"));
    auto cloudStore = CardDb::open(cloud, QStringLiteral("cloud"));
    const long memoryBefore = peakMemoryMb();
    QElapsedTimer timer;
    timer.start();
    if (!WalletMerge::merge(*store, *cloudStore, WalletMerge::BothCopies, nullptr, nullptr, &WalletBackups::keep))
        qFatal("the merge failed");
    report(QStringLiteral("merge, 1% edited and 1% added, backup"), cards, elapsedMs(timer));
    QTextStream(stdout)
        << QStringLiteral("  peak memory %1 MB before the merge, %2 MB after\n").arg(memoryBefore).arg(peakMemoryMb());
}

void runSyncBench(const QString &folder, int shared, int unmatched)
{
    const QString local = QDir(folder).filePath(QStringLiteral("sync-local-%1-%2.tessera").arg(shared).arg(unmatched));
    const QString cloud = QDir(folder).filePath(QStringLiteral("sync-cloud-%1-%2.tessera").arg(shared).arg(unmatched));
    makePair(local, cloud, shared, unmatched);
    auto store = CardDb::open(local, QStringLiteral("local"));
    auto cloudStore = CardDb::open(cloud, QStringLiteral("cloud"));
    QElapsedTimer timer;
    timer.start();
    if (!WalletMerge::merge(*store, *cloudStore, WalletMerge::BothCopies))
        qFatal("the merge failed");
    const QString what = unmatched ? QStringLiteral("merge, cards matched by content")
                                   : QStringLiteral("merge, cards matched by identity");
    report(what, shared + unmatched, elapsedMs(timer));
}
