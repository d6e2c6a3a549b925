#include "BenchUtils.h"

#include "model/TextUtils.h"
#include "store/CardDb.h"
#include "sync/WalletMerge.h"

#include <QDir>

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

} // namespace

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
