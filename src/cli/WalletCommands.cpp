#include "cli/Commands.h"

#include "cli/Console.h"
#include "cli/Invocation.h"
#include "cli/NewKeyFile.h"
#include "cli/PasswordPrompt.h"
#include "cli/WalletAccess.h"
#include "store/CardDb.h"
#include "store/WalletBackups.h"

#include <QFileInfo>

namespace {

const QString hardenedOption = QStringLiteral("hardened");
const QString compatibleOption = QStringLiteral("compatible");
const QString memoryOption = QStringLiteral("kdf-memory");
const QString passesOption = QStringLiteral("kdf-iterations");
const QString newKeyFileOption = QStringLiteral("new-key-file");
const QString noKeyFileOption = QStringLiteral("no-key-file");

QList<QCommandLineOption> keySettingOptions()
{
    const Argon2Settings defaults;
    return {QCommandLineOption(memoryOption,
                               WalletCommands::tr("memory of the key derivation in MiB, %1 to %2 (default %3); low "
                                                  "values are for tests only and weaken the wallet")
                                   .arg(Argon2Choice::minMemoryMiB)
                                   .arg(Argon2Choice::maxMemoryMiB)
                                   .arg(defaults.memoryKiB / 1024),
                               QStringLiteral("MIB")),
            QCommandLineOption(passesOption,
                               WalletCommands::tr("passes of the key derivation, %1 to %2 (default %3); low values "
                                                  "are for tests only and weaken the wallet")
                                   .arg(Argon2Choice::minPasses)
                                   .arg(Argon2Choice::maxPasses)
                                   .arg(defaults.iterations),
                               QStringLiteral("N"))};
}

std::optional<int> chosenMemoryMiB(const Invocation &call)
{
    return call.number(memoryOption, int(Argon2Settings().memoryKiB / 1024), int(Argon2Choice::minMemoryMiB),
                       int(Argon2Choice::maxMemoryMiB));
}

std::optional<int> chosenPasses(const Invocation &call)
{
    return call.number(passesOption, int(Argon2Settings().iterations), int(Argon2Choice::minPasses),
                       int(Argon2Choice::maxPasses));
}

// The format and key settings the options of create or convert ask for, bounds checked.
int checkKeySettings(const Invocation &call)
{
    if (call.isSet(compatibleOption) && (call.isSet(memoryOption) || call.isSet(passesOption)))
        return call.usageError(WalletCommands::tr("--kdf-memory and --kdf-iterations are for the hardened format"));
    if (!chosenMemoryMiB(call))
        return call.usageError(WalletCommands::tr("--kdf-memory takes a number from %1 to %2")
                                   .arg(Argon2Choice::minMemoryMiB)
                                   .arg(Argon2Choice::maxMemoryMiB));
    if (!chosenPasses(call))
        return call.usageError(WalletCommands::tr("--kdf-iterations takes a number from %1 to %2")
                                   .arg(Argon2Choice::minPasses)
                                   .arg(Argon2Choice::maxPasses));
    return ExitSuccess;
}

NewWalletOptions chosenOptions(const Invocation &call)
{
    NewWalletOptions options;
    options.format = call.isSet(compatibleOption) ? NewWalletOptions::Compatible : NewWalletOptions::Hardened;
    options.kdf = {quint32(*chosenPasses(call)), quint32(*chosenMemoryMiB(call)) * 1024};
    return options;
}

QString formatName(int version)
{
    return version == WalletFormat::hardenedVersion
        ? WalletCommands::tr("the hardened format (version %1)").arg(version)
        : WalletCommands::tr("the compatible format (version %1)").arg(version);
}

} // namespace

