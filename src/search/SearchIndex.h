#pragma once

#include "search/SearchQuery.h"
#include "store/CardTable.h"

#include <QDateTime>
#include <QHash>
#include <QSet>
#include <QString>

#include <atomic>
#include <optional>
#include <vector>

class Card;
class CardDb;
class CardTextView;

// What the card list shows of a card beside its title.
struct CardColumns
{
    QString userName;
    QString url;
    QDateTime modified;
};

// The searchable text of every live card of an open wallet, folded once so that a search need not
// decrypt anything: each keystroke only compares strings in memory. Built when the wallet opens, kept
// up to date card by card, wiped when the wallet closes or locks. The texts of all cards lie in one
// buffer, so that a large wallet costs a few allocations instead of one per card, and the heap they
// leave on a lock is handed back whole.
class SearchIndex
{
public:
    SearchIndex() = default;
    SearchIndex(SearchIndex &&other) noexcept;
    SearchIndex &operator=(SearchIndex &&other) noexcept;
    SearchIndex(const SearchIndex &) = delete;
    SearchIndex &operator=(const SearchIndex &) = delete;
    ~SearchIndex();

    // Reads every live card of the store, or with trashed set every card in the trash, unless stop is
    // set meanwhile (then it ends early, with part of the cards). False when some cards could not be
    // read; the others are indexed all the same.
    bool rebuild(CardDb &store, bool trashed = false, const std::atomic_bool *stop = nullptr);
    // Reads one card again after it was added or changed.
    void update(CardDb &store, int id);
    void remove(int id);
    // Overwrites the text before letting it go: it is clear text of the wallet.
    void clear();

    int size() const { return int(m_entries.size()); }
    // A card the index does not know matches only the empty search.
    bool matches(int id, const SearchQuery &query) const;
    // The ids of the matching cards.
    QSet<int> find(const SearchQuery &query) const;
    // Empty values for a card the index does not know.
    CardColumns columns(int id) const;

    // What a search looks at: title, template name, notes, and the label and value of every filled field
    // whose value is not sensitive. Folded, one line per piece, so that no term matches across two.
    static QString searchableText(const Card &card);
    // The live cards of the store that match, read one at a time and kept only when they match: one
    // search of a large wallet without an index of every card. None when a card cannot be read (the
    // store's lastError() names it).
    static std::optional<QVector<CardListEntry>> findInStore(CardDb &store, const SearchQuery &query);

private:
    // Where one card's texts lie in the buffers.
    struct Entry
    {
        int id;
        int text;
        int textLength;
        int userName;
        int userNameLength;
        int url;
        int urlLength;
        QDateTime modified;
    };

    void insert(int id, const CardTextView &card);
    void append(const CardTextView &card, Entry &entry);
    const Entry *entryOf(int id) const;
    // Drops the text of removed cards once it fills half the buffers.
    void compact();

    std::vector<Entry> m_entries; // by id
    QString m_texts;
    QString m_shown;
    // Characters of the buffers that belong to no card any more.
    int m_unused = 0;
    QString m_scratch;
};
