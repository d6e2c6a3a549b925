#include "cli/Commands.h"

#include "cli/CardSelector.h"
#include "cli/Console.h"
#include "cli/FieldAssignments.h"
#include "cli/Invocation.h"
#include "model/BuiltinCatalog.h"
#include "model/TemplateCatalog.h"
#include "model/TextUtils.h"
#include "store/CardDb.h"

namespace {

const QString notesOption = QStringLiteral("notes");
const QString titleOption = QStringLiteral("title");
const QString iconOption = QStringLiteral("icon");

// The icon --icon names, -1 when it is none of them; 0 without --icon.
int chosenIcon(const Invocation &call)
{
    bool isNumber = true;
    const int icon = call.isSet(iconOption) ? call.value(iconOption).toInt(&isNumber) : 0;
    return isNumber && icon >= 0 && icon < Card::iconCount ? icon : -1;
}

} // namespace

QVector<Command> CardEdits::commands()
{
    return {
        {QStringLiteral("add"),
         {"WALLET", "TEMPLATE", "TITLE", {"LABEL=VALUE", Argument::Any}},
         {QCommandLineOption(notesOption, tr("the card's notes"), QStringLiteral("TEXT"))},
         tr("Add a card made from a template and print its uuid."),
         tr("TEMPLATE is a key that `tessera-cli templates` lists; each LABEL names one of its fields.\n"
            "The card is added only once its uuid was written: exit code 0 means both, any other means\n"
            "neither."),
         WalletUse::Writing,
         &CardEdits::add,
         &CardEdits::checkAdd},
        {QStringLiteral("edit"),
         {"WALLET", "CARD", {"LABEL=VALUE", Argument::Any}},
         {QCommandLineOption(titleOption, tr("the new title"), QStringLiteral("T")),
          QCommandLineOption(notesOption, tr("the new notes"), QStringLiteral("TEXT")),
          QCommandLineOption(iconOption, tr("the new icon, 0 to %1").arg(Card::iconCount - 1), QStringLiteral("N"))},
         tr("Change a card's values; what changes gets the current time."),
         tr("CARD is a row id, a uuid, or the exact title of one live card. Nothing is written when nothing "
            "changes."),
         WalletUse::Writing,
         &CardEdits::edit,
         &CardEdits::checkEdit},
    };
}

std::unique_ptr<Card> CardEdits::newCard(const Invocation &call)
{
    const QString templateType = call.argument(1);
    const Card *templ = builtinCatalog().find(templateType);
    if (!templ) {
        call.console().error(tr("no template \"%1\"; `tessera-cli templates` lists them").arg(templateType));
        return nullptr;
    }
    std::unique_ptr<Card> card = templ->copyWithUuid(newUuid());
    card->setTitle(cleanText(call.argument(2)));
    if (call.isSet(notesOption))
        card->setNotes(cleanText(call.value(notesOption)));
    QString error;
    if (!FieldAssignments(call.argumentsFrom(3)).applyTo(*card, &error)) {
        call.console().error(tr("template %1: %2").arg(templateType, error));
        return nullptr;
    }
    return card;
}

int CardEdits::checkAdd(const Invocation &call)
{
    return newCard(call) ? ExitSuccess : ExitFailure;
}

int CardEdits::add(const Invocation &call)
{
    const std::unique_ptr<Card> card = newCard(call);
    if (!card)
        return ExitFailure;
    // The uuid is out before the card is committed: a script that did not get it sees a failure, and
    // no card was added that a retry would add twice.
    Console &console = call.console();
    CardDbTransaction transaction(call.wallet());
    if (!transaction.isActive() || !call.wallet().addCard(*card))
        return call.walletFailed();
    console.print(card->uuid() + QLatin1Char('\n'));
    QString reason;
    if (!console.outputComplete(&reason))
        return console.fail(call.argument(0), tr("the card was not added: its uuid could not be written"));
    if (!transaction.commit())
        return call.walletFailed();
    return ExitSuccess;
}

int CardEdits::checkEdit(const Invocation &call)
{
    return chosenIcon(call) < 0 ? call.usageError(tr("--icon takes a number from 0 to %1").arg(Card::iconCount - 1))
                                : ExitSuccess;
}

// As the card editor: the edits go to a second copy of the stored card, and the stored card stamps
// what differs; a card without differences is not written at all.
int CardEdits::edit(const Invocation &call)
{
    CardDb &store = call.wallet();
    // Held from the read to the write, so no other program's change in between is overwritten.
    CardDbTransaction transaction(store);
    if (!transaction.isActive())
        return call.walletFailed();
    const std::optional<CardListEntry> entry = CardSelector::pick(call, CardSelector::LiveCard);
    if (!entry)
        return ExitFailure;
    const std::unique_ptr<Card> stored = store.card(entry->id);
    const std::unique_ptr<Card> edited = store.card(entry->id);
    if (!stored || !edited)
        return call.walletFailed();

    if (call.isSet(titleOption))
        edited->setTitle(cleanText(call.value(titleOption)));
    if (call.isSet(notesOption))
        edited->setNotes(cleanText(call.value(notesOption)));
    if (call.isSet(iconOption))
        edited->setIconId(chosenIcon(call));
    QString error;
    if (!FieldAssignments(call.argumentsFrom(2)).applyTo(*edited, &error))
        return call.console().fail(call.argument(0), error);
    if (!stored->stampChanges(*edited)) {
        call.console().error(tr("%1: nothing changed").arg(call.argument(0)));
        return ExitSuccess;
    }
    if (!store.updateCard(entry->id, *edited) || !transaction.commit())
        return call.walletFailed();
    return ExitSuccess;
}
