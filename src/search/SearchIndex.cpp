#include "search/SearchIndex.h"

#include "model/BuiltinCatalog.h"
#include "model/Card.h"
#include "model/FieldType.h"
#include "model/SecretText.h"
#include "model/TemplateCatalog.h"
#include "store/CardDb.h"

#include <algorithm>

namespace {

// The names of the built-in templates by type, folded once for all cards.
const QHash<QString, QString> &foldedTemplateNames()
{
    static const QHash<QString, QString> names = [] {
        QHash<QString, QString> folded;
        const QMap<QString, Card *> templates = builtinCatalog().templateMap();
        for (auto it = templates.constBegin(); it != templates.constEnd(); ++it)
            folded.insert(it.key(), SearchQuery::fold(it.value()->title()));
        return folded;
    }();
    return names;
}

void appendPiece(QStringView piece, QString &text)
{
    SearchQuery::foldInto(piece, text);
    text += QLatin1Char('\n');
}

void appendSearchable(const Card &card, QStringView foldedTemplateName, QString &text)
{
    appendPiece(card.title(), text);
    text.append(foldedTemplateName.data(), int(foldedTemplateName.size()));
    text += QLatin1Char('\n');
    appendPiece(card.notes(), text);
    for (const Field *field : card.fields()) {
        if (field->type() == FieldType::Separator || field->value().isEmpty())
            continue;
        appendPiece(field->label(), text);
        if (!field->sensitive())
            appendPiece(field->value(), text);
    }
}

QString firstValue(const Card &card, std::initializer_list<int> types)
{
    const QList<Field *> fields = card.fields();
    for (const int type : types) {
        for (const Field *field : fields) {
            if (field->type() == type && !field->sensitive() && !field->value().isEmpty())
                return field->value();
        }
    }
    return QString();
}

// Appends text and gives where it starts. The buffer grows by hand: a reallocation would leave the old
// copy of the wallet's text unwiped in freed memory.
int appendSecret(QString &buffer, QStringView text)
{
    const int at = buffer.size();
    if (buffer.capacity() < at + int(text.size())) {
        QString larger;
        larger.reserve(std::max(2 * buffer.capacity(), at + int(text.size())) + 4096);
        larger.append(buffer);
        SecretText::wipe(buffer);
        buffer.swap(larger);
    }
    buffer.append(text.data(), int(text.size()));
    return at;
}

void wipeRange(QString &buffer, int from, int length)
{
    std::fill_n(buffer.data() + from, length, QChar());
}

} // namespace

SearchIndex::SearchIndex(SearchIndex &&other) noexcept
    : m_entries(std::move(other.m_entries))
    , m_texts(std::move(other.m_texts))
    , m_shown(std::move(other.m_shown))
    , m_unused(other.m_unused)
{
    other.m_entries.clear();
    other.m_unused = 0;
}

SearchIndex &SearchIndex::operator=(SearchIndex &&other) noexcept
{
    clear();
    m_entries.swap(other.m_entries);
    m_texts.swap(other.m_texts);
    m_shown.swap(other.m_shown);
    std::swap(m_unused, other.m_unused);
    return *this;
}

SearchIndex::~SearchIndex()
{
    clear();
}

bool SearchIndex::rebuild(CardDb &store, bool trashed, const std::atomic_bool *stop)
{
    clear();
    // One card at a time: the decrypted cards of a large wallet never stand in memory together.
    const bool read = store.forEachCard(
        [this, stop](const StoredCard &row) {
            insert(row.id, *row.card);
            return !stop || !stop->load();
        },
        trashed ? CardDb::TrashedCards : CardDb::LiveCards);
    if (read)
        return true;
    // A damaged card cannot be searched, but it hides none of the others.
    clear();
    const CardReadout readout = store.salvage();
    for (const StoredCard &row : readout.cards) {
        if (row.trashed == trashed && row.card)
            insert(row.id, *row.card);
    }
    return readout.unreadable.isEmpty();
}

void SearchIndex::update(CardDb &store, int id)
{
    remove(id);
    if (const auto card = store.card(id))
        insert(id, *card);
}

void SearchIndex::remove(int id)
{
    const Entry *found = entryOf(id);
    if (!found)
        return;
    wipeRange(m_texts, found->text, found->textLength);
    wipeRange(m_shown, found->userName, found->userNameLength + found->urlLength);
    m_unused += found->textLength + found->userNameLength + found->urlLength;
    m_entries.erase(m_entries.begin() + (found - m_entries.data()));
    compact();
}

