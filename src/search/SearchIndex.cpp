#include "search/SearchIndex.h"

#include "model/BuiltinCatalog.h"
#include "model/Card.h"
#include "model/FieldType.h"
#include "model/SecretText.h"
#include "model/TemplateCatalog.h"
#include "store/CardDb.h"

#include <QStringList>

bool SearchIndex::rebuild(CardDb &store, bool trashed)
{
    clear();
    loadTemplateNames();
    // A damaged card cannot be searched, but it hides none of the others.
    const CardReadout readout = store.salvage();
    const std::vector<StoredCard> &rows = readout.cards;
    m_texts.reserve(int(rows.size()));
    for (const StoredCard &row : rows) {
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
    m_columns.remove(id);
    auto it = m_texts.find(id);
    if (it == m_texts.end())
        return;
    it->fill(QChar());
    m_texts.erase(it);
}

void SearchIndex::clear()
{
    for (QString &text : m_texts)
        SecretText::wipe(text);
    m_texts.clear();
    for (CardColumns &columns : m_columns) {
        SecretText::wipe(columns.userName);
        SecretText::wipe(columns.url);
    }
    m_columns.clear();
    m_templateNames.clear();
}

bool SearchIndex::matches(int id, const SearchQuery &query) const
{
    if (query.isEmpty())
        return true;
    const auto it = m_texts.constFind(id);
    return it != m_texts.constEnd() && query.matches(*it);
}

QSet<int> SearchIndex::find(const SearchQuery &query) const
{
    QSet<int> ids;
    for (auto it = m_texts.constBegin(); it != m_texts.constEnd(); ++it) {
        if (query.matches(it.value()))
            ids.insert(it.key());
    }
    return ids;
}

QString SearchIndex::searchableText(const Card &card, const QString &templateName)
{
    QStringList pieces{card.title(), templateName, card.notes()};
    for (const Field *field : card.fields()) {
        if (field->type() == FieldType::Separator || field->value().isEmpty())
            continue;
        pieces.append(field->label());
        if (!field->sensitive())
            pieces.append(field->value());
    }
    QString text;
    for (const QString &piece : qAsConst(pieces))
        text += SearchQuery::fold(piece) + QLatin1Char('\n');
    return text;
}

void SearchIndex::loadTemplateNames()
{
    const QMap<QString, Card *> templates = builtinCatalog().templateMap();
    for (auto it = templates.constBegin(); it != templates.constEnd(); ++it)
        m_templateNames.insert(it.key(), it.value()->title());
}

void SearchIndex::insert(int id, const Card &card)
{
    m_texts.insert(id, searchableText(card, m_templateNames.value(card.templateType())));
    const auto firstValue = [&card](std::initializer_list<int> types) {
        for (const int type : types) {
            for (const Field *field : card.fields()) {
                if (field->type() == type && !field->value().isEmpty())
                    return field->value();
            }
        }
        return QString();
    };
    m_columns.insert(
        id, {firstValue({FieldType::Username, FieldType::Email}), firstValue({FieldType::Url}), card.updateTime()});
}
