#pragma once

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <memory>

class CardDb;
class Console;
class PasswordPrompt;
struct Command;

// One command as called: its parsed command line, where it talks to the user, and the wallet it works on.
class Invocation
{
    Q_DECLARE_TR_FUNCTIONS(Invocation)

public:
    Invocation(const Command &command, const QCommandLineParser &parser, Console &console, PasswordPrompt &passwords);
    ~Invocation();

    QString argument(int index) const { return m_parser.positionalArguments().value(index); }
    // The arguments from that position on, for the repeated ones.
    QStringList argumentsFrom(int index) const { return m_parser.positionalArguments().mid(index); }
    bool isSet(const QString &option) const { return m_parser.isSet(option); }
    QString value(const QString &option) const { return m_parser.value(option); }

    Console &console() const { return m_console; }
    PasswordPrompt &passwords() const { return m_passwords; }

    // Checks the wallet the first argument names and opens it with a password asked for it, as the
    // command uses it; reports a failure and gives false.
    bool openWallet();
    CardDb &wallet() const { return *m_wallet; }
    // The password that opened the wallet, for a command that needs it again.
    const QString &walletPassword() const { return m_password; }
    // Reports the wallet's last error; gives the exit code of a failure.
    int walletFailed() const;

    // Reports a command line the command cannot take; gives the exit code for it.
    int usageError(const QString &reason) const;

private:
    const Command &m_command;
    const QCommandLineParser &m_parser;
    Console &m_console;
    PasswordPrompt &m_passwords;
    std::unique_ptr<CardDb> m_wallet;
    QString m_password;
};
