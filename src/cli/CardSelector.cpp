#include "cli/CardSelector.h"

#include "cli/Console.h"
#include "cli/Invocation.h"

#include <QStringList>

std::optional<CardListEntry> CardSelector::select(CardDb &store, const QString &name, QString *error, Scope scope)
{
    // An id or a uuid names one card, read alone; only a title needs the list of every card.
    bool isNumber = false;
    const int id = name.toInt(&isNumber);
    if (isNumber) {
        if (auto entry = store.listEntry(id))
            return entry;
    }
    if (const int identified = store.cardIdForUuid(name); identified != -1) {
        if (auto entry = store.listEntry(identified))
            return entry;
    }

    const auto listed = store.cardList(CardDb::AllCards);
    if (!listed) {
        *error = store.lastError().message();
        return std::nullopt;
    }
    QVector<CardListEntry> titled;
    for (const CardListEntry &entry : *listed) {
        if (entry.trashed == (scope == TrashedCard) && entry.title == name)
            titled.append(entry);
    }
    if (titled.size() == 1)
        return titled.first();
    if (titled.isEmpty()) {
        *error = tr("no such card: %1").arg(name);
        return std::nullopt;
    }
    QStringList ids;
    for (const CardListEntry &entry : qAsConst(titled))
        ids << QString::number(entry.id);
    *error = tr("\"%1\" names %n cards, ids %2; give the id or uuid of one", nullptr, int(titled.size()))
                 .arg(name, ids.join(QLatin1String(", ")));
    return std::nullopt;
}

std::optional<CardListEntry> CardSelector::pick(const Invocation &call, Scope scope)
{
    QString error;
    const std::optional<CardListEntry> entry = select(call.wallet(), call.argument(1), &error, scope);
    if (entry && scope == LiveCard && entry->trashed)
        error = tr("card %1 is in the trash").arg(entry->id);
    if (entry && scope == TrashedCard && !entry->trashed)
        error = tr("card %1 is not in the trash").arg(entry->id);
    if (error.isEmpty())
        return entry;
    call.console().fail(call.argument(0), error);
    return std::nullopt;
}

std::unique_ptr<Card> CardSelector::read(const Invocation &call, CardListEntry *entry)
{
    const std::optional<CardListEntry> found = pick(call, AnyCard);
    if (!found)
        return nullptr;
    *entry = *found;
    auto card = call.wallet().card(found->id);
    if (!card)
        call.walletFailed();
    return card;
}
