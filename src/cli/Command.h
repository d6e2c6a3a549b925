#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QVector>

class Invocation;

// ExitPartial: a rescue of a damaged wallet that got out what could be read, but not everything.
enum ExitCode : int { ExitSuccess = 0, ExitFailure = 1, ExitUsage = 2, ExitPartial = 3 };

// What a command does with the wallet its first argument names.
enum class WalletUse { None, Reading, Writing };

// One positional argument: its name as the usage line shows it, and how many of it a command line holds.
// One of fixed words names them all ("json|csv"); a name of the form LABEL=VALUE takes only values of
// that form.
struct Argument
{
    enum Count { One, Optional, OneOrMore, Any };

    Argument(const char *name, Count count = One)
        : name(QLatin1String(name))
        , count(count)
    {
    }

    QString name;
    Count count;
};

// One command of tessera-cli: what it takes on the command line, its help, and what carries it out.
// The usage line, the check of the arguments, the man page and the completion all come from this.
struct Command
{
    QString name;
    QVector<Argument> arguments;
    QList<QCommandLineOption> options;
    // One line for the list of commands.
    QString summary;
    // More help for `tessera-cli NAME --help`; may be empty.
    QString details;
    // A wallet is checked and opened before run, which finds it in the invocation.
    WalletUse wallet = WalletUse::None;
    int (*run)(const Invocation &call) = nullptr;
    // Checks the command line further before any password is asked; ExitSuccess lets the command run.
    int (*check)(const Invocation &call) = nullptr;
    // Whether a batch may run it: not one that makes or opens another wallet file, reads more passwords
    // (from the input the batch reads its lines from) or re-keys the wallet the batch holds open.
    bool inBatch = true;

    // "NAME ARGUMENTS [OPTIONS]"
    QString synopsis() const;
    // "tessera-cli NAME ARGUMENTS [OPTIONS]"
    QString usage() const;
    int minArguments() const;
    // -1: any number.
    int maxArguments() const;
    QString helpText(const QCommandLineOption &helpOption) const;
    // The command's entry in the man page, in roff.
    QString manEntry() const;
    // For the bash completion: "NAME ARGUMENT... --OPTION...", a repeated argument ending in "...", an
    // option that takes a value written --OPTION=VALUE.
    QString completionLine() const;
};
