#pragma once

#include "search/SearchQuery.h"

#include <QDateTime>
#include <QHash>
#include <QSet>
#include <QString>

class Card;
class CardDb;

// What the card list shows beside a card's title.
struct CardColumns
{
    QString userName;
    QString url;
    QDateTime modified;
};

// The searchable text of every live card of an open wallet, folded once so that a search need not
// decrypt anything: each keystroke only compares strings in memory. Built when the wallet opens, kept
// up to date card by card, wiped when the wallet closes or locks.
class SearchIndex
{
public:
    // Reads every live card of the store, or with trashed set every card in the trash.
    // False when some cards could not be read; the others are indexed all the same.
    bool rebuild(CardDb &store, bool trashed = false);
    // Reads one card again after it was added or changed.
    void update(CardDb &store, int id);
    void remove(int id);
    // Overwrites the text before letting it go: it is clear text of the wallet.
    void clear();

    int size() const { return m_texts.size(); }
    // A card the index does not know matches only the empty search.
    bool matches(int id, const SearchQuery &query) const;
    // The ids of the matching cards.
    QSet<int> find(const SearchQuery &query) const;
    // Empty values for an unknown id.
    CardColumns columns(int id) const { return m_columns.value(id); }

    // What a search looks at: title, template name, notes, and the label and value of every filled field
    // whose value is not sensitive. Folded, one line per piece, so that no term matches across two.
    static QString searchableText(const Card &card, const QString &templateName);

private:
    void loadTemplateNames();
    void insert(int id, const Card &card);

    QHash<int, QString> m_texts;
    QHash<int, CardColumns> m_columns;
    QHash<QString, QString> m_templateNames;
};
