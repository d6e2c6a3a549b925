#include "cli/Invocation.h"

#include "cli/Command.h"
#include "cli/Console.h"
#include "cli/WalletAccess.h"
#include "store/CardDb.h"

Invocation::Invocation(const Command &command, const QCommandLineParser &parser, Console &console,
                       PasswordPrompt &passwords)
    : m_command(command)
    , m_parser(parser)
    , m_console(console)
    , m_passwords(passwords)
{
}

Invocation::~Invocation() = default;

bool Invocation::openWallet()
{
    const QString path = argument(0);
    if (WalletAccess::check(path, m_command.wallet, m_console))
        m_wallet = WalletAccess::unlock(path, m_passwords, m_console, &m_password);
    return m_wallet != nullptr;
}

int Invocation::walletFailed() const
{
    return m_console.fail(m_wallet->path(), m_wallet->lastError().message());
}

int Invocation::usageError(const QString &reason) const
{
    QString text = reason;
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    m_console.error(tr("%1: %2 (usage: %3)").arg(m_command.name, text, m_command.usage()));
    return ExitUsage;
}
