#pragma once

#include "search/SearchQuery.h"

#include <QAbstractListModel>
#include <QCollator>
#include <QVector>

class CardListModel;
class SearchIndex;

// The card list as shown: the rows of the card model sorted as card titles sort (titleCollator), narrowed
// to the cards that match the search. A new search swaps the rows shown in one layout change that carries
// the current card along: removing the hidden rows run by run, as a sort-filter proxy does, rebuilds its
// whole mapping for every run, which takes seconds a keystroke with many cards. The card model only adds
// and removes rows (a changed card leaves and comes back), and the list follows each row.
class CardFilterProxy : public QAbstractListModel
{
    Q_OBJECT

public:
    CardFilterProxy(CardListModel *cards, const SearchIndex &index, QObject *parent = nullptr);

    void setQuery(const SearchQuery &query);
    // The index learned many cards at once (it was built after the list was shown): the search runs
    // over every card again.
    void refilter();
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &shown, int role = Qt::DisplayRole) const override;
    // The card of a row shown, or -1.
    int cardId(const QModelIndex &shown) const;
    // Where a row of the card model is shown; invalid when the search hides it.
    QModelIndex fromCards(const QModelIndex &cardsIndex) const;

private:
    void show(const QVector<int> &candidates);
    QModelIndex cardsIndex(const QModelIndex &shown) const;
    QString title(int cardRow) const;
    bool accepts(int cardRow) const;
    // Where a row of the card model goes among rows in title order: after those of the same title.
    int sortedPosition(const QVector<int> &cardRows, int cardRow) const;
    void addCards(const QModelIndex &parent, int first, int last);
    void hideCards(const QModelIndex &parent, int first, int last);
    void forgetCards(const QModelIndex &parent, int first, int last);

    CardListModel *const m_cards;
    const SearchIndex &m_index;
    const QCollator m_collator;
    SearchQuery m_query;
    // Every row of the card model in title order, and the ones the search lets through.
    QVector<int> m_sorted;
    QVector<int> m_shown;
};
