#include "cli/Commands.h"

#include "cli/CardSelector.h"
#include "cli/Console.h"
#include "cli/Invocation.h"
#include "model/BuiltinCatalog.h"
#include "model/FieldType.h"
#include "model/TemplateCatalog.h"
#include "model/TextUtils.h"
#include "search/SearchIndex.h"
#include "store/CardDb.h"

#include <QCollator>

#include <algorithm>
#include <charconv>
#include <future>
#include <numeric>
#include <vector>

namespace {

const QString trashedOption = QStringLiteral("trashed");
const QString secretsOption = QStringLiteral("show-secrets");

// "label: value", a value of several lines indented below its first.
QString labelled(const QString &label, const QString &value)
{
    if (value.isEmpty())
        return label + QLatin1String(":\n");
    QString indented = value;
    indented.replace(QLatin1Char('\n'), QLatin1String("\n  "));
    return QStringLiteral("%1: %2\n").arg(label, indented);
}

// Appends a column of the list: a line break or tab in a title (an import may bring one) would split the line.
void appendColumn(QString &line, const QString &text)
{
    const int start = line.size();
    line += text;
    for (QChar *c = line.data() + start, *end = line.data() + line.size(); c != end; ++c) {
        if (*c == QLatin1Char('\n') || *c == QLatin1Char('\r') || *c == QLatin1Char('\t'))
            *c = QLatin1Char(' ');
    }
}

// The lines of `ls`: id, title and template type, sorted by title as the window sorts them; with
// trashed cards, a fourth column says which are.
QString listing(const QVector<CardListEntry> &entries, bool withTrashed)
{
    QVector<QString> titles;
    titles.reserve(entries.size());
    qsizetype length = 0;
    for (const CardListEntry &entry : entries) {
        titles.append(entry.title);
        length += entry.title.size() + entry.templateType.size() + 20;
    }
    QVector<int> order(entries.size());
    std::iota(order.begin(), order.end(), 0);
    sortCollated(order, titles, titleCollator(), false);
    // Written in two halves on two threads: the entries are visited in title order, all over memory.
    const auto linesOf = [&](int from, int to) {
        QString text;
        text.reserve(int(length / 2 + 64));
        for (int i = from; i < to; ++i) {
            const CardListEntry &entry = entries.at(order.at(i));
            char id[16];
            const auto printed = std::to_chars(id, id + sizeof id, entry.id);
            text += QLatin1String(id, int(printed.ptr - id));
            text += QLatin1Char('\t');
            appendColumn(text, entry.title);
            text += QLatin1Char('\t');
            appendColumn(text, entry.templateType);
            if (withTrashed)
                text += QLatin1String(entry.trashed ? "\ttrashed" : "\tlive");
            text += QLatin1Char('\n');
        }
        return text;
    };
    const int middle = order.size() / 2;
    auto firstHalf = std::async(std::launch::async, linesOf, 0, middle);
    const QString lastHalf = linesOf(middle, order.size());
    QString text = firstHalf.get();
    text += lastHalf;
    return text;
}

} // namespace

QVector<Command> CardQueries::commands()
{
    return {
        {QStringLiteral("ls"),
         {"WALLET"},
         {QCommandLineOption(trashedOption, tr("list trashed cards too, with a fourth column: live or trashed"))},
         tr("List the cards: id, title and template type, tab-separated, sorted by title."),
         tr("Titles sort as in the card list of the window: by the user's language, ignoring case."),
         WalletUse::Reading,
         &CardQueries::list},
        {QStringLiteral("search"),
         {"WALLET", {"TERM", Argument::OneOrMore}},
         {},
         tr("List the live cards that match every term, as ls lists them."),
         tr("Terms are looked for in titles, template names, notes and field labels and values, ignoring case and "
            "accents; sensitive values are never searched. Double quotes inside an argument keep a phrase "
            "together, as in the search field of the window."),
         WalletUse::Reading,
         &CardQueries::search},
        {QStringLiteral("show"),
         {"WALLET", "CARD"},
         {QCommandLineOption(secretsOption, tr("show sensitive values instead of masking them"))},
         tr("Show one card: title, type, icon, notes and each field as \"label: value\"."),
         tr("CARD is a row id, a uuid, or the exact title of one live card. Sensitive values are masked."),
         WalletUse::Reading,
         &CardQueries::show},
        {QStringLiteral("templates"),
         {},
         {},
         tr("List the templates of new cards: key, name and number of fields, tab-separated."),
         QString(),
         WalletUse::None,
         &CardQueries::templates},
    };
}

int CardQueries::list(const Invocation &call)
{
    const bool withTrashed = call.isSet(trashedOption);
    const auto listed = call.wallet().cardList(CardDb::AllCards);
    if (!listed)
        return call.walletFailed();
    QVector<CardListEntry> entries = *listed;
    if (!withTrashed)
        entries.erase(std::remove_if(entries.begin(), entries.end(), [](const CardListEntry &e) { return e.trashed; }),
                      entries.end());

    call.console().print(listing(entries, withTrashed));
    return ExitSuccess;
}

// Each argument is read as the window reads the search field, so `search W '"blue door"'` looks for the
// phrase and `search W blue door` for both words anywhere. One search reads the cards one at a time and
// keeps only the matches: building the window's index of every card would cost more than it saves.
int CardQueries::search(const Invocation &call)
{
    const auto found
        = SearchIndex::findInStore(call.wallet(), SearchQuery(call.argumentsFrom(1).join(QLatin1Char(' '))));
    if (!found)
        return call.walletFailed();
    call.console().print(listing(*found, false));
    return ExitSuccess;
}

int CardQueries::show(const Invocation &call)
{
    CardListEntry entry;
    const auto card = CardSelector::read(call, &entry);
    if (!card)
        return ExitFailure;

    QString text = labelled(QStringLiteral("title"), card->title())
        + labelled(QStringLiteral("type"), card->templateType())
        + labelled(QStringLiteral("icon"), QString::number(card->iconId()))
        + labelled(QStringLiteral("uuid"), card->uuid());
    if (entry.trashed)
        text += labelled(QStringLiteral("trashed"), QStringLiteral("yes"));
    text += labelled(QStringLiteral("notes"), card->notes()) + QLatin1Char('\n');
    const bool showSecrets = call.isSet(secretsOption);
    for (const Field *field : card->fields()) {
        if (field->type() == FieldType::Separator)
            continue;
        // A fixed mask: the number of bullets would tell the length of the secret.
        const bool masked = field->sensitive() && !showSecrets && !field->value().isEmpty();
        text += labelled(field->label(), masked ? QStringLiteral("********") : field->value());
    }
    call.console().print(text);
    return ExitSuccess;
}

int CardQueries::templates(const Invocation &call)
{
    QString text;
    for (const Card *templ : builtinCatalog().templates()) {
        const QList<Field *> fields = templ->fields();
        const auto count = std::count_if(fields.begin(), fields.end(),
                                         [](const Field *field) { return field->type() != FieldType::Separator; });
        text += QStringList{templ->templateType(), templ->title(), QString::number(count)}.join(QLatin1Char('\t'))
            + QLatin1Char('\n');
    }
    call.console().print(text);
    return ExitSuccess;
}
