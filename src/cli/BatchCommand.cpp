#include "cli/Commands.h"

#include "cli/CommandLine.h"
#include "cli/Console.h"
#include "cli/InputLine.h"
#include "cli/Invocation.h"
#include "cli/ShellWords.h"

QVector<Command> BatchCommand::commands()
{
    return {
        {QStringLiteral("batch"),
         {"WALLET"},
         {},
         tr("Unlock WALLET once, then run the commands standard input gives, one per line."),
         tr("A line is a command line without tessera-cli and without WALLET (show Mail, or\n"
            "edit Mail 'Password=new secret'), quoted as in a shell: single quotes, double quotes with\n"
            "backslash escapes, a backslash outside quotes; nothing is expanded. Blank lines and lines that\n"
            "start with # are skipped. Each command prints what it prints alone and commits its changes as\n"
            "it does alone. The first command that fails ends the batch with its exit code, and the number\n"
            "of its line is given on standard error. When standard input is not a terminal, its first line\n"
            "is the password. Not in a batch: batch, create, passwd, convert, merge, sync and\n"
            "restore-backup, which make or open another wallet, ask for more passwords or re-key WALLET."),
         WalletUse::Reading,
         &BatchCommand::run,
         nullptr,
         false},
    };
}

int BatchCommand::run(const Invocation &call)
{
    const QString path = call.argument(0);
    Console &console = call.console();
    int number = 0;
    while (const std::optional<QByteArray> line = readInputLine()) {
        ++number;
        const QString text = QString::fromUtf8(*line).trimmed();
        if (text.isEmpty() || text.startsWith(QLatin1Char('#')))
            continue;
        QString problem;
        const std::optional<QStringList> words = ShellWords::split(text, &problem);
        if (!words)
            console.fail(path, tr("line %1: %2").arg(number).arg(problem));
        int status = words ? call.commandLine().runInBatch(*words, path, call.unlockedWallet()) : int(ExitUsage);
        // The reason is given once, when the program ends.
        if (status == ExitSuccess && !console.outputComplete(&problem))
            status = ExitFailure;
        if (status != ExitSuccess) {
            console.fail(path, tr("line %1 failed; the batch stops there").arg(number));
            return status;
        }
    }
    return ExitSuccess;
}
