#include "ui/CardFilterProxy.h"

#include "model/TextUtils.h"
#include "search/SearchIndex.h"
#include "ui/CardListModel.h"

#include <QLocale>

#include <algorithm>
#include <numeric>
#include <vector>

CardFilterProxy::CardFilterProxy(CardListModel *cards, const SearchIndex &index, QObject *parent)
    : QAbstractTableModel(parent)
    , m_cards(cards)
    , m_index(index)
    , m_collator(titleCollator())
{
    m_sorted = sortedRows();
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
    showMatching(candidates);
}

void CardFilterProxy::indexReady()
{
    if (m_sortColumn != Title)
        m_sorted = sortedRows();
    showMatching(m_sorted);
    if (!m_shown.isEmpty())
        emit dataChanged(index(0, UserName), index(m_shown.size() - 1, ColumnCount - 1));
}

// The candidates that the search lets through, in one layout change.
void CardFilterProxy::showMatching(const QVector<int> &candidates)
{
    QVector<int> shown;
    shown.reserve(candidates.size());
    for (const int row : candidates) {
        if (accepts(row))
            shown.append(row);
    }
    show(std::move(shown));
}

void CardFilterProxy::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= ColumnCount || (column == m_sortColumn && order == m_sortOrder))
        return;
    m_sortColumn = column;
    m_sortOrder = order;
    m_sorted = sortedRows();
    QVector<bool> isShown(m_cards->rowCount(), false);
    for (const int row : qAsConst(m_shown))
        isShown[row] = true;
    QVector<int> shown;
    shown.reserve(m_shown.size());
    for (const int row : qAsConst(m_sorted)) {
        if (isShown.at(row))
            shown.append(row);
    }
    show(std::move(shown));
}

void CardFilterProxy::show(QVector<int> shown)
{
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
        // Not index(): it checks the row against the rows shown before.
        after.append(at < 0 ? QModelIndex() : createIndex(at, old.column()));
    }
    m_shown = std::move(shown);
    changePersistentIndexList(before, after);
    emit layoutChanged();
}

int CardFilterProxy::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_shown.size();
}

int CardFilterProxy::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CardFilterProxy::data(const QModelIndex &shown, int role) const
{
    const QModelIndex card = cardsIndex(shown);
    if (shown.column() == Title || !card.isValid())
        return m_cards->data(card, role);
    return columnData(card.row(), shown.column(), role);
}

QVariant CardFilterProxy::columnData(int cardRow, int column, int role) const
{
    if (role == Qt::ForegroundRole)
        return m_cards->data(m_cards->index(cardRow, 0), role);
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return QVariant();
    if (column != Modified)
        return text(cardRow, column);
    return QLocale().toString(modified(cardRow).toLocalTime(),
                              role == Qt::ToolTipRole ? QLocale::LongFormat : QLocale::ShortFormat);
}

QVariant CardFilterProxy::headerData(int section, Qt::Orientation orientation, int role) const
{
    // The newest cards first, as the last change is looked at.
    if (orientation == Qt::Horizontal && role == Qt::InitialSortOrderRole && section == Modified)
        return int(Qt::DescendingOrder);
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    switch (section) {
    case Title:
        return tr("Title");
    case UserName:
        return tr("User Name");
    case Url:
        return tr("URL");
    case Modified:
        return tr("Modified");
    }
    return QVariant();
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

QString CardFilterProxy::text(int cardRow, int column) const
{
    const QModelIndex card = m_cards->index(cardRow, 0);
    if (column == Title)
        return m_cards->data(card).toString();
    const CardColumns columns = m_index.columns(m_cards->cardId(card));
    return column == UserName ? columns.userName : columns.url;
}

QDateTime CardFilterProxy::modified(int cardRow) const
{
    return m_index.columns(m_cards->cardId(m_cards->index(cardRow, 0))).modified;
}

bool CardFilterProxy::accepts(int cardRow) const
{
    return m_index.matches(m_cards->cardId(m_cards->index(cardRow, 0)), m_query);
}

// The rows go in title order first, so that a stable sort by another column leaves cards that tie in title order.
QVector<int> CardFilterProxy::sortedRows() const
{
    const int count = m_cards->rowCount();
    QVector<int> rows(count);
    std::iota(rows.begin(), rows.end(), 0);
    const bool descending = m_sortOrder == Qt::DescendingOrder;
    const auto sortBy = [&rows](const auto &keys, bool descending) {
        std::stable_sort(rows.begin(), rows.end(), [&keys, descending](int left, int right) {
            return descending ? keys[size_t(right)] < keys[size_t(left)] : keys[size_t(left)] < keys[size_t(right)];
        });
    };
    const auto sortByText = [this, count, &rows](int column, bool descending) {
        QVector<QString> texts;
        texts.reserve(count);
        for (int row = 0; row < count; ++row)
            texts.append(text(row, column));
        sortCollated(rows, texts, m_collator, descending);
    };
    sortByText(Title, m_sortColumn == Title && descending);
    if (m_sortColumn == Modified) {
        std::vector<qint64> times;
        times.reserve(size_t(count));
        for (int row = 0; row < count; ++row)
            times.push_back(modified(row).toMSecsSinceEpoch());
        sortBy(times, descending);
    } else if (m_sortColumn != Title) {
        sortByText(m_sortColumn, descending);
    }
    return rows;
}

bool CardFilterProxy::lessThan(int left, int right) const
{
    int order = compare(m_sortColumn, left, right);
    if (m_sortOrder == Qt::DescendingOrder)
        order = -order;
    if (order != 0 || m_sortColumn == Title)
        return order < 0;
    return compare(Title, left, right) < 0;
}

int CardFilterProxy::compare(int column, int left, int right) const
{
    if (column != Modified)
        return m_collator.compare(text(left, column), text(right, column));
    const QDateTime leftTime = modified(left);
    const QDateTime rightTime = modified(right);
    return leftTime < rightTime ? -1 : rightTime < leftTime ? 1 : 0;
}

int CardFilterProxy::sortedPosition(const QVector<int> &cardRows, int cardRow) const
{
    const auto after = std::upper_bound(cardRows.cbegin(), cardRows.cend(), cardRow,
                                        [this](int added, int row) { return lessThan(added, row); });
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
