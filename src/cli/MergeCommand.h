#pragma once

#include "cli/Command.h"

#include <QCoreApplication>
#include <QVector>

// merge and sync: the two-way merge of a wallet with another copy of it, such as one that a file-syncing
// tool keeps in a shared folder. Both files end up holding the merged cards, each under its own
// password; sync takes in the tool's conflict copies of the other copy as well.
class MergeCommand
{
    Q_DECLARE_TR_FUNCTIONS(MergeCommand)

public:
    static QVector<Command> commands();

private:
    static int merge(const Invocation &call);
    static int sync(const Invocation &call);
    static int mergeWith(const Invocation &call, bool withConflictCopies);
};
