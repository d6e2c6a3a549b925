#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class Console;
class PasswordPrompt;
class QCommandLineParser;
struct Command;

// One command as called: its parsed command line, and where it talks to the user.
class Invocation
{
    Q_DECLARE_TR_FUNCTIONS(Invocation)

public:
    Invocation(const Command &command, const QCommandLineParser &parser, Console &console, PasswordPrompt &passwords);

    QString argument(int index) const;
    // The arguments from that position on, for the repeated LABEL=VALUE ones.
    QStringList argumentsFrom(int index) const;
    bool isSet(const QString &option) const;
    QString value(const QString &option) const;

    Console &console() const { return m_console; }
    PasswordPrompt &passwords() const { return m_passwords; }

    // Reports a command line the command cannot take; gives the exit code for it.
    int usageError(const QString &reason) const;

private:
    const Command &m_command;
    const QCommandLineParser &m_parser;
    Console &m_console;
    PasswordPrompt &m_passwords;
};
