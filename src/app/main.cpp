#include "app/MainWindow.h"
#include "app/SingleInstance.h"
#include "i18n/Translations.h"
#include "session/ProcessProtection.h"
#include "session/WalletSession.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDebug>

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
    parser.process(app);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    protectProcessMemory();
    QCoreApplication::setOrganizationName(QStringLiteral("Corvale Software Systems"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("corvale.example"));
    QCoreApplication::setApplicationName(QStringLiteral("Tessera"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TESSERA_VERSION));
    if (asksForInformation(argc, argv))
        return answerInformation(argc, argv);

    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tessera.Tessera"));
    installTranslations();

    // A second start brings the running window forward instead of opening the wallet twice.
    SingleInstance instance(QStringLiteral("tessera"));
    if (!instance.claim())
        return 0;
    if (!instance.problem().isEmpty())
        qWarning().noquote() << QObject::tr("Tessera runs without its guard against a second window: %1.")
                                    .arg(instance.problem());

    WalletSession session;
    MainWindow window(session);
    QObject::connect(&instance, &SingleInstance::activationRequested, &window, [&window] {
        window.showNormal();
        window.raise();
        window.activateWindow();
    });
    window.show();
    return app.exec();
}
