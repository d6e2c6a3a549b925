#include "cli/Invocation.h"

#include "cli/Command.h"
#include "cli/Console.h"
#include "store/CardDb.h"

Invocation::Invocation(const Command &command, const QCommandLineParser &parser, Console &console,
                       PasswordPrompt &passwords, CommandLine &commandLine, UnlockedWallet *lentWallet)
    : m_command(command)
    , m_parser(parser)
    , m_console(console)
    , m_passwords(passwords)
    , m_commandLine(commandLine)
    , m_wallet(lentWallet ? lentWallet : &m_ownWallet)
{
}

Invocation::~Invocation() = default;

std::optional<int> Invocation::number(const QString &option, int fallback, int lowest, int highest) const
{
    if (!isSet(option))
        return fallback;
    bool ok = false;
    const int given = value(option).toInt(&ok);
    return ok && given >= lowest && given <= highest ? std::optional<int>(given) : std::nullopt;
}

int Invocation::openWallet()
{
    const QString path = argument(0);
    if (m_wallet->store && isSet(WalletAccess::keyFileName))
        return usageError(tr("in a batch, --key-file goes on the batch's own command line"));
    if (!WalletAccess::check(path, m_command.wallet, m_console))
        return ExitFailure;
    if (!m_wallet->store)
        *m_wallet = WalletAccess::unlock(path, value(WalletAccess::keyFileName), m_passwords, m_console);
    return m_wallet->store ? ExitSuccess : ExitFailure;
}

int Invocation::walletFailed() const
{
    return m_console.fail(wallet().path(), wallet().lastError().message());
}

int Invocation::usageError(const QString &reason) const
{
    QString text = reason;
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    m_console.error(tr("%1: %2 (usage: %3)").arg(m_command.name, text, m_command.usage()));
    return ExitUsage;
}
