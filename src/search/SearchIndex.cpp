#include "search/SearchIndex.h"

#include "model/BuiltinCatalog.h"
#include "model/Card.h"
#include "model/CardTextView.h"
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

const QString &foldedTemplateName(QStringView type)
{
    static const QString none;
    const auto &names = foldedTemplateNames();
    const auto found = names.constFind(type.toString());
    return found != names.cend() ? found.value() : none;
}

void appendSearchable(const CardTextView &card, QString &text)
{
    appendPiece(card.title(), text);
    text += foldedTemplateName(card.templateType());
    text += QLatin1Char('\n');
    appendPiece(card.notes(), text);
    for (int i = 0; i < card.fieldCount(); ++i) {
        const QStringView value = card.fieldValue(i);
        if (card.fieldType(i) == FieldType::Separator || value.isEmpty())
            continue;
        appendPiece(card.fieldLabel(i), text);
        if (!card.fieldSensitive(i))
            appendPiece(value, text);
    }
}

// The first filled value of the first of the types that has one; sensitive values are never shown.
QStringView firstValue(const CardTextView &card, std::initializer_list<int> types)
{
    for (const int type : types) {
        for (int i = 0; i < card.fieldCount(); ++i) {
            if (card.fieldType(i) == type && !card.fieldSensitive(i) && !card.fieldValue(i).isEmpty())
                return card.fieldValue(i);
        }
    }
    return QStringView();
}

// A card made into its text, for the code that reads cards as texts.
struct CardAsText
{
    explicit CardAsText(const Card &card)
        : data(card.toData())
        , text(data)
    {
        SecretText::wipe(data);
    }

    QByteArray data;
    const CardTextView text;
};

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
    const bool read = store.forEachCardText(
        [this, stop](const CardTextRow &row) {
            insert(row.id, row.text);
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
            insert(row.id, CardAsText(*row.card).text);
    }
    return readout.unreadable.isEmpty();
}

void SearchIndex::update(CardDb &store, int id)
{
    remove(id);
    if (const auto card = store.card(id))
        insert(id, CardAsText(*card).text);
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

QString SearchIndex::searchableText(const Card &card)
{
    QString text;
    appendSearchable(CardAsText(card).text, text);
    return text;
}

std::optional<QVector<CardListEntry>> SearchIndex::findInStore(CardDb &store, const SearchQuery &query)
{
    QVector<CardListEntry> found;
    QString text;
    const bool read = store.forEachCardText(
        [&query, &found, &text](const CardTextRow &row) {
            const CardTextView &card = row.text;
            text.resize(0);
            appendSearchable(card, text);
            if (query.matches(text))
                found.append({row.id, card.title().toString(), card.iconId(), card.templateType().toString(), false});
            return true;
        },
        CardDb::LiveCards);
    text.resize(text.capacity());
    SecretText::wipe(text);
    return read ? std::optional<QVector<CardListEntry>>(found) : std::nullopt;
}

void SearchIndex::insert(int id, const CardTextView &card)
{
    Entry entry{id, 0, 0, 0, 0, 0, 0, card.updateTime()};
    append(card, entry);
    const auto at = std::lower_bound(m_entries.begin(), m_entries.end(), id,
                                     [](const Entry &left, int right) { return left.id < right; });
    m_entries.insert(at, entry);
}

// The user name shown is the first filled user name field, else the first filled e-mail field, as the
// card's copy-user-name command finds it.
void SearchIndex::append(const CardTextView &card, Entry &entry)
{
    m_scratch.resize(0);
    appendSearchable(card, m_scratch);
    entry.text = appendSecret(m_texts, m_scratch);
    entry.textLength = m_scratch.size();
    QStringView shown = firstValue(card, {FieldType::Username, FieldType::Email});
    entry.userName = appendSecret(m_shown, shown);
    entry.userNameLength = int(shown.size());
    shown = firstValue(card, {FieldType::Url});
    entry.url = appendSecret(m_shown, shown);
    entry.urlLength = int(shown.size());
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
