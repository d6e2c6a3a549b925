#pragma once

#include "cli/Command.h"

#include <QCoreApplication>
#include <QVector>

// totp: the current one-time code of a card, for signing in from a terminal or a script.
class OtpCommand
{
    Q_DECLARE_TR_FUNCTIONS(OtpCommand)

public:
    static QVector<Command> commands();

private:
    static int totp(const Invocation &call);
};
