#include "cli/Commands.h"

#include "cli/Console.h"
#include "cli/Invocation.h"
#include "cli/NewKeyFile.h"
#include "cli/PasswordPrompt.h"
#include "cli/WalletAccess.h"
#include "store/CardDb.h"
#include "store/WalletBackups.h"
#include "sync/FileSync.h"
#include "sync/WalletMerge.h"

#include <QFile>
#include <QFileInfo>

namespace {

bool sameFile(const QString &a, const QString &b)
{
    const QFileInfo first(a);
    const QFileInfo second(b);
    if (first.exists() && second.exists())
        return first.canonicalFilePath() == second.canonicalFilePath();
    return first.absoluteFilePath() == second.absoluteFilePath();
}

bool otherExists(const QString &path)
{
    return QFileInfo::exists(path) || QFileInfo(path).isSymLink();
}

const QString otherKeyFileOption = QStringLiteral("other-key-file");

QList<QCommandLineOption> mergeOptions()
{
    return {QCommandLineOption(otherKeyFileOption,
                               MergeCommand::tr("the key file OTHER requires; for a new OTHER, the key file it is to "
                                                "require, made when FILE does not exist"),
                               QStringLiteral("FILE"))};
}

// A new copy gets the wallet's format and key settings.
NewWalletOptions formatOf(CardDb &wallet)
{
    const WalletInfo info = wallet.info();
    NewWalletOptions options;
    options.format
        = info.format == WalletFormat::hardenedVersion ? NewWalletOptions::Hardened : NewWalletOptions::Compatible;
    if (options.format == NewWalletOptions::Hardened)
        options.kdf = {info.iterations, info.memoryMiB * 1024};
    return options;
}

} // namespace

QVector<Command> MergeCommand::commands()
{
    return {
        {QStringLiteral("merge"),
         {"WALLET", "OTHER"},
         mergeOptions(),
         tr("Merge WALLET with OTHER, another copy of it; afterwards both hold the merged cards."),
         tr("Cards pair by identity, then by content; the newer side wins card by card and field by field.\n"
            "WALLET keeps its password and identity, OTHER its password. When OTHER does not exist yet it\n"
            "is created in WALLET's format and key settings, with a new password asked twice. Passwords are\n"
            "asked in this order: WALLET's, then OTHER's. On a failure neither file changes."),
         WalletUse::Writing,
         [](const Invocation &call) { return mergeWith(call, false); },
         &MergeCommand::checkOther,
         false},
        {QStringLiteral("sync"),
         {"WALLET", "OTHER"},
         mergeOptions() + ServerSyncCommand::options(),
         tr("Merge WALLET with OTHER in a synced folder, or with its copy on a WebDAV server at an https URL."),
         tr("As merge, and the conflict copies of OTHER that file-syncing tools leave beside it are merged\n"
            "into both too, then moved to the backups folder. A conflict copy that does not open with\n"
            "OTHER's password is left where it is and named. Prints what was received and sent.\n"
            "WALLET is backed up before it changes.\n"
            "When OTHER is the URL of a file on a WebDAV server (Nextcloud, ownCloud, any other), the copy is\n"
            "downloaded, merged, and uploaded only if nobody uploaded meanwhile (else merged again). The\n"
            "server's password comes from the desktop's keyring or is asked after WALLET's; then, if the\n"
            "copy there does not open with WALLET's, its password. A new copy there is a copy of WALLET.\n"
            "Plain http only to this computer."),
         WalletUse::Writing,
         [](const Invocation &call) { return mergeWith(call, true); },
         &MergeCommand::checkOther,
         false},
    };
}

int MergeCommand::checkOther(const Invocation &call)
{
    const QString otherPath = call.argument(1);
    if (ServerSyncCommand::isServer(otherPath))
        return call.command().name == QLatin1String("sync")
            ? ServerSyncCommand::check(call)
            : call.usageError(tr("merge takes files; sync takes a URL"));
    if (sameFile(call.argument(0), otherPath))
        return call.usageError(tr("WALLET and OTHER are the same file"));
    if (otherExists(otherPath))
        return WalletAccess::check(otherPath, WalletUse::Writing, call.console()) ? ExitSuccess : ExitFailure;
    if (!QFileInfo(QFileInfo(otherPath).absolutePath()).isDir())
        return call.console().fail(otherPath, tr("no such folder"));
    return ExitSuccess;
}

int MergeCommand::mergeWith(const Invocation &call, bool withConflictCopies)
{
    const QString otherPath = call.argument(1);
    if (ServerSyncCommand::isServer(otherPath))
        return ServerSyncCommand::run(call);
    Console &console = call.console();
    WalletError error;
    const bool created = !otherExists(otherPath);
    NewKeyFile newKeyFile;
    std::unique_ptr<CardDb> other;
    if (!created) {
        other = WalletAccess::unlock(otherPath, call.value(otherKeyFileOption), call.passwords(), console).store;
        if (!other)
            return ExitFailure;
    } else {
        if (!newKeyFile.prepare(otherPath, call.value(otherKeyFileOption), console))
            return ExitFailure;
        QString problem;
        const std::optional<QString> chosen
            = call.passwords().askNew(tr("Password for the new copy %1: ").arg(otherPath), &problem);
        if (!chosen)
            return console.fail(otherPath, problem);
        WalletCredentials credentials{*chosen, QByteArray()};
        if (!newKeyFile.obtain(console, &credentials.keyFile))
            return ExitFailure;
        other = CardDb::create(otherPath, credentials, formatOf(call.wallet()), &error);
    }
    FileSync::Report report;
    const bool merged = other
        && (withConflictCopies ? FileSync::run(call.wallet(), *other, &report, &error)
                               : WalletMerge::merge(call.wallet(), *other, WalletMerge::BothCopies, &error, nullptr,
                                                    &WalletBackups::keep));
    if (!merged) {
        if (created) {
            other.reset();
            QFile::remove(otherPath);
            newKeyFile.takeBack();
        }
        console.error(tr("merge failed: %1").arg(error.message()));
        return ExitFailure;
    }
    if (!withConflictCopies)
        return ExitSuccess;
    for (const FileSync::Report::LeftCopy &left : qAsConst(report.conflictCopiesLeft))
        console.fail(left.path, tr("conflict copy not merged: %1").arg(left.reason.message()));
    // A line for scripts: the same in every language.
    console.print(QStringLiteral("received %1, sent %2, conflict copies merged %3\n")
                      .arg(report.received)
                      .arg(report.sent)
                      .arg(report.conflictCopiesMerged));
    return ExitSuccess;
}
