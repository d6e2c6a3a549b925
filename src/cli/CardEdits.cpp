#include "cli/CardEdits.h"

#include "cli/CardSelector.h"
#include "cli/Console.h"
#include "cli/FieldAssignments.h"
#include "cli/Invocation.h"
#include "cli/WalletAccess.h"
#include "model/BuiltinCatalog.h"
#include "model/TemplateCatalog.h"
#include "model/TextUtils.h"
#include "store/CardDb.h"

namespace {

const QString notesOption = QStringLiteral("notes");
const QString titleOption = QStringLiteral("title");
const QString iconOption = QStringLiteral("icon");

// The live card the command line names, or none after reporting why not.
std::optional<CardListEntry> liveCard(CardDb &store, const Invocation &call)
{
    QString error;
    const std::optional<CardListEntry> entry = CardSelector::select(store, call.argument(1), &error);
    if (!entry)
        call.console().fail(call.argument(0), error);
    else if (entry->trashed)
        call.console().fail(call.argument(0), CardEdits::tr("card %1 is in the trash").arg(entry->id));
    return entry && !entry->trashed ? entry : std::nullopt;
}

} // namespace

QVector<Command> CardEdits::commands()
{
    return {
        {QStringLiteral("add"),
         QStringLiteral("WALLET TEMPLATE TITLE [LABEL=VALUE ...] [--notes TEXT]"),
         tr("Add a card made from a template and print its uuid."),
         tr("TEMPLATE is a key that `tessera-cli templates` lists; each LABEL names one of its fields.\n"
            "The card is added only once its uuid was written: exit code 0 means both, any other means\n"
            "neither."),
         3,
         -1,
         {QCommandLineOption(notesOption, tr("the card's notes"), QStringLiteral("TEXT"))},
         &CardEdits::add},
        {QStringLiteral("edit"),
         QStringLiteral("WALLET CARD [LABEL=VALUE ...] [--title T] [--notes TEXT] [--icon N]"),
         tr("Change a card's values; what changes gets the current time."),
         tr("CARD is a row id, a uuid, or the exact title of one live card. Nothing is written when nothing "
            "changes."),
         2,
         -1,
         {QCommandLineOption(titleOption, tr("the new title"), QStringLiteral("T")),
          QCommandLineOption(notesOption, tr("the new notes"), QStringLiteral("TEXT")),
          QCommandLineOption(iconOption, tr("the new icon, 0 to %1").arg(Card::iconCount - 1), QStringLiteral("N"))},
         &CardEdits::edit},
        {QStringLiteral("rm"),
         QStringLiteral("WALLET CARD"),
         tr("Move a card to the trash."),
         tr("CARD is a row id, a uuid, or the exact title of one live card."),
         2,
         2,
         {},
         &CardEdits::remove},
    };
}

int CardEdits::add(const Invocation &call)
{
    const QString path = call.argument(0);
    Console &console = call.console();
    FieldAssignments values;
    QString error;
    if (!values.parse(call.argumentsFrom(3), &error))
        return call.usageError(error);
    if (!WalletAccess::check(path, WalletAccess::ForWriting, console))
        return ExitFailure;

    const QString templateType = call.argument(1);
    const Card *templ = builtinCatalog().find(templateType);
    if (!templ) {
        console.error(tr("no template \"%1\"; `tessera-cli templates` lists them").arg(templateType));
        return ExitFailure;
    }
    const std::unique_ptr<Card> card = templ->copyWithUuid(newUuid());
    card->setTitle(cleanText(call.argument(2)));
    if (call.isSet(notesOption))
        card->setNotes(cleanText(call.value(notesOption)));
    if (!values.applyTo(*card, &error)) {
        console.error(tr("template %1: %2").arg(templateType, error));
        return ExitFailure;
    }

    const auto store = WalletAccess::unlock(path, call.passwords(), console);
    if (!store)
        return ExitFailure;
    // The uuid is out before the card is committed: a script that did not get it sees a failure, and
    // no card was added that a retry would add twice.
    CardDbTransaction transaction(*store);
    if (!transaction.isActive() || !store->addCard(*card))
        return WalletAccess::failed(*store, console);
    console.print(card->uuid() + QLatin1Char('\n'));
    QString reason;
    if (!console.outputComplete(&reason))
        return console.fail(path, tr("the card was not added: its uuid could not be written"));
    if (!transaction.commit())
        return WalletAccess::failed(*store, console);
    return ExitSuccess;
}

// As the card editor: the edits go to a second copy of the stored card, and the stored card stamps
// what differs; a card without differences is not written at all.
int CardEdits::edit(const Invocation &call)
{
    const QString path = call.argument(0);
    Console &console = call.console();
    FieldAssignments values;
    QString error;
    if (!values.parse(call.argumentsFrom(2), &error))
        return call.usageError(error);
    bool isNumber = true;
    const int icon = call.isSet(iconOption) ? call.value(iconOption).toInt(&isNumber) : 0;
    if (!isNumber || icon < 0 || icon >= Card::iconCount)
        return call.usageError(tr("--icon takes a number from 0 to %1").arg(Card::iconCount - 1));
    const auto store = WalletAccess::open(path, WalletAccess::ForWriting, call.passwords(), console);
    if (!store)
        return ExitFailure;
    // Held from the read to the write, so no other program's change in between is overwritten.
    CardDbTransaction transaction(*store);
    if (!transaction.isActive())
        return WalletAccess::failed(*store, console);
    const std::optional<CardListEntry> entry = liveCard(*store, call);
    if (!entry)
        return ExitFailure;
    const std::unique_ptr<Card> stored = store->card(entry->id);
    const std::unique_ptr<Card> edited = store->card(entry->id);
    if (!stored || !edited)
        return WalletAccess::failed(*store, console);

    if (call.isSet(titleOption))
        edited->setTitle(cleanText(call.value(titleOption)));
    if (call.isSet(notesOption))
        edited->setNotes(cleanText(call.value(notesOption)));
    if (call.isSet(iconOption))
        edited->setIconId(icon);
    if (!values.applyTo(*edited, &error))
        return console.fail(path, error);
    if (!stored->stampChanges(*edited)) {
        console.error(tr("%1: nothing changed").arg(path));
        return ExitSuccess;
    }
    if (!store->updateCard(entry->id, *edited) || !transaction.commit())
        return WalletAccess::failed(*store, console);
    return ExitSuccess;
}

int CardEdits::remove(const Invocation &call)
{
    const QString path = call.argument(0);
    const auto store = WalletAccess::open(path, WalletAccess::ForWriting, call.passwords(), call.console());
    if (!store)
        return ExitFailure;
    CardDbTransaction transaction(*store);
    if (!transaction.isActive())
        return WalletAccess::failed(*store, call.console());
    const std::optional<CardListEntry> entry = liveCard(*store, call);
    if (!entry)
        return ExitFailure;
    if (!store->trashCard(entry->id) || !transaction.commit())
        return WalletAccess::failed(*store, call.console());
    return ExitSuccess;
}
