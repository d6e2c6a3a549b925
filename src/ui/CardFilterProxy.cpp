#include "ui/CardFilterProxy.h"

#include "model/TextUtils.h"
#include "search/SearchIndex.h"
#include "ui/CardListModel.h"

#include <algorithm>
#include <numeric>
#include <vector>

CardFilterProxy::CardFilterProxy(CardListModel *cards, const SearchIndex &index, QObject *parent)
    : QAbstractListModel(parent)
    , m_cards(cards)
    , m_index(index)
    , m_collator(titleCollator())
{
    // Sort keys compare as the collator does, without its work for each of the many comparisons.
    std::vector<QCollatorSortKey> keys;
    keys.reserve(size_t(cards->rowCount()));
    for (int row = 0; row < cards->rowCount(); ++row)
        keys.push_back(m_collator.sortKey(title(row)));
    m_sorted.resize(cards->rowCount());
    std::iota(m_sorted.begin(), m_sorted.end(), 0);
    std::stable_sort(m_sorted.begin(), m_sorted.end(),
                     [&keys](int left, int right) { return keys[size_t(left)].compare(keys[size_t(right)]) < 0; });
    m_shown = m_sorted;
    connect(cards, &QAbstractItemModel::rowsInserted, this, &CardFilterProxy::addCards);
    connect(cards, &QAbstractItemModel::rowsAboutToBeRemoved, this, &CardFilterProxy::hideCards);
    connect(cards, &QAbstractItemModel::rowsRemoved, this, &CardFilterProxy::forgetCards);
}

void CardFilterProxy::setQuery(const SearchQuery &query)
{
    // Typing on hides cards and shows none: only the rows shown need a look.
    const QVector<int> candidates = query.narrows(m_query) ? m_shown : m_sorted;
    m_query = query;
    show(candidates);
}

void CardFilterProxy::refilter()
{
    show(m_sorted);
}

// The candidates that the search lets through, in one layout change.
void CardFilterProxy::show(const QVector<int> &candidates)
{
    QVector<int> shown;
    shown.reserve(candidates.size());
    for (const int row : candidates) {
        if (accepts(row))
            shown.append(row);
    }
    if (shown == m_shown)
        return;
    emit layoutAboutToBeChanged();
    QVector<int> shownAt(m_cards->rowCount(), -1);
    for (int at = 0; at < shown.size(); ++at)
        shownAt[shown.at(at)] = at;
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex &old : before) {
        const int at = shownAt.at(m_shown.at(old.row()));
        after.append(at < 0 ? QModelIndex() : index(at, old.column()));
    }
    m_shown = std::move(shown);
    changePersistentIndexList(before, after);
    emit layoutChanged();
}

int CardFilterProxy::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_shown.size();
}

QVariant CardFilterProxy::data(const QModelIndex &shown, int role) const
{
    return m_cards->data(cardsIndex(shown), role);
}

int CardFilterProxy::cardId(const QModelIndex &shown) const
{
    return m_cards->cardId(cardsIndex(shown));
}

QModelIndex CardFilterProxy::fromCards(const QModelIndex &cardsIndex) const
{
    const int at = cardsIndex.isValid() ? m_shown.indexOf(cardsIndex.row()) : -1;
    return at < 0 ? QModelIndex() : index(at, 0);
}

QModelIndex CardFilterProxy::cardsIndex(const QModelIndex &shown) const
{
    if (!shown.isValid() || shown.row() >= m_shown.size())
        return QModelIndex();
    return m_cards->index(m_shown.at(shown.row()), 0);
}

QString CardFilterProxy::title(int cardRow) const
{
    return m_cards->data(m_cards->index(cardRow, 0)).toString();
}

bool CardFilterProxy::accepts(int cardRow) const
{
    return m_index.matches(m_cards->cardId(m_cards->index(cardRow, 0)), m_query);
}

int CardFilterProxy::sortedPosition(const QVector<int> &cardRows, int cardRow) const
{
    const QString added = title(cardRow);
    const auto after
        = std::upper_bound(cardRows.cbegin(), cardRows.cend(), added,
                           [this](const QString &text, int row) { return m_collator.compare(text, title(row)) < 0; });
    return int(after - cardRows.cbegin());
}

void CardFilterProxy::addCards(const QModelIndex &, int first, int last)
{
    const int count = last - first + 1;
    for (QVector<int> *rows : {&m_sorted, &m_shown}) {
        for (int &row : *rows)
            row += row >= first ? count : 0;
    }
    for (int row = first; row <= last; ++row) {
        m_sorted.insert(sortedPosition(m_sorted, row), row);
        if (!accepts(row))
            continue;
        const int at = sortedPosition(m_shown, row);
        beginInsertRows(QModelIndex(), at, at);
        m_shown.insert(at, row);
        endInsertRows();
    }
}

// While the card model still holds the rows it removes, so that the list can tell what it loses.
void CardFilterProxy::hideCards(const QModelIndex &, int first, int last)
{
    for (int at = m_shown.size() - 1; at >= 0; --at) {
        if (m_shown.at(at) >= first && m_shown.at(at) <= last) {
            beginRemoveRows(QModelIndex(), at, at);
            m_shown.remove(at);
            endRemoveRows();
        }
    }
}

void CardFilterProxy::forgetCards(const QModelIndex &, int first, int last)
{
    const int count = last - first + 1;
    m_sorted.erase(std::remove_if(m_sorted.begin(), m_sorted.end(),
                                  [first, last](int row) { return row >= first && row <= last; }),
                   m_sorted.end());
    for (QVector<int> *rows : {&m_sorted, &m_shown}) {
        for (int &row : *rows)
            row -= row > last ? count : 0;
    }
}
