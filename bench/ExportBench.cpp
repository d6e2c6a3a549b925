#include "BenchUtils.h"

#include "export/CardExport.h"
#include "store/CardDb.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

void runExportBench(const QString &folder, int cards)
{
    const QString path = QDir(folder).filePath(QStringLiteral("export-%1.tessera").arg(cards));
    addBenchCards(*CardDb::openOrCreate(path, QStringLiteral("bench")), cards);
    auto store = CardDb::open(path, QStringLiteral("bench"));
    for (const QString &name : CardExport::formatNames()) {
        const QString target = QDir(folder).filePath(QStringLiteral("export.") + name);
        QString error;
        resetPeakMemory();
        const double before = memoryMb("VmRSS");
        QElapsedTimer timer;
        timer.start();
        if (!CardExport::writeFile(*CardExport::formatNamed(name), *store, target, &error))
            qFatal("the export failed: %s", qPrintable(error));
        report(QStringLiteral("export as %1 to a file").arg(name), cards, elapsedMs(timer));
        QTextStream(stdout) << QStringLiteral("%1 %2 MB more at its peak, %3 MB written\n")
                                   .arg(QStringLiteral("  memory of that export"), -57)
                                   .arg(memoryMb("VmHWM") - before, 10, 'f', 1)
                                   .arg(double(QFileInfo(target).size()) / 1e6, 0, 'f', 1);
        QFile::remove(target);
    }
}
