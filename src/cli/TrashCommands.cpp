#include "cli/TrashCommands.h"

#include "cli/CardSelector.h"
#include "cli/Console.h"
#include "cli/Invocation.h"
#include "cli/WalletAccess.h"
#include "store/CardDb.h"

namespace {

// The trashed card the command line names, or none after reporting why not.
std::optional<CardListEntry> trashedCard(CardDb &store, const Invocation &call)
{
    QString error;
    const auto entry = CardSelector::select(store, call.argument(1), &error, CardSelector::TrashedTitles);
    if (!entry)
        call.console().fail(call.argument(0), error);
    else if (!entry->trashed)
        call.console().fail(call.argument(0), TrashCommands::tr("card %1 is not in the trash").arg(entry->id));
    return entry && entry->trashed ? entry : std::nullopt;
}

} // namespace

QVector<Command> TrashCommands::commands()
{
    return {
        {QStringLiteral("restore"),
         QStringLiteral("WALLET CARD"),
         tr("Bring a card back from the trash."),
         tr("CARD is a row id, a uuid, or the exact title of one trashed card. The card gets the current\n"
            "time, so that a merge with another copy brings it back there too."),
         2,
         2,
         {},
         &TrashCommands::restore},
        {QStringLiteral("purge"),
         QStringLiteral("WALLET [CARD]"),
         tr("Delete a trashed card for ever, or without CARD every card in the trash."),
         tr("CARD is a row id, a uuid, or the exact title of one trashed card. A card deleted for ever\n"
            "comes back from a merge only into the trash, when the other copy still has it."),
         1,
         2,
         {},
         &TrashCommands::purge},
    };
}

int TrashCommands::restore(const Invocation &call)
{
    const auto store = WalletAccess::open(call.argument(0), WalletAccess::ForWriting, call.passwords(), call.console());
    if (!store)
        return ExitFailure;
    CardDbTransaction transaction(*store);
    if (!transaction.isActive())
        return WalletAccess::failed(*store, call.console());
    const auto entry = trashedCard(*store, call);
    if (!entry)
        return ExitFailure;
    if (!store->restoreCard(entry->id) || !transaction.commit())
        return WalletAccess::failed(*store, call.console());
    return ExitSuccess;
}

int TrashCommands::purge(const Invocation &call)
{
    const auto store = WalletAccess::open(call.argument(0), WalletAccess::ForWriting, call.passwords(), call.console());
    if (!store)
        return ExitFailure;
    CardDbTransaction transaction(*store);
    if (!transaction.isActive())
        return WalletAccess::failed(*store, call.console());
    if (call.argumentsFrom(1).isEmpty()) {
        if (!store->purgeTrashed() || !transaction.commit())
            return WalletAccess::failed(*store, call.console());
        return ExitSuccess;
    }
    const auto entry = trashedCard(*store, call);
    if (!entry)
        return ExitFailure;
    if (!store->purgeCard(entry->id) || !transaction.commit())
        return WalletAccess::failed(*store, call.console());
    return ExitSuccess;
}
