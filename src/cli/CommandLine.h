#pragma once

#include "cli/Command.h"

#include <QCoreApplication>
#include <QStringList>
#include <QVector>

class Console;
class PasswordPrompt;
struct UnlockedWallet;

// Finds the command a command line calls, parses the rest for it and runs it; answers --help and
// --version itself.
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    CommandLine(Console &console, PasswordPrompt &passwords);

    // The arguments as the program got them, its own name first. Gives the exit code.
    int run(const QStringList &arguments);
    // Runs one line of a batch, its words as a command line without the program's name and without
    // WALLET, on the wallet the batch unlocked. Gives the exit code.
    int runInBatch(const QStringList &words, const QString &walletPath, UnlockedWallet &wallet);

private:
    // Reports an unknown name.
    const Command *find(const QString &name) const;
    // Runs the command, on the wallet lent when there is one.
    int runCommand(const Command &command, const QStringList &arguments, UnlockedWallet *lentWallet = nullptr);
    QString overview() const;

    QVector<Command> m_commands;
    Console &m_console;
    PasswordPrompt &m_passwords;
};
