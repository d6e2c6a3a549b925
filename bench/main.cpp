// Measures the figures users feel: opening, listing, writing, re-keying, importing, merging, searching
// and exporting wallets of realistic sizes. Run on demand; it prints its figures and checks nothing.
#include "BenchUtils.h"

#include <QCoreApplication>
#include <QTemporaryDir>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    if (!folder.isValid())
        qFatal("no temporary folder");
    for (const int cards : {1000, 10000})
        runStoreBench(folder.path(), cards, {NewWalletOptions::Compatible, {}});
    for (const int cards : {1000, 10000, 100000})
        runStoreBench(folder.path(), cards, NewWalletOptions());
    runImportBench(folder.path(), 100000);
    runSyncBench(folder.path(), 10000, 0);
    runSyncBench(folder.path(), 0, 1000);
    for (const int cards : {10000, 100000})
        runDivergedSyncBench(folder.path(), cards);
    runSearchBench(folder.path(), 10000);
    for (const int cards : {10000, 100000})
        runCardListBench(folder.path(), cards);
    runExportBench(folder.path(), 100000);
    return 0;
}
