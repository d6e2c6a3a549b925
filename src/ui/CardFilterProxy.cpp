#include "ui/CardFilterProxy.h"

#include "search/SearchIndex.h"
#include "ui/CardListModel.h"
#include "ui/NameSortProxy.h"

CardFilterProxy::CardFilterProxy(CardListModel *cards, const SearchIndex &index, QObject *parent)
    : QSortFilterProxyModel(parent)
    , m_cards(cards)
    , m_sorted(new NameSortProxy(this))
    , m_index(index)
{
    m_sorted->setSourceModel(cards);
    m_sorted->setSortCaseSensitivity(Qt::CaseInsensitive);
    m_sorted->setSortLocaleAware(true);
    m_sorted->setDynamicSortFilter(true);
    m_sorted->sort(0, Qt::AscendingOrder);
    setSourceModel(m_sorted);
}

void CardFilterProxy::setQuery(const SearchQuery &query)
{
    m_query = query;
    invalidateFilter();
}

int CardFilterProxy::cardId(const QModelIndex &shown) const
{
    return m_cards->cardId(m_sorted->mapToSource(mapToSource(shown)));
}

QModelIndex CardFilterProxy::fromCards(const QModelIndex &cardsIndex) const
{
    return mapFromSource(m_sorted->mapFromSource(cardsIndex));
}

bool CardFilterProxy::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    const QModelIndex sorted = m_sorted->index(sourceRow, 0, sourceParent);
    return m_index.matches(m_cards->cardId(m_sorted->mapToSource(sorted)), m_query);
}
