#pragma once

#include "cli/Command.h"

#include <QCoreApplication>
#include <QVector>

// The commands that move cards in from other programs and out to scripts: import, export.
class TransferCommands
{
    Q_DECLARE_TR_FUNCTIONS(TransferCommands)

public:
    static QVector<Command> commands();

private:
    static int importFile(const Invocation &call);
    static int exportCards(const Invocation &call);
};
