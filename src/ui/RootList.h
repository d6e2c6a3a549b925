#pragma once

#include <QListView>

// The card list; reports every change of the current row.
class RootList : public QListView
{
    Q_OBJECT

public:
    using QListView::QListView;

signals:
    void currentIndexChanged(const QModelIndex &index);

protected slots:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
};
