#include "app/MainWindow.h"
#include "app/SingleInstance.h"
#include "i18n/Translations.h"
#include "session/ProcessProtection.h"
#include "session/WalletSession.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDebug>
#include <QFileInfo>

namespace {

// --help and --version need no display, so a plain QCoreApplication answers them.
bool asksForInformation(int argc, char *argv[])
{
    const QByteArrayList options = {"-h", "--help", "-?", "--help-all", "-v", "--version"};
    for (int i = 1; i < argc; ++i) {
        if (options.contains(argv[i]))
            return true;
    }
    return false;
}

int answerInformation(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    installTranslations();
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate("main", "A password wallet for one person."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"), QCoreApplication::translate("main", "The wallet to open."));
    parser.process(app);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    protectProcessMemory();
    returnLargeBlocksWhenFreed();
    QCoreApplication::setOrganizationName(QStringLiteral("Corvale Software Systems"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("corvale.example"));
    QCoreApplication::setApplicationName(QStringLiteral("Tessera"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TESSERA_VERSION));
    if (asksForInformation(argc, argv))
        return answerInformation(argc, argv);

    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tessera.Tessera"));
    installTranslations();

    // The first argument that is not an option (Qt's own, such as -style, are taken out by now).
    QString walletFile;
    for (const QString &argument : QCoreApplication::arguments().mid(1)) {
        if (!argument.startsWith(QLatin1Char('-'))) {
            walletFile = QFileInfo(argument).absoluteFilePath();
            break;
        }
    }
    // A second start brings the running window forward, with the wallet it was given, instead of
    // running twice.
    SingleInstance instance(QStringLiteral("tessera"));
    if (!instance.claim(walletFile))
        return 0;
    if (!instance.problem().isEmpty())
        qWarning().noquote()
            << QObject::tr("Tessera runs without its guard against a second window: %1.").arg(instance.problem());

    WalletSession session;
    MainWindow window(session, walletFile);
    QObject::connect(&instance, &SingleInstance::activationRequested, &window, [&window](const QString &path) {
        window.showNormal();
        window.raise();
        window.activateWindow();
        if (!path.isEmpty())
            window.openWallet(path);
    });
    window.show();
    return app.exec();
}
