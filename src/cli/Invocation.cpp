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

bool Invocation::openWallet()
{
    const QString path = argument(0);
    if (!WalletAccess::check(path, m_command.wallet, m_console))
        return false;
    if (!m_wallet->store)
        *m_wallet = WalletAccess::unlock(path, m_passwords, m_console);
    return m_wallet->store != nullptr;
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
