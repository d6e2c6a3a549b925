#pragma once

#include "cli/WalletAccess.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

class CardDb;
class CommandLine;
class Console;
class PasswordPrompt;
struct Command;

// One command as called: its parsed command line, where it talks to the user, and the wallet it works on.
class Invocation
{
    Q_DECLARE_TR_FUNCTIONS(Invocation)

public:
    // A batch lends the wallet it unlocked to the commands it runs.
    Invocation(const Command &command, const QCommandLineParser &parser, Console &console, PasswordPrompt &passwords,
               CommandLine &commandLine, UnlockedWallet *lentWallet = nullptr);
    ~Invocation();

    QString argument(int index) const { return m_parser.positionalArguments().value(index); }
    // The arguments from that position on, for the repeated ones.
    QStringList argumentsFrom(int index) const { return m_parser.positionalArguments().mid(index); }
    bool isSet(const QString &option) const { return m_parser.isSet(option); }
    QString value(const QString &option) const { return m_parser.value(option); }
    // The whole number the option was given, if it is one from lowest to highest; fallback when the
    // option was not given.
    std::optional<int> number(const QString &option, int fallback, int lowest, int highest) const;

    Console &console() const { return m_console; }
    PasswordPrompt &passwords() const { return m_passwords; }
    // What runs the lines of a batch.
    CommandLine &commandLine() const { return m_commandLine; }
    const Command &command() const { return m_command; }

    // Checks the wallet the first argument names as the command uses it, and opens it with a password
    // asked for it and the key file --key-file names, unless it was lent unlocked; reports a failure and
    // gives its exit code.
    int openWallet();
    CardDb &wallet() const { return *m_wallet->store; }
    UnlockedWallet &unlockedWallet() const { return *m_wallet; }
    // What opened the wallet, for a command that needs it again.
    const WalletCredentials &walletCredentials() const { return m_wallet->credentials; }
    // Reports the wallet's last error; gives the exit code of a failure.
    int walletFailed() const;

    // Reports a command line the command cannot take; gives the exit code for it.
    int usageError(const QString &reason) const;

private:
    const Command &m_command;
    const QCommandLineParser &m_parser;
    Console &m_console;
    PasswordPrompt &m_passwords;
    CommandLine &m_commandLine;
    UnlockedWallet m_ownWallet;
    // The own wallet, or the one lent.
    UnlockedWallet *const m_wallet;
};
