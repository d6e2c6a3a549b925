#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>

class Invocation;

// ExitPartial: a rescue of a damaged wallet that got out what could be read, but not everything.
enum ExitCode : int { ExitSuccess = 0, ExitFailure = 1, ExitUsage = 2, ExitPartial = 3 };

// One command of tessera-cli: what it takes on the command line, its help, and what carries it out.
struct Command
{
    QString name;
    // The arguments and options as the usage line shows them.
    QString syntax;
    // One line for the list of commands.
    QString summary;
    // More help for `tessera-cli NAME --help`; may be empty.
    QString details;
    int minArguments = 0;
    // -1: any number.
    int maxArguments = 0;
    QList<QCommandLineOption> options;
    int (*run)(const Invocation &call) = nullptr;

    // "NAME SYNTAX"
    QString synopsis() const;
    // "tessera-cli NAME SYNTAX"
    QString usage() const;
    QString helpText(const QCommandLineOption &helpOption) const;
};
