#pragma once

#include "search/SearchQuery.h"

#include <QSortFilterProxyModel>

class NameSortProxy;
class CardListModel;
class SearchIndex;

// The card list as shown: sorted by title, then narrowed to the cards that match the search. Sorting is a
// stage of its own below the filter, so a search that widens again puts rows back in an order already
// known instead of comparing titles for each: with many cards, that is most of the time a keystroke takes.
class CardFilterProxy : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    CardFilterProxy(CardListModel *cards, const SearchIndex &index, QObject *parent = nullptr);

    void setQuery(const SearchQuery &query);
    // The card of a row shown, or -1.
    int cardId(const QModelIndex &shown) const;
    // Where a row of the card model is shown; invalid when the search hides it.
    QModelIndex fromCards(const QModelIndex &cardsIndex) const;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    CardListModel *m_cards;
    NameSortProxy *m_sorted;
    const SearchIndex &m_index;
    SearchQuery m_query;
};
