#include "cli/CommandLine.h"

#include "cli/Commands.h"
#include "cli/Console.h"
#include "cli/Invocation.h"
#include "cli/WalletAccess.h"

#include <QCommandLineParser>

#include <algorithm>

namespace {

QCommandLineOption helpOption()
{
    return QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")}, CommandLine::tr("show this help"));
}

} // namespace

CommandLine::CommandLine(Console &console, PasswordPrompt &passwords)
    : m_console(console)
    , m_passwords(passwords)
{
    m_commands << WalletCommands::commands() << CardQueries::commands() << CardEdits::commands()
               << TrashCommands::commands() << TransferCommands::commands() << MergeCommand::commands()
               << OtpCommand::commands() << PasswordCommands::commands() << BackupCommands::commands()
               << BatchCommand::commands();
    for (Command &command : m_commands) {
        if (command.wallet != WalletUse::None)
            command.options << WalletAccess::keyFileOption();
    }
}

int CommandLine::run(const QStringList &arguments)
{
    if (arguments.size() < 2) {
        m_console.printError(overview());
        return ExitUsage;
    }
    const QString first = arguments.at(1);
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        m_console.print(overview());
        return ExitSuccess;
    }
    if (first == QLatin1String("--version")) {
        m_console.print(QStringLiteral("tessera-cli %1\n").arg(QStringLiteral(TESSERA_VERSION)));
        return ExitSuccess;
    }
    // Not in the help: the build makes the man page's list of commands of them, and the bash
    // completion asks for the commands, their arguments and options.
    if (first == QLatin1String("--man-commands") || first == QLatin1String("--complete-commands")) {
        for (const Command &command : qAsConst(m_commands)) {
            m_console.print(first == QLatin1String("--man-commands") ? command.manEntry()
                                                                     : command.completionLine() + QLatin1Char('\n'));
        }
        return ExitSuccess;
    }
    const Command *command = find(first);
    if (!command)
        return ExitUsage;
    const int status = runCommand(*command, arguments.mid(2));
    QString reason;
    if (!m_console.outputComplete(&reason)) {
        m_console.error(tr("cannot write the output: %1").arg(reason));
        return ExitFailure;
    }
    return status;
}

int CommandLine::runInBatch(const QStringList &words, const QString &walletPath, UnlockedWallet &wallet)
{
    const Command *command = find(words.constFirst());
    if (!command)
        return ExitUsage;
    if (!command->inBatch) {
        m_console.error(tr("%1 cannot run in a batch").arg(command->name));
        return ExitUsage;
    }
    QStringList arguments = words.mid(1);
    if (!command->arguments.isEmpty() && command->arguments.constFirst().name == QLatin1String("WALLET"))
        arguments.prepend(walletPath);
    return runCommand(*command, arguments, &wallet);
}

const Command *CommandLine::find(const QString &name) const
{
    const auto it = std::find_if(m_commands.cbegin(), m_commands.cend(),
                                 [&name](const Command &command) { return command.name == name; });
    if (it != m_commands.cend())
        return &*it;
    m_console.error(tr("unknown command \"%1\"; `tessera-cli --help` lists the commands").arg(name));
    return nullptr;
}

int CommandLine::runCommand(const Command &command, const QStringList &arguments, UnlockedWallet *lentWallet)
{
    QCommandLineParser parser;
    const QCommandLineOption help = helpOption();
    parser.addOption(help);
    parser.addOptions(command.options);
    Invocation call(command, parser, m_console, m_passwords, *this, lentWallet);
    // The parser takes the first argument for the program's name.
    if (!parser.parse(QStringList{command.name} + arguments))
        return call.usageError(parser.errorText());
    if (parser.isSet(help)) {
        m_console.print(command.helpText(help));
        return ExitSuccess;
    }
    const int count = parser.positionalArguments().size();
    if (count < command.minArguments())
        return call.usageError(tr("missing arguments"));
    if (command.maxArguments() >= 0 && count > command.maxArguments())
        return call.usageError(tr("too many arguments"));
    // Arguments take the values in turn, the last one the rest; one named LABEL=VALUE takes that form.
    for (int i = 0; i < count; ++i) {
        const QString form = command.arguments.at(std::min(i, int(command.arguments.size()) - 1)).name;
        const QString value = parser.positionalArguments().at(i);
        if (form.contains(QLatin1Char('=')) && value.indexOf(QLatin1Char('=')) <= 0)
            return call.usageError(tr("\"%1\" is not of the form %2").arg(value, form));
    }
    if (const int status = command.check ? command.check(call) : ExitSuccess; status != ExitSuccess)
        return status;
    if (command.wallet != WalletUse::None) {
        if (const int status = call.openWallet(); status != ExitSuccess)
            return status;
    }
    return command.run(call);
}

QString CommandLine::overview() const
{
    QString text = tr("Usage: tessera-cli COMMAND [ARGUMENTS]\n\n"
                      "The Tessera password wallet from a terminal and from scripts.\n\nCommands:\n");
    for (const Command &command : m_commands)
        text += QStringLiteral("  %1\n      %2\n").arg(command.synopsis(), command.summary);
    text += tr("\nCARD is a row id, a uuid, or the exact title of one live card.\n"
               "Passwords are read from the terminal without echo; when standard input is not a terminal,\n"
               "one line per password in the order they are asked.\n"
               "Exit codes: 0 success, 1 failure, 2 usage error, 3 a damaged wallet rescued in part.\n"
               "`tessera-cli COMMAND --help` shows the details of a command.\n");
    return text;
}
