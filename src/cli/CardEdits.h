#pragma once

#include "cli/Command.h"

#include <QCoreApplication>
#include <QVector>

// The commands that change cards: add, edit, rm.
class CardEdits
{
    Q_DECLARE_TR_FUNCTIONS(CardEdits)

public:
    static QVector<Command> commands();

private:
    static int add(const Invocation &call);
    static int edit(const Invocation &call);
    static int remove(const Invocation &call);
};
