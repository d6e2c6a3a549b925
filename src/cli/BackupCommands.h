#pragma once

#include "cli/Command.h"

#include <QCoreApplication>
#include <QVector>

// backups and restore-backup: the copies kept of a wallet before it is rewritten, and putting one back.
class BackupCommands
{
    Q_DECLARE_TR_FUNCTIONS(BackupCommands)

public:
    static QVector<Command> commands();

private:
    static int list(const Invocation &call);
    static int restore(const Invocation &call);
};
