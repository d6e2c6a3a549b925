#include "cli/Commands.h"

#include "cli/CardSelector.h"
#include "cli/Console.h"
#include "cli/Invocation.h"
#include "store/CardDb.h"

QVector<Command> TrashCommands::commands()
{
    return {
        {QStringLiteral("rm"),
         {"WALLET", "CARD"},
         {},
         tr("Move a card to the trash."),
         tr("CARD is a row id, a uuid, or the exact title of one live card."),
         WalletUse::Writing,
         &TrashCommands::remove},
        {QStringLiteral("restore"),
         {"WALLET", "CARD"},
         {},
         tr("Bring a card back from the trash."),
         tr("CARD is a row id, a uuid, or the exact title of one trashed card. The card gets the current\n"
            "time, so that a merge with another copy brings it back there too."),
         WalletUse::Writing,
         &TrashCommands::restore},
        {QStringLiteral("purge"),
         {"WALLET", {"CARD", Argument::Optional}},
         {},
         tr("Delete a trashed card for ever, or without CARD every card in the trash."),
         tr("CARD is a row id, a uuid, or the exact title of one trashed card. A card deleted for ever\n"
            "comes back from a merge only into the trash, when the other copy still has it."),
         WalletUse::Writing,
         &TrashCommands::purge},
    };
}

int TrashCommands::remove(const Invocation &call)
{
    return changeTrash(call, CardSelector::LiveCard,
                       [](CardDb &store, const CardListEntry *card) { return store.trashCard(card->id); });
}

int TrashCommands::restore(const Invocation &call)
{
    return changeTrash(call, CardSelector::TrashedCard,
                       [](CardDb &store, const CardListEntry *card) { return store.restoreCard(card->id); });
}

int TrashCommands::purge(const Invocation &call)
{
    return changeTrash(call, CardSelector::TrashedCard, [](CardDb &store, const CardListEntry *card) {
        return card ? store.purgeCard(card->id) : store.purgeTrashed();
    });
}

// The wallet is held from reading the named card to the commit, so no other program changes it between.
int TrashCommands::changeTrash(const Invocation &call, CardSelector::Scope scope,
                               const std::function<bool(CardDb &, const CardListEntry *)> &change)
{
    CardDbTransaction transaction(call.wallet());
    if (!transaction.isActive())
        return call.walletFailed();
    std::optional<CardListEntry> card;
    if (!call.argument(1).isNull()) {
        card = CardSelector::pick(call, scope);
        if (!card)
            return ExitFailure;
    }
    if (!change(call.wallet(), card ? &*card : nullptr) || !transaction.commit())
        return call.walletFailed();
    return ExitSuccess;
}
