#include "ui/CardListView.h"

#include "ui/CardFilterProxy.h"

#include <QDateTime>
#include <QEvent>
#include <QHeaderView>
#include <QLocale>
#include <QMenu>
#include <QSettings>
#include <QStyle>

namespace {

// The names the settings keep the columns by, in the order of CardFilterProxy::Column.
const QStringList columnNames{QStringLiteral("title"), QStringLiteral("userName"), QStringLiteral("url"),
                              QStringLiteral("modified")};
const QString hiddenKey = QStringLiteral("cardList/hiddenColumns");
const QString sortKey = QStringLiteral("cardList/sortColumn");
const QString orderKey = QStringLiteral("cardList/sortDescending");

} // namespace

CardListView::CardListView(QWidget *parent)
    : QTreeView(parent)
    , m_hidden{CardFilterProxy::Modified}
{
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideRight);
    setSortingEnabled(true);
    header()->setSortIndicator(m_sortColumn, m_sortOrder);
    header()->setSectionsMovable(false);
    header()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(header(), &QWidget::customContextMenuRequested, this, &CardListView::showColumnMenu);
    connect(header(), &QHeaderView::sortIndicatorChanged, this, [this](int column, Qt::SortOrder order) {
        m_sortColumn = column;
        m_sortOrder = order;
    });
}

void CardListView::setModel(QAbstractItemModel *model)
{
    QTreeView::setModel(model);
    if (model)
        applyColumns();
}

void CardListView::restoreColumns(const QSettings &settings)
{
    if (settings.contains(hiddenKey)) {
        m_hidden.clear();
        for (const QString &name : settings.value(hiddenKey).toStringList()) {
            if (columnNames.indexOf(name) > 0)
                m_hidden.insert(columnNames.indexOf(name));
        }
    }
    m_sortColumn = qMax(0, columnNames.indexOf(settings.value(sortKey).toString()));
    m_sortOrder = settings.value(orderKey).toBool() ? Qt::DescendingOrder : Qt::AscendingOrder;
    if (model())
        applyColumns();
}

void CardListView::saveColumns(QSettings &settings) const
{
    QStringList hidden;
    for (int column = 0; column < columnNames.size(); ++column) {
        if (m_hidden.contains(column))
            hidden << columnNames.at(column);
    }
    settings.setValue(hiddenKey, hidden);
    settings.setValue(sortKey, columnNames.value(m_sortColumn));
    settings.setValue(orderKey, m_sortOrder == Qt::DescendingOrder);
}

void CardListView::setColumnShown(int column, bool shown)
{
    if (shown)
        m_hidden.remove(column);
    else
        m_hidden.insert(column);
    if (model())
        applyColumns();
}

// The title is always there: a list of user names alone would say nothing.
void CardListView::showColumnMenu(const QPoint &at)
{
    if (!model())
        return;
    QMenu menu(this);
    for (int column = 1; column < model()->columnCount(); ++column) {
        QAction *action = menu.addAction(model()->headerData(column, Qt::Horizontal).toString());
        action->setCheckable(true);
        action->setChecked(isColumnShown(column));
        connect(action, &QAction::toggled, this, [this, column](bool shown) { setColumnShown(column, shown); });
    }
    menu.exec(header()->mapToGlobal(at));
}

void CardListView::applyColumns()
{
    for (int column = 0; column < header()->count(); ++column) {
        header()->setSectionHidden(column, m_hidden.contains(column));
        header()->setSectionResizeMode(column, QHeaderView::Fixed);
    }
    fitColumns();
    header()->setSortIndicator(m_sortColumn, m_sortOrder);
    model()->sort(m_sortColumn, m_sortOrder);
}

// The viewport narrows also when the vertical scroll bar comes.
bool CardListView::viewportEvent(QEvent *event)
{
    const bool handled = QTreeView::viewportEvent(event);
    if (event->type() == QEvent::Resize)
        fitColumns();
    return handled;
}

// The columns share the list's width: the last change takes what its date and time need, the title
// half again as much as the user name or the address.
void CardListView::fitColumns()
{
    QHeaderView *columns = header();
    if (columns->count() <= CardFilterProxy::Modified)
        return;
    int width = viewport()->width();
    if (!columns->isSectionHidden(CardFilterProxy::Modified)) {
        const QString sample = QLocale().toString(QDateTime(QDate(2000, 12, 28), QTime(23, 59)), QLocale::ShortFormat);
        const int needed
            = qMax(fontMetrics().horizontalAdvance(sample) + 4 * style()->pixelMetric(QStyle::PM_HeaderMargin),
                   columns->sectionSizeHint(CardFilterProxy::Modified));
        columns->resizeSection(CardFilterProxy::Modified, needed);
        width -= needed;
    }
    const int weights[]{3, 2, 2};
    int total = 0;
    for (int column = CardFilterProxy::Title; column < CardFilterProxy::Modified; ++column)
        total += columns->isSectionHidden(column) ? 0 : weights[column];
    int left = qMax(0, width);
    for (int column = CardFilterProxy::Modified - 1; column >= CardFilterProxy::Title; --column) {
        if (columns->isSectionHidden(column))
            continue;
        const int share = column == CardFilterProxy::Title ? left : qMax(0, width) * weights[column] / total;
        columns->resizeSection(column, share);
        left -= share;
    }
}

// Moving along a row changes no card.
void CardListView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTreeView::currentChanged(current, previous);
    if (current.row() != previous.row() || current.isValid() != previous.isValid())
        emit currentIndexChanged(current);
}
