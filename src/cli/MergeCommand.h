#pragma once

#include "cli/Command.h"

#include <QCoreApplication>
#include <QVector>

// merge: the two-way merge of a wallet with another copy of it, such as one that another sync tool
// keeps in a shared folder. Both files end up holding the merged cards, each under its own password.
class MergeCommand
{
    Q_DECLARE_TR_FUNCTIONS(MergeCommand)

public:
    static QVector<Command> commands();

private:
    static int merge(const Invocation &call);
};
