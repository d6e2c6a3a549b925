#pragma once

#include "store/CardDb.h"

#include <QCoreApplication>
#include <QString>

#include <memory>
#include <optional>

class Invocation;

// Finds the card a command line names: by row id, by uuid, or by the exact title of one card.
// Ids and uuids reach trashed cards too; a title names only a card of the list looked at: the card list,
// or the trash for the commands that work there.
class CardSelector
{
    Q_DECLARE_TR_FUNCTIONS(CardSelector)

public:
    // AnyCard and LiveCard look titles up in the card list, TrashedCard in the trash.
    enum Scope { AnyCard, LiveCard, TrashedCard };

    // None, with the reason, when nothing or more than one card answers to the name.
    static std::optional<CardListEntry> select(CardDb &store, const QString &name, QString *error, Scope scope);
    // The card the second argument names in the wallet the command works on; none after reporting why
    // not, a card outside the scope included.
    static std::optional<CardListEntry> pick(const Invocation &call, Scope scope);
    // That card, read; none after reporting why not.
    static std::unique_ptr<Card> read(const Invocation &call, CardListEntry *entry);
};
