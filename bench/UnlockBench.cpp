#include "BenchUtils.h"

#include "session/ProcessProtection.h"
#include "session/SessionSearchIndex.h"
#include "session/WalletSession.h"
#include "store/CardDb.h"
#include "ui/CardFilterProxy.h"
#include "ui/CardListModel.h"

#include <QDir>
#include <QEventLoop>
#include <QProcess>

namespace {

const QString password = QStringLiteral("bench");

// One run of the command line on the wallet, its password piped in; the time from start to exit.
double cliMs(const QStringList &arguments)
{
    QProcess cli;
    QElapsedTimer timer;
    timer.start();
    cli.start(QStringLiteral(TESSERA_CLI), arguments);
    cli.write((password + QLatin1Char('\n')).toUtf8());
    cli.closeWriteChannel();
    if (!cli.waitForFinished(600000) || cli.exitCode() != 0)
        qFatal("tessera-cli %s failed: %s", qPrintable(arguments.join(QLatin1Char(' '))),
               cli.readAllStandardError().constData());
    return elapsedMs(timer);
}

} // namespace

void runUnlockBench(const QString &folder, int cards, const NewWalletOptions &options)
{
    returnLargeBlocksWhenFreed(); // as the window does
    const bool hardened = options.format == NewWalletOptions::Hardened;
    const QString path
        = QDir(folder).filePath(QStringLiteral("unlock-%1-v%2.tessera").arg(cards).arg(hardened ? 3 : 2));
    const QString format = hardened ? QStringLiteral(" (v3)") : QStringLiteral(" (v2)");
    const WalletCredentials credentials{password, QByteArray()};
    addBenchCards(*CardDb::create(path, credentials, options), cards);

    QElapsedTimer timer;
    timer.start();
    CardDb::open(path, credentials);
    report(QStringLiteral("unlock: key derivation (open alone)") + format, cards, elapsedMs(timer));

    WalletSession session;
    {
        timer.restart();
        WalletError error;
        auto store = WalletSession::openStore(path, credentials, &error);
        report(QStringLiteral("unlock: open and check the list") + format, cards, elapsedMs(timer));
        timer.restart();
        if (!session.install(path, std::move(store), error))
            qFatal("the bench wallet could not be opened");
        // As the window's card list does it: the list, then the index off this thread.
        SessionSearchIndex index(session);
        CardListModel model(&session, false);
        CardFilterProxy shown(&model, index.index());
        index.rebuild(false);
        report(QStringLiteral("unlock: list shown, after opening") + format, cards, elapsedMs(timer));
        QEventLoop untilReady;
        QObject::connect(&index, &SessionSearchIndex::ready, &untilReady, &QEventLoop::quit);
        untilReady.exec();
        shown.indexReady();
        report(QStringLiteral("unlock: search ready, after opening") + format, cards, elapsedMs(timer));
        reportMb(QStringLiteral("unlock: memory after unlocking") + format, cards, memoryMb("VmRSS"));
    }
    session.lock();
    reportMb(QStringLiteral("unlock: memory after locking") + format, cards, memoryMb("VmRSS"));

    report(QStringLiteral("tessera-cli ls") + format, cards, cliMs({QStringLiteral("ls"), path}));
    report(QStringLiteral("tessera-cli search site777") + format, cards,
           cliMs({QStringLiteral("search"), path, QStringLiteral("site777")}));
    QFile::remove(path);
}
