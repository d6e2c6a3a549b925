#pragma once

#include "search/SearchQuery.h"

#include <QAbstractTableModel>
#include <QCollator>
#include <QVector>

class CardListModel;
class SearchIndex;

// The card list as shown: the rows of the card model with the columns the search index keeps for each
// card, sorted by one column (text as card titles sort, titleCollator; ties by title), narrowed to the
// cards that match the search. A new search or sort swaps the rows shown in one layout change that
// carries the current card along: removing the hidden rows run by run, as a sort-filter proxy does,
// rebuilds its whole mapping for every run, which takes seconds a keystroke with many cards. The card
// model only adds and removes rows (a changed card leaves and comes back), and the list follows each row.
class CardFilterProxy : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Title, UserName, Url, Modified, ColumnCount };

    CardFilterProxy(CardListModel *cards, const SearchIndex &index, QObject *parent = nullptr);

    void setQuery(const SearchQuery &query);
    // The index learned many cards at once (it was built after the list was shown): the search runs
    // over every card again, and the columns it fills show their values and sort anew.
    void indexReady();
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &shown, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    // The card of a row shown, or -1.
    int cardId(const QModelIndex &shown) const;
    // Where a row of the card model is shown; invalid when the search hides it.
    QModelIndex fromCards(const QModelIndex &cardsIndex) const;

private:
    void showMatching(const QVector<int> &candidates);
    QModelIndex cardsIndex(const QModelIndex &shown) const;
    QVariant columnData(int cardRow, int column, int role) const;
    QString text(int cardRow, int column) const;
    QDateTime modified(int cardRow) const;
    bool accepts(int cardRow) const;
    // Every row of the card model in the order of the sort, from sort keys made once for each row.
    QVector<int> sortedRows() const;
    // Whether a row of the card model comes before another in the order of the sort.
    bool lessThan(int left, int right) const;
    int compare(int column, int left, int right) const;
    // Where a row of the card model goes among sorted rows: after those that sort the same.
    int sortedPosition(const QVector<int> &cardRows, int cardRow) const;
    // Shows these rows of the card model in one layout change, the current row carried along.
    void show(QVector<int> shown);
    void addCards(const QModelIndex &parent, int first, int last);
    void hideCards(const QModelIndex &parent, int first, int last);
    void forgetCards(const QModelIndex &parent, int first, int last);

    CardListModel *const m_cards;
    const SearchIndex &m_index;
    const QCollator m_collator;
    SearchQuery m_query;
    int m_sortColumn = Title;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    // Every row of the card model in the order of the sort, and the ones the search lets through.
    QVector<int> m_sorted;
    QVector<int> m_shown;
};
