// Measures the figures users feel: opening, listing, writing, re-keying, importing, merging, searching
// and exporting wallets of realistic sizes. Run on demand; it prints its figures and checks nothing.
// Names given on the command line (store, import, sync, search, cardlist, export) run those groups alone.
#include "BenchUtils.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    if (!folder.isValid())
        qFatal("no temporary folder");
    // The backups that re-keying and merging keep go to the temporary folder too.
    qputenv("XDG_DATA_HOME", QFile::encodeName(QDir(folder.path()).filePath(QStringLiteral("data"))));
    const QStringList groups = app.arguments().mid(1);
    const auto wanted = [&groups](const char *group) { return groups.isEmpty() || groups.contains(group); };
    if (wanted("store")) {
        for (const int cards : {1000, 10000, 100000})
            runStoreBench(folder.path(), cards, {NewWalletOptions::Compatible, {}});
        for (const int cards : {1000, 10000, 100000})
            runStoreBench(folder.path(), cards, NewWalletOptions());
    }
    if (wanted("import"))
        runImportBench(folder.path(), 10000);
    if (wanted("sync")) {
        runSyncBench(folder.path(), 10000, 0);
        runSyncBench(folder.path(), 0, 1000);
        for (const int cards : {10000, 100000})
            runDivergedSyncBench(folder.path(), cards);
    }
    if (wanted("search"))
        runSearchBench(folder.path(), 10000);
    if (wanted("cardlist")) {
        for (const int cards : {10000, 100000})
            runCardListBench(folder.path(), cards);
    }
    if (wanted("export"))
        runExportBench(folder.path(), 100000);
    return 0;
}
