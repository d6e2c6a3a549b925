#pragma once

#include "cli/Command.h"

#include <QCoreApplication>
#include <QVector>

// The commands that read cards and templates: ls, search, show, templates.
class CardQueries
{
    Q_DECLARE_TR_FUNCTIONS(CardQueries)

public:
    static QVector<Command> commands();

private:
    static int list(const Invocation &call);
    static int search(const Invocation &call);
    static int show(const Invocation &call);
    static int templates(const Invocation &call);
};
