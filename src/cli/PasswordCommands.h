#pragma once

#include "cli/Command.h"

#include <QCoreApplication>
#include <QVector>

// The commands about passwords: generate, health.
class PasswordCommands
{
    Q_DECLARE_TR_FUNCTIONS(PasswordCommands)

public:
    static QVector<Command> commands();

private:
    static int generate(const Invocation &call);
    static int health(const Invocation &call);
};
