#pragma once

#include "cli/Command.h"

#include <QCoreApplication>
#include <QStringList>
#include <QVector>

class Console;
class PasswordPrompt;

// Finds the command a command line calls, parses the rest for it and runs it; answers --help and
// --version itself.
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    CommandLine(Console &console, PasswordPrompt &passwords);

    // The arguments as the program got them, its own name first. Gives the exit code.
    int run(const QStringList &arguments);

private:
    const Command *find(const QString &name) const;
    int runCommand(const Command &command, const QStringList &arguments);
    QString overview() const;

    QVector<Command> m_commands;
    Console &m_console;
    PasswordPrompt &m_passwords;
};