QVector<Command> WalletCommands::commands()
{
    return {
        {QStringLiteral("create"),
         {"WALLET"},
         QList<QCommandLineOption>{
             QCommandLineOption(compatibleOption,
                                tr("version 2, which the phone application reads, instead of the "
                                   "hardened version 3")),
             QCommandLineOption(WalletAccess::keyFileName,
                                tr("a key file the wallet is to require besides its password; made when FILE does "
                                   "not exist"),
                                QStringLiteral("FILE"))}
             + keySettingOptions(),
         tr("Create a new wallet; its password is asked twice."),
         tr("WALLET must not exist yet. A new wallet has the hardened format (version 3): its key is derived\n"
            "with Argon2id, 3 passes over 256 MiB unless told otherwise, and each card is sealed with\n"
            "XChaCha20-Poly1305. --compatible makes version 2 instead, which the phone application reads but\n"
            "which guards the cards less well and cannot require a key file."),
         WalletUse::None,
         &WalletCommands::create,
         &WalletCommands::checkCreate,
         false},
        {QStringLiteral("check"),
         {"WALLET"},
         {},
         tr("Print what WALLET is: ok, newer, invalid, unsupported, locked or damaged."),
         tr("Asks no password, and reads every page of the file. The exit code is 0 only for ok."),
         WalletUse::None,
         &WalletCommands::check},
        {QStringLiteral("info"),
         {"WALLET"},
         {},
         tr("Print WALLET's format and key settings, tab-separated, without asking its password."),
         tr("The lines are format (2 or 3), kdf (pbkdf2-sha256 or argon2id), iterations, memory-mib\n"
            "(version 3 only), key-file (required or none) and cards (the live cards)."),
         WalletUse::None,
         &WalletCommands::info},
        {QStringLiteral("passwd"),
         {"WALLET"},
         {QCommandLineOption(newKeyFileOption, tr("require this key file from now on; made when FILE does not exist"),
                             QStringLiteral("FILE")),
          QCommandLineOption(noKeyFileOption, tr("require no key file from now on"))},
         tr("Change the password: the old one is asked once, the new one twice."),
         tr("The wallet keeps its format and key settings; a version-3 wallet gets a new master key. It\n"
            "keeps the key file it requires unless told otherwise; only version 3 can require one. WALLET\n"
            "is backed up first."),
         WalletUse::Writing,
         &WalletCommands::changePassword,
         &WalletCommands::checkPasswd,
         false},
        {QStringLiteral("convert"),
         {"WALLET"},
         QList<QCommandLineOption>{QCommandLineOption(hardenedOption, tr("to the hardened format, version 3")),
                                   QCommandLineOption(compatibleOption,
                                                      tr("to the compatible format, version 2, which the phone "
                                                         "application reads"))}
             + keySettingOptions(),
         tr("Convert WALLET in place to the other format, under the same password and key file."),
         tr("Every card keeps its identity, time and trash state. WALLET is backed up first, and a failure\n"
            "leaves it as it was. A wallet that requires a key file cannot become version 2."),
         WalletUse::Writing,
         &WalletCommands::convert,
         &WalletCommands::checkConvert,
         false},
    };
}

int WalletCommands::checkCreate(const Invocation &call)
{
    if (call.isSet(compatibleOption) && call.isSet(WalletAccess::keyFileName))
        return call.usageError(tr("a wallet of the compatible format cannot require a key file"));
    return checkKeySettings(call);
}

int WalletCommands::create(const Invocation &call)
{
    const QString path = call.argument(0);
    Console &console = call.console();
    if (QFileInfo::exists(path) || QFileInfo(path).isSymLink())
        return console.fail(path, tr("file exists; a new wallet needs a new name"));
    if (!QFileInfo(QFileInfo(path).absolutePath()).isDir())
        return console.fail(path, tr("no such folder"));
    NewKeyFile keyFile;
    if (!keyFile.prepare(path, call.value(WalletAccess::keyFileName), console))
        return ExitFailure;
    QString error;
    const std::optional<QString> password
        = call.passwords().askNew(tr("Password for the new wallet %1: ").arg(path), &error);
    if (!password)
        return console.fail(path, error);
    WalletCredentials credentials{*password, QByteArray()};
    if (!keyFile.obtain(console, &credentials.keyFile))
        return ExitFailure;
    WalletError problem;
    if (!CardDb::create(path, credentials, chosenOptions(call), &problem)) {
        keyFile.takeBack();
        return console.fail(path, problem.message());
    }
    return ExitSuccess;
}

namespace {

QString statusWord(WalletError::Kind kind)
{
    switch (kind) {
    case WalletError::None:
        return QStringLiteral("ok");
    case WalletError::NewerFormat:
        return QStringLiteral("newer");
    case WalletError::OlderFormat:
        return QStringLiteral("unsupported");
    case WalletError::Busy:
        return QStringLiteral("locked");
    case WalletError::Damaged:
    case WalletError::ReadOnly:
        return QStringLiteral("damaged");
    default:
        return QStringLiteral("invalid");
    }
}

} // namespace

