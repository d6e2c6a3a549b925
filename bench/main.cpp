// Measures the figures users feel: opening, listing, writing, re-keying, importing, merging, searching
// and exporting wallets of realistic sizes. Run on demand; it prints its figures and checks nothing.
// Names given on the command line (store, import, sync, search, cardlist, export) run those groups alone.
#include "BenchUtils.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

namespace {

using Part = std::function<void(const QString &folder)>;

// The parts of the bench by name, so that one can run alone: `tessera-bench unlock`.
const std::vector<std::pair<QString, Part>> &parts()
{
    static const std::vector<std::pair<QString, Part>> all{
        {QStringLiteral("store"),
         [](const QString &folder) {
             for (const int cards : {1000, 10000, 100000})
                 runStoreBench(folder, cards, {NewWalletOptions::Compatible, {}});
             for (const int cards : {1000, 10000, 100000})
                 runStoreBench(folder, cards, NewWalletOptions());
         }},
        {QStringLiteral("import"), [](const QString &folder) { runImportBench(folder, 100000); }},
        {QStringLiteral("sync"),
         [](const QString &folder) {
             runSyncBench(folder, 10000, 0);
             runSyncBench(folder, 0, 1000);
             for (const int cards : {10000, 100000})
                 runDivergedSyncBench(folder, cards);
         }},
        {QStringLiteral("search"), [](const QString &folder) { runSearchBench(folder, 10000); }},
        {QStringLiteral("list"),
         [](const QString &folder) {
             for (const int cards : {10000, 100000})
                 runCardListBench(folder, cards);
         }},
        {QStringLiteral("unlock"),
         [](const QString &folder) {
             for (const int cards : {10000, 100000}) {
                 runUnlockBench(folder, cards, {NewWalletOptions::Compatible, {}});
                 runUnlockBench(folder, cards, NewWalletOptions());
             }
         }},
        {QStringLiteral("export"), [](const QString &folder) { runExportBench(folder, 100000); }},
    };
    return all;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList chosen = app.arguments().mid(1);
    for (const QString &name : qAsConst(chosen)) {
        const auto known = [&name](const std::pair<QString, Part> &part) { return part.first == name; };
        if (std::none_of(parts().cbegin(), parts().cend(), known)) {
            QTextStream(stderr) << "usage: tessera-bench [PART...]\nparts:";
            for (const auto &part : parts())
                QTextStream(stderr) << ' ' << part.first;
            QTextStream(stderr) << "\nWithout a part, every part runs.\n";
            return name == QLatin1String("--help") ? 0 : 2;
        }
    }
    QTemporaryDir folder;
    if (!folder.isValid())
        qFatal("no temporary folder");
    // The backups that re-keying and merging keep go to the temporary folder too.
    qputenv("XDG_DATA_HOME", QFile::encodeName(QDir(folder.path()).filePath(QStringLiteral("data"))));
    for (const auto &part : parts()) {
        if (chosen.isEmpty() || chosen.contains(part.first))
            part.second(folder.path());
    }
    return 0;
}
