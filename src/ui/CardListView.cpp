#include "ui/CardListView.h"

#include "ui/CardFilterProxy.h"

#include <QDateTime>
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

// The title takes what the other columns leave; the last change needs no more than its date and time.
void CardListView::applyColumns()
{
    QHeaderView *columns = header();
    columns->setStretchLastSection(false);
    for (int column = 0; column < columns->count(); ++column) {
        columns->setSectionHidden(column, m_hidden.contains(column));
        columns->setSectionResizeMode(column, QHeaderView::Stretch);
    }
    if (CardFilterProxy::Modified < columns->count()) {
        const QString sample = QLocale().toString(QDateTime(QDate(2000, 12, 28), QTime(23, 59)), QLocale::ShortFormat);
        columns->setSectionResizeMode(CardFilterProxy::Modified, QHeaderView::Fixed);
        const int margins = 4 * style()->pixelMetric(QStyle::PM_HeaderMargin);
        columns->resizeSection(CardFilterProxy::Modified,
                               qMax(fontMetrics().horizontalAdvance(sample) + margins,
                                    columns->sectionSizeHint(CardFilterProxy::Modified)));
    }
    columns->setSortIndicator(m_sortColumn, m_sortOrder);
    model()->sort(m_sortColumn, m_sortOrder);
}

// Moving along a row changes no card.
void CardListView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTreeView::currentChanged(current, previous);
    if (current.row() != previous.row() || current.isValid() != previous.isValid())
        emit currentIndexChanged(current);
}
