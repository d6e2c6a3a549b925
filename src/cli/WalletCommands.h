#pragma once

#include "cli/Command.h"

#include <QCoreApplication>
#include <QVector>

// The commands about a wallet file as a whole: create, check, passwd.
class WalletCommands
{
    Q_DECLARE_TR_FUNCTIONS(WalletCommands)

public:
    static QVector<Command> commands();

private:
    static int create(const Invocation &call);
    static int check(const Invocation &call);
    static int changePassword(const Invocation &call);
};