void SearchIndex::clear()
{
    SecretText::wipe(m_texts);
    SecretText::wipe(m_shown);
    // The scratch text may hold a longer card's text past its end.
    m_scratch.resize(m_scratch.capacity());
    SecretText::wipe(m_scratch);
    m_entries = std::vector<Entry>();
    m_unused = 0;
}

bool SearchIndex::matches(int id, const SearchQuery &query) const
{
    if (query.isEmpty())
        return true;
    const Entry *found = entryOf(id);
    return found && query.matches(QStringView(m_texts).mid(found->text, found->textLength));
}

QSet<int> SearchIndex::find(const SearchQuery &query) const
{
    QSet<int> ids;
    const QStringView texts(m_texts);
    for (const Entry &entry : m_entries) {
        if (query.matches(texts.mid(entry.text, entry.textLength)))
            ids.insert(entry.id);
    }
    return ids;
}

CardColumns SearchIndex::columns(int id) const
{
    const Entry *found = entryOf(id);
    if (!found)
        return CardColumns();
    return {m_shown.mid(found->userName, found->userNameLength), m_shown.mid(found->url, found->urlLength),
            found->modified};
}

QString SearchIndex::searchableText(const Card &card, const QString &templateName)
{
    QString text;
    appendSearchable(card, SearchQuery::fold(templateName), text);
    return text;
}

std::optional<QVector<CardListEntry>> SearchIndex::findInStore(CardDb &store, const SearchQuery &query)
{
    QVector<CardListEntry> found;
    QString text;
    const bool read = store.forEachCard(
        [&query, &found, &text](const StoredCard &row) {
            const Card &card = *row.card;
            text.resize(0);
            appendSearchable(card, foldedTemplateNames().value(card.templateType()), text);
            if (query.matches(text))
                found.append({row.id, card.title(), card.iconId(), card.templateType(), false});
            return true;
        },
        CardDb::LiveCards);
    text.resize(text.capacity());
    SecretText::wipe(text);
    return read ? std::optional<QVector<CardListEntry>>(found) : std::nullopt;
}

QString SearchIndex::userName(const Card &card)
{
    return firstValue(card, {FieldType::Username, FieldType::Email});
}

QString SearchIndex::url(const Card &card)
{
    return firstValue(card, {FieldType::Url});
}

void SearchIndex::insert(int id, const Card &card)
{
    Entry entry{id, 0, 0, 0, 0, 0, 0, card.updateTime()};
    append(card, entry);
    const auto at = std::lower_bound(m_entries.begin(), m_entries.end(), id,
                                     [](const Entry &left, int right) { return left.id < right; });
    m_entries.insert(at, entry);
}

void SearchIndex::append(const Card &card, Entry &entry)
{
    m_scratch.resize(0);
    appendSearchable(card, foldedTemplateNames().value(card.templateType()), m_scratch);
    entry.text = appendSecret(m_texts, m_scratch);
    entry.textLength = m_scratch.size();
    QString shown = userName(card);
    entry.userName = appendSecret(m_shown, shown);
    entry.userNameLength = shown.size();
    shown = url(card);
    entry.url = appendSecret(m_shown, shown);
    entry.urlLength = shown.size();
}

const SearchIndex::Entry *SearchIndex::entryOf(int id) const
{
    const auto at = std::lower_bound(m_entries.cbegin(), m_entries.cend(), id,
                                     [](const Entry &left, int right) { return left.id < right; });
    return at != m_entries.cend() && at->id == id ? &*at : nullptr;
}

void SearchIndex::compact()
{
    if (m_unused < 65536 || 2 * m_unused < m_texts.size() + m_shown.size())
        return;
    QString texts;
    QString shown;
    texts.reserve(m_texts.size() + 4096);
    shown.reserve(m_shown.size() + 4096);
    const QStringView oldTexts(m_texts);
    const QStringView oldShown(m_shown);
    for (Entry &entry : m_entries) {
        entry.text = appendSecret(texts, oldTexts.mid(entry.text, entry.textLength));
        entry.userName = appendSecret(shown, oldShown.mid(entry.userName, entry.userNameLength));
        entry.url = appendSecret(shown, oldShown.mid(entry.url, entry.urlLength));
    }
    SecretText::wipe(m_texts);
    SecretText::wipe(m_shown);
    m_texts.swap(texts);
    m_shown.swap(shown);
    m_unused = 0;
}
