#pragma once

#include <QCollator>
#include <QSortFilterProxyModel>

// Sorts by the shown text as card titles sort (titleCollator). QSortFilterProxyModel alone drops the
// case setting as soon as it sorts locale-aware, which puts "eBay" after "Yahoo!" in plain locales.
class NameSortProxy : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit NameSortProxy(QObject *parent = nullptr);

protected:
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;

private:
    QCollator m_collator;
};
