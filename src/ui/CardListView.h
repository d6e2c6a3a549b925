#pragma once

#include <QSet>
#include <QTreeView>

class QSettings;

// The card list: the title of each card and, as the user picks them from the header's context menu, its
// user name, address and last change; a click on a header sorts by that column. The columns always fit
// the list's width (long values are elided), so the list never scrolls sideways. Reports every change of
// the current card.
class CardListView : public QTreeView
{
    Q_OBJECT

public:
    explicit CardListView(QWidget *parent = nullptr);

    // A new model shows the same columns, sorted the same way.
    void setModel(QAbstractItemModel *model) override;
    // The columns shown and the sort, kept in the window settings between runs.
    void restoreColumns(const QSettings &settings);
    void saveColumns(QSettings &settings) const;
    bool isColumnShown(int column) const { return !m_hidden.contains(column); }
    void setColumnShown(int column, bool shown);

signals:
    void currentIndexChanged(const QModelIndex &index);

protected:
    bool viewportEvent(QEvent *event) override;

protected slots:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

private:
    void showColumnMenu(const QPoint &at);
    void applyColumns();
    void fitColumns();

    QSet<int> m_hidden;
    int m_sortColumn = 0;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};
