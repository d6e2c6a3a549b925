#include "cli/CommandLine.h"
#include "cli/Console.h"
#include "cli/PasswordPrompt.h"
#include "i18n/Translations.h"
#include "session/ProcessProtection.h"

#include <QCoreApplication>
#include <QLoggingCategory>

#include <csignal>

int main(int argc, char *argv[])
{
    protectProcessMemory();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tessera-cli"));
    installTranslations();
    // The core notes its failures in debug lines; here every failure gets one clear line of its own.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));

    // Past a file size limit a write should fail and be reported, not end the program half-way.
    std::signal(SIGXFSZ, SIG_IGN);

    Console console;
    PasswordPrompt passwords(console);
    return CommandLine(console, passwords).run(QCoreApplication::arguments());
}
