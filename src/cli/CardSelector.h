#pragma once

#include "store/CardDb.h"

#include <QCoreApplication>
#include <QString>

#include <memory>
#include <optional>

class Console;

// Finds the card a command line names: by row id, by uuid, or by the exact title of one live card.
// Ids and uuids reach trashed cards too; a title names only a card of the list looked at: the card list,
// or the trash for the commands that work there.
class CardSelector
{
    Q_DECLARE_TR_FUNCTIONS(CardSelector)

public:
    enum TitleScope { LiveTitles, TrashedTitles };

    // None, with the reason, when nothing or more than one card answers to the name.
    static std::optional<CardListEntry> select(CardDb &store, const QString &name, QString *error,
                                               TitleScope scope = LiveTitles);
    // The named card of the wallet at path, read; none after telling the console why not (no such
    // card, a title several cards share, a card that cannot be read).
    static std::unique_ptr<Card> read(CardDb &store, const QString &path, const QString &name, Console &console,
                                      CardListEntry *entry);
};