int WalletCommands::check(const Invocation &call)
{
    const QString path = call.argument(0);
    const WalletError problem = CardDb::probe(path, CardDb::EveryPage);
    call.console().print(statusWord(problem.kind()) + QLatin1Char('\n'));
    if (!problem.isError())
        return ExitSuccess;
    return call.console().fail(path, problem.message());
}

int WalletCommands::info(const Invocation &call)
{
    const QString path = call.argument(0);
    WalletInfo info;
    if (const WalletError error = CardDb::info(path, &info); error.isError())
        return call.console().fail(path, error.message());
    // Lines for scripts: the same in every language.
    QString text
        = QStringLiteral("format\t%1\nkdf\t%2\niterations\t%3\n").arg(info.format).arg(info.kdf).arg(info.iterations);
    if (info.format == WalletFormat::hardenedVersion)
        text += QStringLiteral("memory-mib\t%1\n").arg(info.memoryMiB);
    text += QStringLiteral("key-file\t%1\ncards\t%2\n")
                .arg(QLatin1String(info.keyFileRequired ? "required" : "none"))
                .arg(info.cards);
    call.console().print(text);
    return ExitSuccess;
}

int WalletCommands::checkPasswd(const Invocation &call)
{
    if (call.isSet(newKeyFileOption) && call.isSet(noKeyFileOption))
        return call.usageError(tr("--new-key-file and --no-key-file exclude each other"));
    return ExitSuccess;
}

int WalletCommands::changePassword(const Invocation &call)
{
    const QString path = call.argument(0);
    Console &console = call.console();
    NewKeyFile keyFile;
    if (!keyFile.prepare(path, call.value(newKeyFileOption), console))
        return ExitFailure;
    QString error;
    const std::optional<QString> newPassword = call.passwords().askNew(tr("New password for %1: ").arg(path), &error);
    if (!newPassword)
        return console.fail(path, error);
    WalletCredentials next{*newPassword, call.isSet(noKeyFileOption) ? QByteArray() : call.walletCredentials().keyFile};
    if (!keyFile.obtain(console, &next.keyFile))
        return ExitFailure;
    if (const WalletError kept = WalletBackups::keep(call.wallet()); kept.isError()) {
        keyFile.takeBack();
        return console.fail(path, tr("no backup could be kept: %1").arg(kept.message()));
    }
    if (!call.wallet().changeCredentials(call.walletCredentials(), next)) {
        keyFile.takeBack();
        return console.fail(path,
                            tr("%1; the old password is still in force").arg(call.wallet().lastError().message()));
    }
    return ExitSuccess;
}

int WalletCommands::checkConvert(const Invocation &call)
{
    if (call.isSet(hardenedOption) == call.isSet(compatibleOption))
        return call.usageError(tr("give one of --hardened and --compatible"));
    if (const int status = checkKeySettings(call); status != ExitSuccess)
        return status;
    const int target = call.isSet(hardenedOption) ? WalletFormat::hardenedVersion : WalletFormat::compatibleVersion;
    // A file that cannot be read is left to the checks of opening it, which say why.
    WalletInfo info;
    if (!CardDb::info(call.argument(0), &info).isError() && info.format == target)
        return call.console().fail(call.argument(0), tr("already in %1; nothing changed").arg(formatName(target)));
    return ExitSuccess;
}

int WalletCommands::convert(const Invocation &call)
{
    const QString path = call.argument(0);
    Console &console = call.console();
    CardDb &store = call.wallet();
    if (const WalletError kept = WalletBackups::keep(store); kept.isError())
        return console.fail(path, tr("no backup could be kept: %1").arg(kept.message()));
    if (!store.convert(chosenOptions(call), call.walletCredentials()))
        return console.fail(path, tr("%1; the wallet is as it was").arg(store.lastError().message()));
    const WalletInfo now = store.info();
    const QString settings = now.format == WalletFormat::hardenedVersion
        ? tr("%1, iterations %2, memory %3 MiB").arg(now.kdf).arg(now.iterations).arg(now.memoryMiB)
        : tr("%1, iterations %2").arg(now.kdf).arg(now.iterations);
    console.print(tr("converted %1 to %2: %3\n").arg(path, formatName(now.format), settings));
    return ExitSuccess;
}
