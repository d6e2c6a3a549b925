#pragma once

#include "cli/Command.h"

#include <QCoreApplication>
#include <QVector>

#include <functional>

class CardDb;
struct CardListEntry;

// The commands that work on the trash: restore a card, delete cards for ever.
class TrashCommands
{
    Q_DECLARE_TR_FUNCTIONS(TrashCommands)

public:
    static QVector<Command> commands();

private:
    static int restore(const Invocation &call);
    static int purge(const Invocation &call);
    // Applies change to the trashed card the command line names, or (when allowed and none is named)
    // with no card, meaning the whole trash.
    static int changeTrash(const Invocation &call, bool wholeTrashWhenUnnamed,
                           const std::function<bool(CardDb &, const CardListEntry *)> &change);
};
