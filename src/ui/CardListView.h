#pragma once

#include <QListView>

// The card list; reports every change of the current row. Long titles are elided to the list's width,
// so the list never scrolls sideways.
class CardListView : public QListView
{
    Q_OBJECT

public:
    explicit CardListView(QWidget *parent = nullptr);

signals:
    void currentIndexChanged(const QModelIndex &index);

protected slots:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
};
