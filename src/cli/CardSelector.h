#pragma once

#include "store/CardDb.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

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
};
