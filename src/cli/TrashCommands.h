#pragma once

#include "cli/Command.h"

#include <QCoreApplication>
#include <QVector>

// The commands that work on the trash: restore a card, delete cards for ever.
class TrashCommands
{
    Q_DECLARE_TR_FUNCTIONS(TrashCommands)

public:
    static QVector<Command> commands();

private:
    static int restore(const Invocation &call);
    static int purge(const Invocation &call);
};
