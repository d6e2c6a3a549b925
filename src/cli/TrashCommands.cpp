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
    return changeTrash(call, false,
                       [](CardDb &store, const CardListEntry *card) { return store.restoreCard(card->id); });
}

int TrashCommands::purge(const Invocation &call)
{
    return changeTrash(call, true, [](CardDb &store, const CardListEntry *card) {
        return card ? store.purgeCard(card->id) : store.purgeTrashed();
    });
}

// The wallet is held from reading the named card to the commit, so no other program changes it between.
int TrashCommands::changeTrash(const Invocation &call, bool wholeTrashWhenUnnamed,
                               const std::function<bool(CardDb &, const CardListEntry *)> &change)
{
    const auto store = WalletAccess::open(call.argument(0), WalletAccess::ForWriting, call.passwords(), call.console());
    if (!store)
        return ExitFailure;
    CardDbTransaction transaction(*store);
    if (!transaction.isActive())
        return WalletAccess::failed(*store, call.console());
    std::optional<CardListEntry> card;
    if (!wholeTrashWhenUnnamed || !call.argumentsFrom(1).isEmpty()) {
        card = trashedCard(*store, call);
        if (!card)
            return ExitFailure;
    }
    if (!change(*store, card ? &*card : nullptr) || !transaction.commit())
        return WalletAccess::failed(*store, call.console());
    return ExitSuccess;
}
